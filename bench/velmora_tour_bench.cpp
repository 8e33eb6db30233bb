// A full tour of velmora, headless: every topic, every scene, every step,
// driven by a key script per topic. Reports the total time of the tour and
// the slowest single step, that is the longest stretch of work between two
// presents (key polls or animation waits), without a raster and through the
// raster at 1.41 and 2.82 pixels a unit (1920- and 3840-wide screens). The
// target is every step under 5 ms at 1.41 and under 8 ms (half a 60 Hz
// frame) at 2.82.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/cairo_screen.h"
#include "platform/fault.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"

namespace lesson {
namespace {

// The tour of one topic, from the main menu back to it, in the replay
// tool's key notation (\r is Enter): the topic's number, then each item of
// its sub-menu in order with the keys its scene takes (a blank for each key
// wait), then the sub-menu's last item.
struct TopicTour {
  int topic;
  const char* keys;
};

const TopicTour kTopicTours[] = {
    // topic 1: braking marks and falling bodies, one fall ended by "1"
    {1, R"(1\r1\r      2\r                     3\r                 4\r             5\r            6\r1\r               7\r 8\r)"},
    // topic 2: using graphs, scenes 1 to 4
    {2, R"(2\r1\r                    2\r           3\r                    4\r                     5\r)"},
    // topic 3: cut paper, scenes 1 to 3
    {3, R"(3\r1\r                2\r                            3\r                     4\r)"},
    // topic 4: delivery fees, the example and the exercise
    {4, R"(4\r1\r                2\r      3\r)"},
    // topic 5: chapter problems A, problems 1 to 5
    {5, R"(5\r1\r         2\r   3\r  4\r  5\r    6\r)"},
    // topic 6: chapter problems B, problems 1 to 3; problem 3 slides the
    // trapezoid through all nine offsets and back to 0 before "1"
    {6, R"(6\r1\r 2\r               3\r\r\r\r\r\r\r\r\r\r1           4\r)"},
};

// Draws nothing: the engine alone.
class NullScreen : public Screen {
 public:
  void Line(float, float, float, float, int) override {}
  void Box(float, float, float, float, int, int) override {}
  void Circle(float, float, float, int, float, float, bool, int) override {}
  void Polyline(const std::vector<Point>&, int, bool, int) override {}
  void Text(float, float, float, float, int, const std::string&) override {}
  void Clear() override {}
};

struct Slowest {
  double ms = 0;
  int topic = 0;
  size_t key = 0;
};

// Hands out the tour's keys one at a time, as the scripted runtime does (a
// poll right after a key gives none), and times the work between presents;
// the slowest step is noted with the topic and the number of keys taken.
class TourRuntime : public Runtime {
 public:
  TourRuntime(Screen& screen, std::vector<std::string> keys, std::vector<int> topicOfKey)
      : screen_(screen), keys_(std::move(keys)), topicOfKey_(std::move(topicOfKey)) {
    last_ = std::chrono::steady_clock::now();
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

  bool ended() const { return ended_; }
  const Slowest& slowest() const { return slowest_; }
  size_t keysLeft() const { return keys_.size() - next_; }
  int steps() const { return steps_; }
  double startupMs() const { return startupMs_; }

 private:
  void Present() {
    const auto now = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(now - last_).count();
    ++steps_;
    // Start-up, up to the main menu's first poll, is not a lesson step: it
    // also loads the fonts of a fresh raster. It is reported apart.
    if (next_ == 0) {
      startupMs_ += ms;
    } else if (ms > slowest_.ms) {
      slowest_.ms = ms;
      slowest_.key = next_;
      slowest_.topic = topicOfKey_[next_ - 1];
    }
    last_ = now;
  }

  Screen& screen_;
  std::vector<std::string> keys_;
  std::vector<int> topicOfKey_;
  size_t next_ = 0;
  bool lastPollGaveKey_ = false;
  bool ended_ = false;
  int steps_ = 0;
  double startupMs_ = 0;
  Slowest slowest_;
  std::chrono::steady_clock::time_point last_;
};

// Arg 0: no raster; 141: the raster at 1.41 pixels a unit; 282: at 2.82.
void BM_VelmoraTour(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  std::vector<std::string> keys;
  std::vector<int> topicOfKey;
  for (const TopicTour& t : kTopicTours) {
    for (const std::string& k : ScriptedRuntime::ParseKeys(t.keys)) {
      keys.push_back(k);
      topicOfKey.push_back(t.topic);
    }
  }
  keys.push_back("8");
  keys.push_back("\r");
  topicOfKey.push_back(0);
  topicOfKey.push_back(0);

  // each pass's slowest step: the worst is reported, and the median, which
  // a busy machine's preemptions do not move
  std::vector<Slowest> slowest;
  int steps = 0;
  double startup = 0;
  for (auto _ : state) {
    std::unique_ptr<Screen> screen;
    if (mode == 0) screen = std::make_unique<NullScreen>();
    else screen = std::make_unique<CairoScreen>(mode / 100.0);
    TourRuntime rt(*screen, keys, topicOfKey);
    auto program = MakeProgram("velmora", rt);
    const int code = program->Run();
    if (code != 0 || program->lastFault()) {
      state.SkipWithError("the tour ended on the error screen");
      return;
    }
    if (rt.keysLeft() != 0 || !rt.ended()) {
      state.SkipWithError("the tour did not end on the main menu's last item with its last key");
      return;
    }
    slowest.push_back(rt.slowest());
    startup = std::max(startup, rt.startupMs());
    steps = rt.steps();
  }
  std::sort(slowest.begin(), slowest.end(),
            [](const Slowest& a, const Slowest& b) { return a.ms < b.ms; });
  const Slowest& worst = slowest.back();
  state.counters["slowest_step_ms"] = worst.ms;
  state.counters["slowest_step_median_ms"] = slowest[slowest.size() / 2].ms;
  state.counters["startup_ms"] = startup;
  state.counters["steps"] = steps;
  state.counters["keys"] = static_cast<double>(keys.size());
  state.SetLabel("slowest: topic " + std::to_string(worst.topic) + " after key " +
                 std::to_string(worst.key));
}
BENCHMARK(BM_VelmoraTour)->Arg(0)->Arg(141)->Arg(282)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
}  // namespace lesson
