// A full tour of orvanti, headless: every topic, every scene, every step,
// driven by a table of key scripts, one per topic (the keys from the main
// menu into the topic, through each scene of its sub-menu with a key for
// every key wait, and back to the main menu). Reports the total time of the
// tour and the slowest single step, that is the longest stretch of work
// between two presents (key polls or animation waits), overall and per
// topic, in processor time of the program's thread, so that other processes
// on the machine do not count; the start-up before the first key is
// reported on its own. Targets: every step under 5 ms at 1.41 pixels a unit (a 1920-wide
// screen) and under 8 ms, half a 60 Hz frame, at 2.82 (a 3840-wide screen).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "platform/cairo_screen.h"
#include "platform/fault.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"

namespace lesson {
namespace {

std::string AnyKeys(int n) { return std::string(static_cast<size_t>(n), ' '); }

struct TopicScript {
  std::string name;
  std::string keys;  // C escapes as in the replay tool: \r is Enter
};

// The tour, topic by topic; the main menu's "7" ends it.
std::vector<TopicScript> OrvantiTourScripts() {
  return {
      // topic 1: the five scenes of increase and decrease
      {"topic 1", "1\\r1\\r" + AnyKeys(4) + "2\\r" + AnyKeys(4) + "3\\r" + AnyKeys(8) + "4\\r" +
                      AnyKeys(8) + "5\\r"},
      // topic 2: the tables (22, 22), y=x^2 from 1 to 3 (9), question 1 (5),
      // the two rate drills (one problem each, ended by "1", and their worked
      // examples), question 2 (none), the line through two points (16) and
      // the line from its rate (5)
      {"topic 2", "2\\r1\\r" + AnyKeys(22) + "2\\r" + AnyKeys(22) + "3\\r" + AnyKeys(9) + "4\\r" +
                      AnyKeys(5) + "5\\r" + AnyKeys(1) + "1\\r" + AnyKeys(4) + "1\\r" + AnyKeys(4) +
                      "6\\r7\\r" + AnyKeys(16) + "8\\r" + AnyKeys(5) + "9\\r"},
      // topic 3: the first range drills (one problem each, ended by "1"), the
      // range on the parabola (18), the second drills, the answers (5)
      {"topic 3", "3\\r1\\r" + AnyKeys(1) + "1\\r" + AnyKeys(1) + "1\\r2\\r" + AnyKeys(18) + "3\\r" +
                      AnyKeys(1) + "1\\r" + AnyKeys(1) + "1\\r" + AnyKeys(1) + "4\\r" + AnyKeys(5) + "5\\r"},
      // topic 4: shape (4 key waits), increase and decrease (8), rate (3)
      {"topic 4", "4\\r1\\r" + AnyKeys(4) + "2\\r" + AnyKeys(8) + "3\\r" + AnyKeys(3) + "4\\r"},
      // topic 5: definition (8), roller coaster (24), question 7 (6),
      // question 8 (none)
      {"topic 5", "5\\r1\\r" + AnyKeys(8) + "2\\r" + AnyKeys(24) + "3\\r" + AnyKeys(6) +
                      "4\\r5\\r"},
      // topic 6: problems 1 and 2 (2), problem 3 (1), problems 4 to 6 (none)
      {"topic 6", "6\\r1\\r" + AnyKeys(2) + "2\\r" + AnyKeys(1) + "3\\r4\\r5\\r6\\r"},
  };
}

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

struct StepTime {
  double ms = 0;
  std::string where;
};

// Gives the tour's keys one at a time (a poll right after a key gives "", as
// a person types) and times the work between two presents.
class TourRuntime : public Runtime {
 public:
  TourRuntime(Screen& screen, const std::vector<TopicScript>& scripts) : screen_(screen) {
    for (size_t t = 0; t < scripts.size(); t++) {
      for (const std::string& k : ScriptedRuntime::ParseKeys(scripts[t].keys)) {
        keys_.push_back(k);
        topicOfKey_.push_back(t);
      }
    }
    keys_.push_back("7");
    keys_.push_back("\r");
    topicOfKey_.resize(keys_.size(), scripts.size());
    slowestPerTopic_.assign(scripts.size() + 1, 0);
    last_ = ThreadMs();
  }

