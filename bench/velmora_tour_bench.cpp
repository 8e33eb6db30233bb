// A full tour of velmora, headless: every topic, every scene, every step,
// driven by a key script per topic. Reports the total time of the tour and
// the slowest single step, that is the longest stretch of work between two
// presents (key polls or animation waits), without a raster and through the
// raster at 1.41 and 2.82 pixels a unit (1920- and 3840-wide screens). The
// target is every step under 5 ms at 1.41 and under 8 ms (half a 60 Hz
// frame) at 2.82.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench/tour_runtime.h"
#include "platform/cairo_screen.h"
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

// Arg 0: no raster; 141: the raster at 1.41 pixels a unit; 282: at 2.82.
void BM_VelmoraTour(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  TourKeys keys;
  for (const TopicTour& t : kTopicTours) keys.AddScript(t.keys, t.topic);
  keys.AddKey("8", 0);
  keys.AddKey("\r", 0);

  // each pass's slowest step: the worst is reported, and the median, which
  // a busy machine's preemptions do not move
  std::vector<SlowestStep> slowest;
  int steps = 0;
  double startup = 0;
  for (auto _ : state) {
    std::unique_ptr<Screen> screen;
    if (mode == 0) screen = std::make_unique<NullScreen>();
    else screen = std::make_unique<CairoScreen>(mode / 100.0);
    ScriptedTourRuntime rt(*screen, keys, StepClock::kWall);
    auto program = MakeProgram("velmora", rt);
    const int code = program->Run();
    if (code != 0 || program->lastFault()) {
      state.SkipWithError("the tour ended on the error screen");
      return;
    }
    if (!rt.completed()) {
      state.SkipWithError("the tour did not end on the main menu's last item with its last key");
      return;
    }
    slowest.push_back(rt.slowest());
    startup = std::max(startup, rt.startUpMs());
    steps = rt.steps();
  }
  std::sort(slowest.begin(), slowest.end(),
            [](const SlowestStep& a, const SlowestStep& b) { return a.ms < b.ms; });
  const SlowestStep& worst = slowest.back();
  state.counters["slowest_step_ms"] = worst.ms;
  state.counters["slowest_step_median_ms"] = slowest[slowest.size() / 2].ms;
  state.counters["startup_ms"] = startup;
  state.counters["steps"] = steps;
  state.counters["keys"] = static_cast<double>(keys.keys.size());
  state.SetLabel("slowest: topic " + std::to_string(worst.topic) + " after key " +
                 std::to_string(worst.key));
}
BENCHMARK(BM_VelmoraTour)->Arg(0)->Arg(141)->Arg(282)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
}  // namespace lesson
