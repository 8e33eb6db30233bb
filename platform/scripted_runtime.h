// A runtime without a window, for tests and the replay tool: keys come from a
// script, the clock is fixed, waits are counted, not slept.
//
// Keys are typed only while the program waits for one: a poll that follows a
// poll which returned a key gives "" (so draining the key queue never eats
// keys typed later); any other poll takes the next key of the script. When
// the script has no key left for such a poll, the run ends as if the window
// were closed (WindowClosed).
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform/recording_screen.h"
#include "platform/runtime.h"

namespace lesson {

class ScriptedRuntime : public Runtime {
 public:
  // keys: one entry per key ("\r" Enter, "\b" Backspace, "\f" clearing key,
  // otherwise one UTF-8 character).
  ScriptedRuntime(RecordingScreen& screen, std::vector<std::string> keys,
                  std::string clock = "00:00:00");

  Screen& screen() override { return screen_; }
  std::string PollKey() override;
  void Wait(int ticks) override;
  void WaitForClose() override;
  std::string ClockRead() override { return clock_; }
  void EndProgram() override;

  // Called with the key about to be delivered, before the program sees it
  // (the replay tool writes a frame there).
  std::function<void()> onKeyWait;
  int waitedTicks() const { return waitedTicks_; }
  size_t keysLeft() const { return keys_.size() - next_; }

  // Splits a key script with C escapes \r \b \f \\ into keys.
  static std::vector<std::string> ParseKeys(const std::string& script);

 private:
  RecordingScreen& screen_;
  std::vector<std::string> keys_;
  size_t next_ = 0;
  std::string clock_;
  bool lastPollGaveKey_ = false;
  int waitedTicks_ = 0;
};

}  // namespace lesson
