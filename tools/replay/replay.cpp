// replay: runs a lesson program headless with scripted keys.
//
//   replay PROGRAM [--keys TEXT] [--clock HH:MM:SS] [--png FILE] [--frames DIR]
//                  [--log FILE] [--math TEXT]
//
// --keys   the keys in order, C escapes \r (Enter), \b (Backspace), \f (the
//          clearing key), \\; when they run out the run ends as if the window
//          were closed
// --clock  the time of day the program reads, HH:MM:SS from 00:00:00 to
//          23:59:59 (default 00:00:00)
// --png    the final picture
// --frames one PNG for each key the program takes, the picture shown while it
//          waited for that key: DIR/0001.png, DIR/0002.png, ...
// --log    JSON Lines, one object per drawing op, wait, key, end and fault
// --math   instead of the program's run: one math text at (100, 200) in
//          colour 0 on a cleared canvas
//
// Exit 0 when the keys ran out or the program ended, 3 after the error screen
// (with "fault: step N code C" on stderr), 2 for a wrong command line or a
// file that could not be written (an output that cannot be written is
// refused before the run), 1 when the run broke off otherwise.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

#include "figures/figures.h"
#include "platform/cairo_screen.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"

namespace lesson {
namespace {

// Draws one math text the way the lessons do, on the engine of a program.
class MathProbe : public Figures {
 public:
  MathProbe(Runtime& rt, const std::string& program)
      : Figures(rt, ProgramConfig{program, program == "kasimel"}) {}

  int Draw(const std::string& text, RecordingScreen& recorder) {
    try {
      ClearScreen();
      SetFace("ｺﾞｼｯｸ");
      SetFontSize(16);
      SetPenWidth(3);
      X = 100;
      Y = 200;
      CCC1 = 0;
      AA_s = text;
      DrawMathText();
      Step();  // a fault left by the last arithmetic shows here
    } catch (const Fault& f) {
      RecordedOp op;
      op.op = "fault";
      op.step = f.step;
      op.code = f.code;
      recorder.Note(op);
      return 3;
    }
    return 0;
  }

 protected:
  std::vector<std::string> MainMenuItems() override { return {}; }
  bool OpenTopic(int) override { return false; }
};

int Usage(const char* msg) {
  std::fprintf(stderr,
               "replay: %s\nusage: replay PROGRAM [--keys TEXT] [--clock HH:MM:SS] [--png FILE] "
               "[--frames DIR] [--log FILE] [--math TEXT]\n",
               msg);
  return 2;
}

// True for a time of day HH:MM:SS, 00:00:00 to 23:59:59.
bool ValidClock(const std::string& t) {
  if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
  for (const int i : {0, 1, 3, 4, 6, 7})
    if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
  auto two = [&](int i) { return (t[i] - '0') * 10 + (t[i + 1] - '0'); };
  return two(0) <= 23 && two(3) <= 59 && two(6) <= 59;
}

// Why the file cannot be written ("" when it can be): its folder must exist
// and be writable, and the file itself, when there, must be a writable file.
std::string CannotWriteFile(const std::string& file) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path p(file);
  if (fs::is_directory(p, ec)) return "it is a folder";
  const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
  if (!fs::is_directory(dir, ec)) return "no folder " + dir.string();
  if (access(dir.c_str(), W_OK | X_OK) != 0)
    return "the folder " + dir.string() + " is not writable";
  if (fs::exists(p, ec) && access(p.c_str(), W_OK) != 0) return "the file is not writable";
  return "";
}

// Makes the frames folder; why it cannot be written ("" when it can).
std::string CannotWriteFolder(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) return ec.message();
  if (!std::filesystem::is_directory(dir, ec)) return "not a folder";
  if (access(dir.c_str(), W_OK | X_OK) != 0) return "the folder is not writable";
  return "";
}

int Main(int argc, char** argv) {
  std::string program, keys, clock = "00:00:00", png, frames, log, math;
  bool haveMath = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    bool ok = true;
    if (a == "--keys") ok = value(keys);
    else if (a == "--clock") ok = value(clock);
    else if (a == "--png") ok = value(png);
    else if (a == "--frames") ok = value(frames);
    else if (a == "--log") ok = value(log);
    else if (a == "--math") ok = haveMath = value(math);
    else if (!a.empty() && a[0] == '-') return Usage(("unknown option " + a).c_str());
    else if (program.empty()) program = a;
    else return Usage(("unexpected argument " + a).c_str());
    if (!ok) return Usage(("missing value after " + a).c_str());
  }
  if (program.empty()) return Usage("no program named");
  const auto& names = ProgramNames();
  if (std::find(names.begin(), names.end(), program) == names.end())
    return Usage(("no program called " + program).c_str());
  if (!ValidClock(clock))
    return Usage(
        ("--clock wants HH:MM:SS from 00:00:00 to 23:59:59, not \"" + clock + "\"").c_str());
  for (const std::string* file : {&png, &log}) {
    if (file->empty()) continue;
    const std::string why = CannotWriteFile(*file);
    if (!why.empty()) {
      std::fprintf(stderr, "replay: cannot write %s: %s\n", file->c_str(), why.c_str());
      return 2;
    }
  }
  if (!frames.empty()) {
    const std::string why = CannotWriteFolder(frames);
    if (!why.empty()) {
      std::fprintf(stderr, "replay: cannot write frames to %s: %s\n", frames.c_str(), why.c_str());
      return 2;
    }
  }

  std::unique_ptr<CairoScreen> raster;
  if (!png.empty() || !frames.empty()) raster = std::make_unique<CairoScreen>();
  RecordingScreen recorder(raster.get());
  ScriptedRuntime rt(recorder, ScriptedRuntime::ParseKeys(keys), clock);

  bool writeFailed = false;
  int frame = 0;
  if (!frames.empty()) {
    rt.onKeyWait = [&] {
      char name[32];
      std::snprintf(name, sizeof name, "%04d.png", ++frame);
      const std::string path = (std::filesystem::path(frames) / name).string();
      if (!raster->WritePng(path)) {
        if (!writeFailed) std::fprintf(stderr, "replay: cannot write %s\n", path.c_str());
        writeFailed = true;
      }
    };
  }

  int code = 0;
  if (haveMath) {
    MathProbe probe(rt, program);
    code = probe.Draw(math, recorder);
  } else {
    auto p = MakeProgram(program, rt);
    if (!p) return Usage(("no program called " + program).c_str());
    code = RunRecorded(*p, recorder);
  }

  for (const RecordedOp& op : recorder.ops()) {
    if (op.op == "fault")
      std::fprintf(stderr, "fault: step %d code %d\n", op.step, op.code);
  }
  if (!log.empty()) {
    std::ofstream out(log, std::ios::binary);
    for (const RecordedOp& op : recorder.ops()) out << ToJsonLine(op) << '\n';
    if (!out) {
      std::fprintf(stderr, "replay: cannot write %s\n", log.c_str());
      writeFailed = true;
    }
  }
  if (!png.empty() && !raster->WritePng(png)) {
    std::fprintf(stderr, "replay: cannot write %s\n", png.c_str());
    writeFailed = true;
  }
  if (writeFailed && code == 0) return 2;
  return code;
}

}  // namespace
}  // namespace lesson

int main(int argc, char** argv) {
  try {
    return lesson::Main(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "replay: the run broke off: %s\n", e.what());
    return 1;
  }
}
