// The replay tool as other tools use it: exit codes, PNG, frames, JSON Lines;
// and the exit code and fault record of a run that ends on the error screen.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/fault.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"
#include "tests/support/harness.h"

namespace lesson {
namespace {

namespace fs = std::filesystem;

// A strict little JSON reader: true when s is exactly one JSON value.
class JsonCheck {
 public:
  static bool Valid(const std::string& s) {
    JsonCheck j{s};
    j.Ws();
    return j.Value() && (j.Ws(), j.i_ == s.size());
  }

 private:
  explicit JsonCheck(const std::string& s) : s_(s) {}
  void Ws() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }
  bool Eat(char c) {
    Ws();
    if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
    return false;
  }
  bool Word(const char* w) {
    const size_t n = std::strlen(w);
    if (s_.compare(i_, n, w) != 0) return false;
    i_ += n;
    return true;
  }
  bool String() {
    if (!Eat('"')) return false;
    while (i_ < s_.size()) {
      const unsigned char c = s_[i_++];
      if (c == '"') return true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (i_ >= s_.size()) return false;
        const char e = s_[i_++];
        if (e == 'u') {
          for (int k = 0; k < 4; ++k)
            if (i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_++]))) return false;
        } else if (!std::strchr("\"\\/bfnrt", e)) {
          return false;
        }
      }
    }
    return false;
  }
  bool Number() {
    const size_t start = i_;
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
    if (s_[i_] == '0') ++i_;
    else while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    if (i_ < s_.size() && s_[i_] == '.') {
      ++i_;
      if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      ++i_;
      if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
      if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    return i_ > start;
  }
  bool Value() {
    Ws();
    if (i_ >= s_.size()) return false;
    const char c = s_[i_];
    if (c == '{') {
      ++i_;
      if (Eat('}')) return true;
      do {
        Ws();
        if (!String() || !Eat(':') || !Value()) return false;
      } while (Eat(','));
      return Eat('}');
    }
    if (c == '[') {
      ++i_;
      if (Eat(']')) return true;
      do {
        if (!Value()) return false;
      } while (Eat(','));
      return Eat(']');
    }
    if (c == '"') return String();
    if (Word("true") || Word("false") || Word("null")) return true;
    return Number();
  }
  const std::string& s_;
  size_t i_ = 0;
};

TEST(JsonCheck, TellsValidFromBroken) {
  EXPECT_TRUE(JsonCheck::Valid(R"({"op":"polyline","points":[[1,2.5],[-3e+30,4]],"x":null})"));
  EXPECT_TRUE(JsonCheck::Valid(R"({"text":"\u00e9\r\"ℓ"})"));
  for (const char* bad : {"", "{", R"({"a":1,})", R"({"a":.5})", R"({"a":nan})", "{\"a\":\"\r\"}",
                          R"({"a":1} x)", R"({'a':1})"})
    EXPECT_FALSE(JsonCheck::Valid(bad)) << bad;
}

struct ReplayResult {
  int exitCode;
  std::string err;
};

// Runs the replay tool with the arguments (already quoted for the shell).
ReplayResult Replay(const std::string& args) {
  // ctest runs the test cases as parallel processes: one file each.
  static int calls = 0;
  const std::string errFile = TestOutputPath("replay_stderr_" + std::to_string(::getpid()) + "_" +
                                             std::to_string(++calls) + ".txt");
  const std::string cmd = std::string("'") + LESSON_REPLAY + "' " + args + " 2>'" + errFile + "'";
  const int status = std::system(cmd.c_str());
  std::ifstream in(errFile);
  std::stringstream ss;
  ss << in.rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ss.str()};
}

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

bool PngOfCanvasSize(const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
                  cairo_image_surface_get_width(s) == 1360 &&
                  cairo_image_surface_get_height(s) == 765;
  cairo_surface_destroy(s);
  return ok;
}

