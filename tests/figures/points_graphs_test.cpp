#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

// The plane x -6..6, y -6..11 at 20 a step, origin (400, 300), as the
// plane routine leaves it for one value a step.
void SetPlane(FigureProbe& f) {
  f.GX0 = 400, f.GY0 = 300, f.SIZE = 20;
  f.GX1 = 280, f.GY1 = 80, f.GX2 = 520, f.GY2 = 420;
  f.BAIX = 1, f.BAIY = 1;
}

TEST(PlotLabeledPoint, DotAndLabelPlaces) {
  struct Case {
    float xg, yg, baix, baiy, kx, ky;
    float gx, gy, baixAfter;
  };
  const Case cases[] = {
      {2, 3, 1, 1, 0, 0, 440, 240, 1},
      // A scale of 0 is taken as 1 and stored.
      {2, 3, 0, 0, 0, 0, 440, 240, 1},
      // Values on a scaled plane; a negative scale is used as it is.
      {1.5f, 8, 0.5f, 2, 0, 0, 460, 220, 0.5f},
      {1, 1, -1, 1, 0, 0, 380, 280, -1},
      // A shifted label; a point beyond the plane is drawn all the same.
      {-10, 0, 1, 1, 30, -15, 200, 300, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xg);
    FigureBench b(5);
    auto& f = b.f;
    SetPlane(f);
    f.XG = c.xg, f.YG = c.yg, f.BAIX = c.baix, f.BAIY = c.baiy;
    f.R = 6, f.CCC3 = 7, f.AAA_s = "P";
    f.KASANARIX = c.kx, f.KASANARIY = c.ky, f.II = 12;
    f.PlotLabeledPoint();
    EXPECT_FLOAT_EQ(f.GX, c.gx);
    EXPECT_FLOAT_EQ(f.GY, c.gy);
    EXPECT_EQ(f.BAIX, c.baixAfter);
    const auto circles = b.Ops("circle");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_FLOAT_EQ(circles[0].x, c.gx);
    EXPECT_FLOAT_EQ(circles[0].y, c.gy);
    EXPECT_EQ(circles[0].r, 6);
    EXPECT_TRUE(circles[0].filled);
    EXPECT_EQ(circles[0].colour, 7);
    EXPECT_EQ(circles[0].fill, 7);
    EXPECT_EQ(circles[0].start, 0);
    EXPECT_EQ(circles[0].end, 0);
    EXPECT_EQ(circles[0].pen, 5);
    const auto texts = b.Ops("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "P");
    EXPECT_FLOAT_EQ(texts[0].x, c.gx - 20 + c.kx);
    EXPECT_FLOAT_EQ(texts[0].y, c.gy - 40 + c.ky);
    EXPECT_EQ(texts[0].colour, 7);
    EXPECT_EQ(f.CCC1, 7);
    EXPECT_EQ(f.KASANARIX, 0);
    EXPECT_EQ(f.KASANARIY, 0);
    EXPECT_EQ(f.AAA_s, "P");
    EXPECT_TRUE(f.AA_s.empty());
    EXPECT_EQ(f.II, 12);
    EXPECT_EQ(b.screen.State().pen, 5);
  }
}

TEST(PlotLabeledPoint, EmptyLabelDrawsTheDotOnly) {
  FigureBench b(5);
  auto& f = b.f;
  SetPlane(f);
  f.XG = 1, f.YG = 1, f.R = 3, f.CCC3 = 5, f.AAA_s = "";
  f.PlotLabeledPoint();
  EXPECT_EQ(b.Ops("circle").size(), 1u);
  EXPECT_TRUE(b.Ops("text").empty());
}

struct Dot {
  float x, y;
};

std::vector<Dot> Dots(const FigureBench& b) {
  std::vector<Dot> out;
  for (const RecordedOp& op : b.Ops("circle")) {
    EXPECT_EQ(op.r, 1);
    EXPECT_TRUE(op.filled);
    out.push_back({op.x, op.y});
  }
  return out;
}

// The dot graphs: how many of the 5001 dots fall within the plane's height,
// where the first and the last drawn dot lie, and the label at the last.
TEST(PlotFunctionGraph, DotCountsAndEnds) {
  struct Case {
    const char* name;
    float kind, aa, bb, aa1, aa2;
    int minCount, maxCount;  // dots drawn
    Dot first, last;         // in values
    float tol;               // for the last dot, in values
  };
  const Case cases[] = {
      // y = x^2 from -3 to 3 stays within y 11: all dots, last about (3, 9).
      {"x^2", 2, 1, 0, -3, 3, 5001, 5001, {-3, 9}, {3, 9}, 0.01f},
      // y = 2x^2 leaves the top where 2x^2 = 11: the label stands there.
      {"2x^2", 2, 2, 0, -3, 3, 3900, 3920, {-2.345f, 11}, {2.345f, 11}, 0.01f},
      // y = 6/x from -6 to 6 (step 0.0024, never exactly 0): the left branch
      // for x <= -1 (y down to -6), the right one from 6/11, the last dot
      // about (6, 1).
      {"6/x", 1, 6, 0, -6, 6, 4340, 4370, {-6, -1}, {6, 1}, 0.01f},
      // y = x^2 from 0: the first dot at 0.002, not at 0.
      {"x^2 from 0", 2, 1, 0, 0, 3, 5001, 5001, {0.002f, 0.000004f}, {3.002f, 9.012f}, 0.01f},
      // y = 2x + 1 from 0 starts at 0 exactly.
      {"2x+1", 3, 2, 1, 0, 4, 5001, 5001, {0, 1}, {4, 9}, 0.01f},
      // A range of no width: every dot on one point.
      {"AA1=AA2", 3, 1, 0, 2, 2, 5001, 5001, {2, 2}, {2, 2}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(5);
    auto& f = b.f;
    SetPlane(f);
    f.IROIRO = c.kind, f.AA = c.aa, f.BB = c.bb, f.AA1 = c.aa1, f.AA2 = c.aa2;
    f.CCC3 = 3, f.AAA_s = "L", f.KASANARIX = 5, f.KASANARIY = -7;
    f.PlotFunctionGraph();
    const auto dots = Dots(b);
    EXPECT_GE(static_cast<int>(dots.size()), c.minCount);
    EXPECT_LE(static_cast<int>(dots.size()), c.maxCount);
    ASSERT_FALSE(dots.empty());
    const float tolPx = 20 * c.tol + 0.001f;
    EXPECT_NEAR(dots.front().x, 400 + 20 * c.first.x, tolPx);
    EXPECT_NEAR(dots.front().y, 300 - 20 * c.first.y, std::fmax(tolPx, 0.3f));
    EXPECT_NEAR(dots.back().x, 400 + 20 * c.last.x, tolPx);
    EXPECT_NEAR(dots.back().y, 300 - 20 * c.last.y, std::fmax(tolPx, 0.3f));
    for (const Dot& d : dots) {
      ASSERT_GE(d.y, 80);
      ASSERT_LE(d.y, 420);
    }
    const auto texts = b.Ops("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_FLOAT_EQ(texts[0].x, dots.back().x + 5);
    EXPECT_FLOAT_EQ(texts[0].y, dots.back().y - 7);
    EXPECT_EQ(texts[0].colour, 3);
    EXPECT_EQ(f.HABA, 5000);
    EXPECT_EQ(f.II, 5001);
    EXPECT_FLOAT_EQ(f.P1, (c.aa2 - c.aa1) / 5000);
    EXPECT_EQ(f.KASANARIX, 0);
    EXPECT_EQ(f.KASANARIY, 0);
    EXPECT_EQ(f.CCC1, 3);
    EXPECT_EQ(f.AA1, c.aa1);
    EXPECT_EQ(f.AA2, c.aa2);
  }
}

// The x values step by adding the step in single precision; a step that
// lands on exactly 0 is passed over for y = a/x and y = ax^2, not for
// y = ax + b.
TEST(PlotFunctionGraph, StepsInSinglePrecisionAndSkipsZero) {
  for (float kind : {2.0f, 3.0f}) {
    SCOPED_TRACE(kind);
    FigureBench b(5);
    auto& f = b.f;
    SetPlane(f);
    // A step of 2^-10 from -2500 steps: the 2500th addition lands on 0.
    const float half = 2500.0f / 1024;
    f.IROIRO = kind, f.AA = 0.1f, f.BB = 0, f.AA1 = -half, f.AA2 = half;
    f.CCC3 = 3, f.AAA_s = "";
    f.PlotFunctionGraph();
    const auto dots = Dots(b);
    ASSERT_EQ(dots.size(), 5001u);
    std::vector<float> xs;
    float x = -half;
    const float step = (half - -half) / 5000;
    bool hitZero = false;
    for (int i = 0; i <= 5000; ++i) {
      xs.push_back(x);
      x = x + step;
      if (x == 0) {
        hitZero = true;
        if (kind != 3) x = x + step;
      }
    }
    EXPECT_TRUE(hitZero);
    for (int i = 0; i <= 5000; i += 250) {
      EXPECT_FLOAT_EQ(dots[i].x, 400 + 20 * xs[i] / 1) << i;
    }
    EXPECT_FLOAT_EQ(dots.back().x, 400 + 20 * xs.back());
  }
}

TEST(PlotFunctionGraph, NoDotWithinTheHeightLabelsAtTheCallersPlace) {
  FigureBench b(5);
  auto& f = b.f;
  SetPlane(f);
  f.IROIRO = 3, f.AA = 0, f.BB = 50, f.AA1 = -6, f.AA2 = 6;
  f.X = 111, f.Y = 222, f.CCC3 = 5, f.AAA_s = "M", f.KASANARIX = 4, f.KASANARIY = 6;
  f.PlotFunctionGraph();
  EXPECT_TRUE(b.Ops("circle").empty());
  const auto texts = b.Ops("text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].x, 115);
  EXPECT_EQ(texts[0].y, 228);
  // GX, GY hold the last point computed though it was not drawn.
  EXPECT_FLOAT_EQ(f.GY, 300 - 20 * 50);
}

// The scale: 0 becomes 1 for the plot, and 1 is left in both afterwards;
// dots of a scaled plane stand at value / scale.
TEST(PlotFunctionGraph, ScaleAndPenAfterThePlot) {
  FigureBench b(5);
  auto& f = b.f;
  SetPlane(f);
  f.BAIX = 0.5f, f.BAIY = 2;
  f.IROIRO = 3, f.AA = 2, f.BB = 0, f.AA1 = 0, f.AA2 = 3;
  f.CCC3 = 3, f.AAA_s = "";
  f.PlotFunctionGraph();
  const auto dots = Dots(b);
  ASSERT_EQ(dots.size(), 5001u);
  // (3, 6) on a plane of 0.5 across and 2 up: 6 steps right, 3 up.
  EXPECT_NEAR(dots.back().x, 400 + 20 * 6, 0.01f);
  EXPECT_NEAR(dots.back().y, 300 - 20 * 3, 0.01f);
  EXPECT_EQ(f.BAIX, 1);
  EXPECT_EQ(f.BAIY, 1);
  EXPECT_EQ(b.screen.State().pen, 5);
  for (const auto& op : b.Ops("circle")) ASSERT_EQ(op.pen, 5);
}

// ax + by = c: with b = 0 the thick vertical line x = c / a, labelled 10
// right of its top end; otherwise the line of kind 3, the inputs rewritten.
TEST(PlotFunctionGraph, KindFourLines) {
  {
    FigureBench b(3);
    auto& f = b.f;
    SetPlane(f);
    f.IROIRO = 4, f.AA = 2, f.BB = 0, f.CC = 6, f.BB1 = -4, f.BB2 = 5;
    f.CCC3 = 7, f.AAA_s = "3";
    f.PlotFunctionGraph();
    EXPECT_TRUE(b.Ops("circle").empty());
    const auto lines = b.Ops("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 460);
    EXPECT_EQ(lines[0].y1, 380);
    EXPECT_EQ(lines[0].x2, 460);
    EXPECT_EQ(lines[0].y2, 200);
    EXPECT_EQ(lines[0].pen, 5);
    EXPECT_EQ(lines[0].colour, 7);
    const auto texts = b.Ops("text");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].x, 470);
    EXPECT_EQ(texts[0].y, 200);
    EXPECT_EQ(f.CC, 3);
    EXPECT_EQ(b.screen.State().pen, 3);
  }
  {
    // 2x + 4y = 8: y = -0.5x + 2; plotting again unchanged draws the same.
    FigureBench b(5);
    auto& f = b.f;
    SetPlane(f);
    f.IROIRO = 4, f.AA = 2, f.BB = 4, f.CC = 8, f.AA1 = -4, f.AA2 = 4;
    f.CCC3 = 7, f.AAA_s = "";
    f.PlotFunctionGraph();
    EXPECT_EQ(f.IROIRO, 3);
    EXPECT_EQ(f.AA, -0.5f);
    EXPECT_EQ(f.BB, 2);
    const auto first = Dots(b);
    ASSERT_EQ(first.size(), 5001u);
    EXPECT_FLOAT_EQ(first.front().y, 300 - 20 * 4);
    b.screen.ClearLog();
    f.PlotFunctionGraph();
    const auto again = Dots(b);
    ASSERT_EQ(again.size(), 5001u);
    EXPECT_EQ(again.back().x, first.back().x);
    EXPECT_EQ(again.back().y, first.back().y);
  }
}

// 0x + 0y = c names no line: nothing is drawn and nothing faults.
TEST(PlotFunctionGraph, KindFourWithoutCoefficientsDrawsNothing) {
  FigureBench b(4);
  auto& f = b.f;
  SetPlane(f);
  f.IROIRO = 4, f.AA = 0, f.BB = 0, f.CC = 5, f.BB1 = -4, f.BB2 = 4;
  f.CCC3 = 7, f.AAA_s = "?", f.KASANARIX = 3;
  f.PlotFunctionGraph();
  f.SetPenWidth(4);  // a later step finds no pending fault
  EXPECT_TRUE(b.Ops("line").empty());
  EXPECT_TRUE(b.Ops("text").empty());
  EXPECT_EQ(f.CC, 5);
  EXPECT_EQ(f.KASANARIX, 0);
  EXPECT_EQ(f.BAIX, 1);
  EXPECT_EQ(b.screen.State().pen, 4);
}

}  // namespace
}  // namespace lesson
