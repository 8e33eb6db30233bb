// What the tour benchmarks share: a screen that draws nothing, a runtime
// that times every step of a headless tour (the work between two presents,
// that is key polls or animation waits), and one that takes its keys from a
// fixed script, each key marked with the topic it belongs to.
#pragma once
#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/fault.h"
#include "platform/runtime.h"
#include "platform/screen.h"

namespace lesson {

// A screen that draws nothing: the engine alone.
class NullScreen : public Screen {
 public:
  void Line(float, float, float, float, int) override {}
  void Box(float, float, float, float, int, int) override {}
  void Circle(float, float, float, int, float, float, bool, int) override {}
  void Polyline(const std::vector<Point>&, int, bool, int) override {}
  void Text(float, float, float, float, int, const std::string&) override {}
  void Clear() override {}
};

// The clock a step is timed on: the wall clock, or the processor time of the
// program's thread (other processes on the machine do not count).
enum class StepClock { kWall, kThreadCpu };

// A runtime for a headless tour. A poll right after a key gives none, as a
// person types; any other poll gives the key NextKey picks. Every poll and
// every wait ends a step, whose time OnStep is told. Closing the window ends
// the tour; the clock always reads midnight.
class TimedTourRuntime : public Runtime {
 public:
  TimedTourRuntime(Screen& screen, StepClock clock);

  Screen& screen() override { return screen_; }
  std::string PollKey() override;
  void Wait(int ticks) override;
  void WaitForClose() override { throw WindowClosed{}; }
  std::string ClockRead() override { return "00:00:00"; }
  void EndProgram() override;

  bool ended() const { return ended_; }
  int steps() const { return steps_; }

 protected:
  // The next key of the tour; throws WindowClosed when there is none.
  virtual std::string NextKey() = 0;
  // The step that ends now took ms milliseconds.
  virtual void OnStep(double ms) = 0;

 private:
  double NowMs() const;
  void Present();

  Screen& screen_;
  StepClock clock_;
  std::chrono::steady_clock::time_point origin_;
  double last_ = 0;
  int steps_ = 0;
  bool lastPollGaveKey_ = false;
  bool ended_ = false;
};

// A tour's keys in order, each with the topic it belongs to.
struct TourKeys {
  std::vector<std::string> keys;
  std::vector<int> topicOfKey;
  // Appends the keys of a script in the replay tool's notation (\r is Enter).
  void AddScript(const std::string& script, int topic);
  void AddKey(const std::string& key, int topic);
};

// The slowest step: how long it took, how many keys had been taken, and the
// topic of the last of them.
struct SlowestStep {
  double ms = 0;
  size_t key = 0;
  int topic = 0;
};

// Gives the keys of a fixed script. Start-up, up to the main menu's first
// poll, is not a lesson step (it also loads the fonts of a fresh raster): it
// is timed apart. Every later step belongs to the topic of the last key taken.
class ScriptedTourRuntime : public TimedTourRuntime {
 public:
  ScriptedTourRuntime(Screen& screen, TourKeys keys, StepClock clock);

  // The program ended on the tour's last key.
  bool completed() const { return ended() && next_ == keys_.keys.size(); }
  const SlowestStep& slowest() const { return slowest_; }
  double slowestOfTopic(int topic) const;
  double startUpMs() const { return startUpMs_; }

 protected:
  std::string NextKey() override;
  void OnStep(double ms) override;

 private:
  TourKeys keys_;
  size_t next_ = 0;
  double startUpMs_ = 0;
  SlowestStep slowest_;
  std::map<int, double> slowestPerTopic_;
};

}  // namespace lesson
