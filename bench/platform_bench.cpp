// Raster costs that the lessons meet: a full clear, a graph of 5001 dots,
// 200 glyphs at size factors 3 and 3, and writing a PNG.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <cstdio>
#include <string>

#include "platform/cairo_screen.h"

namespace lesson {
namespace {

void FullCanvasClear(benchmark::State& state) {
  CairoScreen s;
  s.SetPenWidth(3);
  for (auto _ : state) s.Box(0, 0, 1760, 1800, 15, 15);
}
BENCHMARK(FullCanvasClear)->Unit(benchmark::kMicrosecond);

// The function plot's dots: radius 1 under pen 5, filled, along a parabola;
// from stamps as the raster draws them, and each filled by Cairo for
// comparison.
void DotGraph5001(benchmark::State& state) {
  CairoScreen s;
  s.SetStamping(state.range(0) != 0);
  s.SetPenWidth(5);
  for (auto _ : state) {
    for (int i = 0; i <= 5000; ++i) {
      const float x = -5 + i * 0.002f;
      s.Circle(680 + x * 60, 600 - x * x * 20, 1, 0, 0, 0, true, 0);
    }
  }
  state.SetItemsProcessed(state.iterations() * 5001);
  state.SetLabel(state.range(0) ? "stamped" : "filled by Cairo");
}
BENCHMARK(DotGraph5001)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void Glyphs200AtThreeByThree(benchmark::State& state) {
  CairoScreen s;
  s.SetFace("ゴシック");
  s.SetSize(16);
  s.SetBold(true);
  const char* glyphs[] = {"1", "2", "x", "あ", "8", "y", "=", "0"};
  for (auto _ : state) {
    for (int i = 0; i < 200; ++i)
      s.Text(20 + (i % 40) * 27, 20 + (i / 40) * 60, 3, 3, 0, glyphs[i % 8]);
  }
  state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(Glyphs200AtThreeByThree)->Unit(benchmark::kMillisecond);

void PngEncode(benchmark::State& state) {
  CairoScreen s;
  s.Box(22, 10, 1342, 610, 15, 10);
  s.SetSize(16);
  for (int i = 0; i < 8; ++i) s.Text(44, 120 + 60 * i, 2, 3, 13, "関数の復習・グラフ");
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("lesson_bench_" + std::to_string(::getpid()) + ".png"))
                               .string();
  for (auto _ : state) s.WritePng(path);
  std::remove(path.c_str());
}
BENCHMARK(PngEncode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lesson

BENCHMARK_MAIN();