TEST(ReplayTool, KeysRunOutWritesPngFramesAndJsonLines) {
  const std::string png = TestOutputPath("replay_menu.png");
  const std::string log = TestOutputPath("replay_menu.jsonl");
  const std::string frames = TestOutputPath("replay_menu_frames");
  fs::remove_all(frames);
  fs::remove(png);
  const ReplayResult r = Replay("kasimel --keys '9\\r' --clock 01:02:03 --png '" + png +
                                "' --log '" + log + "' --frames '" + frames + "'");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(PngOfCanvasSize(png));
  // One frame for each key the program took: "9" and Enter.
  EXPECT_TRUE(PngOfCanvasSize(frames + "/0001.png"));
  EXPECT_TRUE(PngOfCanvasSize(frames + "/0002.png"));
  EXPECT_FALSE(fs::exists(frames + "/0003.png"));

  const std::vector<std::string> lines = Lines(log);
  ASSERT_GT(lines.size(), 10u);
  int keys = 0;
  for (const std::string& l : lines) {
    EXPECT_TRUE(JsonCheck::Valid(l)) << l;
    if (l.find("\"op\":\"key\"") != std::string::npos) ++keys;
    const bool drawing = l.find("\"op\":\"text\"") != std::string::npos ||
                         l.find("\"op\":\"line\"") != std::string::npos ||
                         l.find("\"op\":\"box\"") != std::string::npos ||
                         l.find("\"op\":\"circle\"") != std::string::npos ||
                         l.find("\"op\":\"polyline\"") != std::string::npos;
    if (drawing) {
      EXPECT_NE(l.find("\"pen\":"), std::string::npos) << l;
    }
  }
  EXPECT_EQ(keys, 2);
  EXPECT_NE(lines.back().find("\"op\""), std::string::npos);
}

TEST(ReplayTool, ProgramEndIsExitZeroAndLogged) {
  for (const std::string& program : ProgramNames()) {
    const std::string log = TestOutputPath("replay_end_" + program + ".jsonl");
    const char* last = program == "orvanti" ? "7" : "8";
    const ReplayResult r = Replay(program + " --keys '" + last + "\\r' --log '" + log + "'");
    EXPECT_EQ(r.exitCode, 0) << program << r.err;
    const std::vector<std::string> lines = Lines(log);
    ASSERT_FALSE(lines.empty()) << program;
    EXPECT_EQ(lines.back(), R"({"op":"end"})") << program;
  }
}

// Every wrong command line and every output that cannot be written: exit 2
// with the reason on stderr (and the usage for a wrong command line), before
// the run: the log named first is never written.
TEST(ReplayTool, WrongCommandLinesAndUnwritableOutputsExitTwoWithoutARun) {
  const std::string file = TestOutputPath("replay_not_a_folder");
  std::ofstream(file) << "a file, not a folder\n";
  const std::string log = TestOutputPath("replay_refused.jsonl");
  struct Case {
    std::string args;
    std::string says;
    bool usage;
  };
  const Case cases[] = {
      {"", "no program named", true},
      {"nosuchprogram", "no program called nosuchprogram", true},
      {"nosuchprogram --math 'y=ax^2'", "no program called nosuchprogram", true},
      {"kasimel orvanti", "unexpected argument orvanti", true},
      {"kasimel --bogus 1", "unknown option --bogus", true},
      {"kasimel --keys", "missing value after --keys", true},
      {"kasimel --clock", "missing value after --clock", true},
      {"kasimel --png", "missing value after --png", true},
      {"kasimel --frames", "missing value after --frames", true},
      {"kasimel --log", "missing value after --log", true},
      {"kasimel --math", "missing value after --math", true},
      {"kasimel --clock 24:00:00", "--clock wants HH:MM:SS", true},
      {"kasimel --clock 12:60:00", "--clock wants HH:MM:SS", true},
      {"kasimel --clock 12:00:60", "--clock wants HH:MM:SS", true},
      {"kasimel --clock 1:2:3x", "--clock wants HH:MM:SS", true},
      {"kasimel --clock 1:02:03", "--clock wants HH:MM:SS", true},
      {"kasimel --clock 12:00", "--clock wants HH:MM:SS", true},
      {"kasimel --clock 12:00:00:00", "--clock wants HH:MM:SS", true},
      {"kasimel --clock ' 1:00:00'", "--clock wants HH:MM:SS", true},
      {"kasimel --clock -1:00:00", "--clock wants HH:MM:SS", true},
      {"kasimel --clock ''", "--clock wants HH:MM:SS", true},
      {"kasimel --png /nonexistent-dir/x.png", "cannot write /nonexistent-dir/x.png", false},
      {"kasimel --png '" + file + "/x.png'", "cannot write " + file + "/x.png", false},
      {"kasimel --png '" + TestOutputPath("") + "'",
       "cannot write " + TestOutputPath("") + ": it is a folder", false},
      {"kasimel --log '" + file + "/x.jsonl'", "cannot write " + file + "/x.jsonl", false},
      {"kasimel --frames '" + file + "'", "cannot write frames to " + file, false},
      {"kasimel --frames '" + file + "/frames'", "cannot write frames to " + file + "/frames",
       false},
  };
  for (const Case& c : cases) {
    fs::remove(log);
    const ReplayResult r = Replay("--log '" + log + "' " + c.args);
    EXPECT_EQ(r.exitCode, 2) << c.args;
    EXPECT_NE(r.err.find("replay: " + c.says), std::string::npos) << c.args << "\n" << r.err;
    EXPECT_EQ(r.err.find("usage: replay PROGRAM") != std::string::npos, c.usage)
        << c.args << "\n" << r.err;
    EXPECT_FALSE(fs::exists(log)) << c.args << ": the program ran";
  }
}

