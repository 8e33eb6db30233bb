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
#include <memory>
#include <string>
#include <vector>

#include "bench/tour_runtime.h"
#include "platform/cairo_screen.h"
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

// Arg: pixels a unit times 100; 0 runs without a raster.
void BM_OrvantiTour(benchmark::State& state) {
  const std::vector<TopicScript> scripts = OrvantiTourScripts();
  // the steps of a topic are those after its keys; the main menu's "7" ends
  // the tour, a topic of its own
  TourKeys keys;
  for (size_t t = 0; t < scripts.size(); t++) keys.AddScript(scripts[t].keys, static_cast<int>(t));
  keys.AddKey("7", static_cast<int>(scripts.size()));
  keys.AddKey("\r", static_cast<int>(scripts.size()));
  const double scale = static_cast<double>(state.range(0)) / 100;
  SlowestStep slowest;
  std::vector<double> perTopic(scripts.size() + 1, 0);
  int steps = 0;
  double startUp = 0;
  for (auto _ : state) {
    std::unique_ptr<Screen> screen;
    if (scale > 0)
      screen = std::make_unique<CairoScreen>(scale);
    else
      screen = std::make_unique<NullScreen>();
    ScriptedTourRuntime rt(*screen, keys, StepClock::kThreadCpu);
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
      perTopic[t] = std::max(perTopic[t], rt.slowestOfTopic(static_cast<int>(t)));
    steps = rt.steps();
    startUp = std::max(startUp, rt.startUpMs());
  }
  state.counters["slowest_step_ms"] = slowest.ms;
  state.counters["steps"] = steps;
  state.counters["start_up_ms"] = startUp;
  for (size_t t = 0; t < scripts.size(); t++)
    if (!scripts[t].keys.empty())
      state.counters["slowest_ms " + scripts[t].name] = perTopic[t];
  state.SetLabel("slowest: after key " + std::to_string(slowest.key));
}
BENCHMARK(BM_OrvantiTour)
    ->Arg(0)
    ->Arg(141)
    ->Arg(282)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace lesson