  Screen& screen() override { return screen_; }
  std::string PollKey() override {
    Present();
    if (lastPollGaveKey_) {
      lastPollGaveKey_ = false;
      return "";
    }
    if (next_ >= keys_.size()) throw WindowClosed{};
    lastPollGaveKey_ = true;
    return keys_[next_++];
  }
  void Wait(int) override { Present(); }
  void WaitForClose() override { throw WindowClosed{}; }
  std::string ClockRead() override { return "00:00:00"; }
  void EndProgram() override {
    ended_ = true;
    throw ProgramEnded{};
  }

  bool completed() const { return ended_ && next_ == keys_.size(); }
  int steps() const { return steps_; }
  const StepTime& slowest() const { return slowest_; }
  double slowestOfTopic(size_t t) const { return slowestPerTopic_[t]; }
  double startUpMs() const { return startUpMs_; }

 private:
  static double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }
  // The step that ends here belongs to the topic of the last key taken.
  void Present() {
    const double now = ThreadMs();
    const double ms = now - last_;
    last_ = now;
    ++steps_;
    if (next_ == 0) {
      startUpMs_ += ms;
      return;
    }
    const size_t topic = topicOfKey_[next_ - 1];
    slowestPerTopic_[topic] = std::max(slowestPerTopic_[topic], ms);
    if (ms > slowest_.ms) {
      slowest_.ms = ms;
      slowest_.where = "after key " + std::to_string(next_);
    }
  }

  Screen& screen_;
  std::vector<std::string> keys_;
  std::vector<size_t> topicOfKey_;
  std::vector<double> slowestPerTopic_;
  size_t next_ = 0;
  bool lastPollGaveKey_ = false;
  bool ended_ = false;
  int steps_ = 0;
  StepTime slowest_;
  double last_ = 0, startUpMs_ = 0;
};

// Arg: pixels a unit times 100; 0 runs without a raster.
void BM_OrvantiTour(benchmark::State& state) {
  const std::vector<TopicScript> scripts = OrvantiTourScripts();
  const double scale = static_cast<double>(state.range(0)) / 100;
  StepTime slowest;
  std::vector<double> perTopic(scripts.size() + 1, 0);
  int steps = 0;
  double startUp = 0;
  for (auto _ : state) {
    std::unique_ptr<Screen> screen;
    if (scale > 0)
      screen = std::make_unique<CairoScreen>(scale);
    else
      screen = std::make_unique<NullScreen>();
    TourRuntime rt(*screen, scripts);
    auto program = MakeProgram("orvanti", rt);
    const int code = program->Run();
    if (code != 0 || program->lastFault()) {
      state.SkipWithError("the tour ended on the error screen");
      return;
    }
    if (!rt.completed()) {
      state.SkipWithError("the tour did not end at the main menu after its last key");
      return;
    }
    if (rt.slowest().ms > slowest.ms) slowest = rt.slowest();
    for (size_t t = 0; t <= scripts.size(); t++)
      perTopic[t] = std::max(perTopic[t], rt.slowestOfTopic(t));
    steps = rt.steps();
    startUp = std::max(startUp, rt.startUpMs());
  }
  state.counters["slowest_step_ms"] = slowest.ms;
  state.counters["steps"] = steps;
  state.counters["start_up_ms"] = startUp;
  for (size_t t = 0; t < scripts.size(); t++)
    if (!scripts[t].keys.empty())
      state.counters["slowest_ms " + scripts[t].name] = perTopic[t];
  state.SetLabel("slowest: " + slowest.where);
}
BENCHMARK(BM_OrvantiTour)
    ->Arg(0)
    ->Arg(141)
    ->Arg(282)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace lesson