TEST(ReplayTool, ClockTakesTheWholeDay) {
  for (const char* clock : {"00:00:00", "09:05:07", "23:59:59"}) {
    const ReplayResult r = Replay(std::string("kasimel --keys '8\\r' --clock ") + clock);
    EXPECT_EQ(r.exitCode, 0) << clock << r.err;
  }
}

TEST(ReplayTool, MathTextAtItsPlace) {
  const std::string log = TestOutputPath("replay_math.jsonl");
  const std::string png = TestOutputPath("replay_math.png");
  const ReplayResult r = Replay("kasimel --math 'y=ax^2' --log '" + log + "' --png '" + png + "'");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(PngOfCanvasSize(png));
  const std::vector<std::string> lines = Lines(log);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), R"({"op":"clear"})");
  bool sawY = false;
  for (const std::string& l : lines) {
    EXPECT_TRUE(JsonCheck::Valid(l)) << l;
    if (l.find(R"("text":"y")") != std::string::npos) {
      sawY = true;
      EXPECT_NE(l.find(R"("x":100,"y":200)"), std::string::npos) << l;
      EXPECT_NE(l.find(R"("colour":0)"), std::string::npos) << l;
    }
  }
  EXPECT_TRUE(sawY);
}

// A program whose topic divides by zero: the run ends on the error screen,
// exits 3 and logs the fault with its step and code.
class FaultingProgram : public Shell {
 public:
  explicit FaultingProgram(Runtime& rt) : Shell(rt, ProgramConfig{"kasimel", true}) {}

 protected:
  std::vector<std::string> MainMenuItems() override { return {"1　割る", "2　終了"}; }
  bool OpenTopic(int) override {
    A = 0;
    B = 1 / A;
    DrawLine(0, 0, B, 0, 0);
    return true;
  }
};

TEST(ReplayTool, FaultEndsOnTheErrorScreenWithExitThree) {
  RecordingScreen rec;
  ScriptedRuntime rt(rec, ScriptedRuntime::ParseKeys("1\\r"));
  FaultingProgram p(rt);
  EXPECT_EQ(RunRecorded(p, rec), 3);
  ASSERT_FALSE(rec.ops().empty());
  const RecordedOp& last = rec.ops().back();
  EXPECT_EQ(last.op, "fault");
  EXPECT_EQ(last.code, kFaultDivByZero);
  EXPECT_GT(last.step, 0);
  EXPECT_TRUE(JsonCheck::Valid(ToJsonLine(last)));
}

TEST(Harness, RunsAProgramInProcess) {
  const ScriptedRun run = RunScripted("kasimel", "9\\r");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(run.faulted);
  EXPECT_EQ(run.keysLeft, 0u);
  EXPECT_EQ(run.Count("key"), 2);
  EXPECT_TRUE(run.HasText("メ"));
  EXPECT_FALSE(run.AfterKey(2).empty());  // the menu drawn again after Enter
  EXPECT_TRUE(run.AllText().find("終") != std::string::npos);
  EXPECT_THROW(RunScripted("nosuchprogram", ""), std::invalid_argument);
}

}  // namespace
}  // namespace lesson
