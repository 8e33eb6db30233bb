// The shell's responsiveness, headless through the raster: start-up to a
// drawn main menu (a fresh canvas each time), and one menu entry ("9" Enter,
// refused) to a redrawn menu.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/cairo_screen.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"

namespace lesson {
namespace {

// Runs kasimel on a fresh raster with the given keys until they run out.
void RunKasimel(const std::vector<std::string>& keys) {
  CairoScreen raster(1.0);
  RecordingScreen recorder(&raster);
  ScriptedRuntime rt(recorder, keys);
  auto program = MakeProgram("kasimel", rt);
  RunRecorded(*program, recorder);
  benchmark::DoNotOptimize(raster.surface());
}

// Start-up, the main menu drawn, and the first poll for a key (which finds
// none, so the run ends there).
void StartUpToMainMenu(benchmark::State& state) {
  for (auto _ : state) RunKasimel({});
}
BENCHMARK(StartUpToMainMenu)->Unit(benchmark::kMillisecond);

// A refused entry redraws the whole menu; the time per entry is the run's
// time less start-up, divided by the number of entries.
void KeyToRedrawnMenu(benchmark::State& state) {
  constexpr int kEntries = 100;
  std::vector<std::string> keys;
  for (int i = 0; i < kEntries; ++i) {
    keys.push_back("9");
    keys.push_back("\r");
  }
  for (auto _ : state) RunKasimel(keys);
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(KeyToRedrawnMenu)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lesson
