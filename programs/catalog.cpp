#include "programs/catalog.h"

#include "lessons/kasimel/kasimel.h"
#include "lessons/orvanti/orvanti.h"
#include "lessons/velmora/velmora.h"

namespace lesson {

std::unique_ptr<Shell> MakeProgram(const std::string& name, Runtime& rt) {
  if (name == "kasimel") return MakeKasimel(rt);
  if (name == "orvanti") return MakeOrvanti(rt);
  if (name == "velmora") return MakeVelmora(rt);
  return nullptr;
}

int RunRecorded(Shell& program, RecordingScreen& recorder) {
  const int code = RunProgram(program);
  if (const auto& fault = program.lastFault()) {
    RecordedOp op;
    op.op = "fault";
    op.step = fault->step;
    op.code = fault->code;
    recorder.Note(op);
  }
  return code;
}

const std::vector<std::string>& ProgramNames() {
  static const std::vector<std::string> names = {"kasimel", "orvanti", "velmora"};
  return names;
}

}  // namespace lesson
