// The figure library's heaviest drawings: the 5001-dot function plot and a
// full plane with grid and step numbers, on the recorder alone and through
// the raster. A plane with two graphs should take well under one frame of
// 60 Hz (16.7 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "figures/figures.h"
#include "platform/cairo_screen.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"

namespace lesson {
namespace {

class FigureDrawer : public Figures {
 public:
  explicit FigureDrawer(Runtime& rt) : Figures(rt, ProgramConfig{"kasimel", true}) {}

  void Start() {
    SetFace("ゴシック");
    SetFontSize(16);
    SetPenWidth(5);
  }
  // The plane x -10..10, y -10..10 at 30 a step, with grid and step numbers.
  void Plane() {
    GGX = 340, GGY = 40, SIZE = 30;
    AA1 = -10, AA2 = 10, BB1 = -10, BB2 = 10;
    BAIX = 1, BAIY = 1, CCC2 = 1, NASI = 0;
    DrawCoordinatePlane();
    SetPenWidth(5);
  }
  void Graph(float kind, float a, float b, const std::string& label) {
    IROIRO = kind, AA = a, BB = b, AA1 = -10, AA2 = 10;
    CCC3 = 3, AAA_s = label;
    PlotFunctionGraph();
  }

 protected:
  std::vector<std::string> MainMenuItems() override { return {"1　終了"}; }
  bool OpenTopic(int) override { return false; }
};

// raster: draw through the Cairo raster as the programs do, or log only.
template <bool kRaster>
struct Rig {
  CairoScreen raster;
  RecordingScreen screen{kRaster ? &raster : nullptr};
  ScriptedRuntime runtime{screen, {}};
  FigureDrawer f{runtime};
  Rig() { f.Start(); }
};

template <bool kRaster>
void BM_FunctionPlot(benchmark::State& state) {
  Rig<kRaster> rig;
  rig.f.Plane();
  for (auto _ : state) {
    rig.screen.ClearLog();
    rig.f.Graph(2, 0.5f, 0, "y=ﾀ1/2ﾀx^2");
  }
  state.SetLabel(std::to_string(rig.screen.ops().size()) + " ops");
}

template <bool kRaster>
void BM_PlaneWithGrid(benchmark::State& state) {
  Rig<kRaster> rig;
  for (auto _ : state) {
    rig.screen.ClearLog();
    rig.f.Plane();
  }
  state.SetLabel(std::to_string(rig.screen.ops().size()) + " ops");
}

template <bool kRaster>
void BM_PlaneWithTwoGraphs(benchmark::State& state) {
  Rig<kRaster> rig;
  for (auto _ : state) {
    rig.screen.ClearLog();
    rig.f.Plane();
    rig.f.Graph(2, 1, 0, "y=x^2");
    rig.f.Graph(3, 2, 1, "y=2x+1");
  }
  state.SetLabel(std::to_string(rig.screen.ops().size()) + " ops");
}

BENCHMARK_TEMPLATE(BM_FunctionPlot, false)->Name("Figures/FunctionPlot/recorder")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_FunctionPlot, true)->Name("Figures/FunctionPlot/raster")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PlaneWithGrid, false)->Name("Figures/PlaneWithGrid/recorder")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PlaneWithGrid, true)->Name("Figures/PlaneWithGrid/raster")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PlaneWithTwoGraphs, false)->Name("Figures/PlaneWithTwoGraphs/recorder")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PlaneWithTwoGraphs, true)->Name("Figures/PlaneWithTwoGraphs/raster")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lesson
