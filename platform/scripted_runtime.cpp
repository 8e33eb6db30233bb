#include "platform/scripted_runtime.h"

#include "platform/fault.h"
#include "platform/text_number.h"

namespace lesson {

ScriptedRuntime::ScriptedRuntime(RecordingScreen& screen, std::vector<std::string> keys,
                                 std::string clock)
    : screen_(screen), keys_(std::move(keys)), clock_(std::move(clock)) {}

std::string ScriptedRuntime::PollKey() {
  if (lastPollGaveKey_) {
    lastPollGaveKey_ = false;
    return "";
  }
  if (next_ >= keys_.size()) throw WindowClosed{};
  if (onKeyWait) onKeyWait();
  std::string key = keys_[next_++];
  RecordedOp op;
  op.op = "key";
  op.key = key;
  screen_.Note(op);
  lastPollGaveKey_ = true;
  return key;
}

void ScriptedRuntime::Wait(int ticks) {
  if (ticks > 0) waitedTicks_ += ticks;
  RecordedOp op;
  op.op = "wait";
  op.ticks = ticks;
  screen_.Note(op);
}

void ScriptedRuntime::WaitForClose() { throw WindowClosed{}; }

void ScriptedRuntime::EndProgram() {
  RecordedOp op;
  op.op = "end";
  screen_.Note(op);
  throw ProgramEnded{};
}

std::vector<std::string> ScriptedRuntime::ParseKeys(const std::string& script) {
  std::vector<std::string> keys;
  const std::vector<std::string> chars = Chars(script);
  for (size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == "\\" && i + 1 < chars.size()) {
      const std::string& e = chars[++i];
      if (e == "r") keys.push_back("\r");
      else if (e == "b") keys.push_back("\b");
      else if (e == "f") keys.push_back("\f");
      else keys.push_back(e);  // "\\" and any other escaped character stand for themselves
    } else {
      keys.push_back(chars[i]);
    }
  }
  return keys;
}

}  // namespace lesson
