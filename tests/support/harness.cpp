#include "tests/support/harness.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "platform/cairo_screen.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"

namespace lesson {

namespace {

ScriptedRun Run(const std::string& program, const std::vector<std::string>& keys,
                const std::string& clock, const std::string& pngPath) {
  std::unique_ptr<CairoScreen> raster;
  if (!pngPath.empty()) raster = std::make_unique<CairoScreen>();
  RecordingScreen recorder(raster.get());
  ScriptedRuntime rt(recorder, keys, clock);
  auto p = MakeProgram(program, rt);
  if (!p) throw std::invalid_argument("no program called " + program);
  ScriptedRun run;
  run.exitCode = RunRecorded(*p, recorder);
  run.ops = recorder.ops();
  run.waitedTicks = rt.waitedTicks();
  run.keysLeft = rt.keysLeft();
  for (const RecordedOp& op : run.ops) {
    if (op.op == "fault") {
      run.faulted = true;
      run.faultStep = op.step;
      run.faultCode = op.code;
    }
  }
  if (raster && !raster->WritePng(pngPath))
    throw std::runtime_error("cannot write " + pngPath);
  return run;
}

}  // namespace

ScriptedRun RunScripted(const std::string& program, const std::string& keys,
                        const std::string& clock) {
  return Run(program, ScriptedRuntime::ParseKeys(keys), clock, "");
}

ScriptedRun RunScriptedKeys(const std::string& program, const std::vector<std::string>& keys,
                            const std::string& clock) {
  return Run(program, keys, clock, "");
}

ScriptedRun RunScriptedToPng(const std::string& program, const std::string& keys,
                             const std::string& pngPath, const std::string& clock) {
  return Run(program, ScriptedRuntime::ParseKeys(keys), clock, pngPath);
}

std::vector<RecordedOp> ScriptedRun::OpsOf(const std::string& kind) const {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == kind) out.push_back(op);
  return out;
}

int ScriptedRun::Count(const std::string& kind) const {
  int n = 0;
  for (const RecordedOp& op : ops) n += op.op == kind;
  return n;
}

std::vector<RecordedOp> ScriptedRun::TextsContaining(const std::string& part) const {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text.find(part) != std::string::npos) out.push_back(op);
  return out;
}

std::vector<RecordedOp> ScriptedRun::AfterKey(int n) const {
  std::vector<RecordedOp> out;
  int keysSeen = 0;
  for (const RecordedOp& op : ops) {
    if (op.op == "key") {
      if (++keysSeen > n) break;
      continue;
    }
    if (keysSeen == n) out.push_back(op);
  }
  return out;
}

std::string ScriptedRun::AllText() const {
  std::string s;
  for (const RecordedOp& op : ops)
    if (op.op == "text") s += op.text;
  return s;
}

std::vector<RecordedOp> ScriptedRun::SinceLastClear() const {
  size_t from = 0;
  for (size_t i = 0; i < ops.size(); ++i) {
    const RecordedOp& op = ops[i];
    const bool wipe = op.op == "clear" ||
                      (op.op == "box" && op.fill == 15 && std::min(op.x1, op.x2) <= 0 &&
                       std::min(op.y1, op.y2) <= 0 && std::max(op.x1, op.x2) >= 1342 &&
                       std::max(op.y1, op.y2) >= 720);
    if (wipe) from = i;
  }
  return std::vector<RecordedOp>(ops.begin() + from, ops.end());
}

std::string TestOutputPath(const std::string& name) {
  const std::filesystem::path dir = std::filesystem::path(LESSON_BUILD_DIR) / "test-output";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

}  // namespace lesson
