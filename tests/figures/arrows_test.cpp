#include <gtest/gtest.h>

#include <vector>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

struct Seg {
  float x1, y1, x2, y2;
};

// Shafts and heads in drawing order, and the ends left behind.
TEST(DrawArrow, HeadsAndExchangedEnds) {
  struct Case {
    const char* name;
    float muki, ya;
    std::vector<Seg> lines;
    float zx0, zy0, zx, zy;  // after
    float yaAfter;
  };
  // The arrow from (100, 200) to (300, 200), NAGASA 16.
  const Seg shaftToEnd{100, 200, 300, 200};
  const Seg barbsAtEnd[] = {{284, 208, 300, 200}, {284, 192, 300, 200}};
  const Seg shaftToStart{300, 200, 100, 200};
  const Seg barbsAtStart[] = {{116, 192, 100, 200}, {116, 208, 100, 200}};
  const Case cases[] = {
      {"muki 1", 1, 0, {shaftToEnd, barbsAtEnd[0], barbsAtEnd[1]}, 300, 200, 100, 200, 0},
      {"muki 0", 0, 0, {shaftToEnd, barbsAtEnd[0], barbsAtEnd[1]}, 300, 200, 100, 200, 0},
      {"muki -1", -1, 0, {shaftToStart, barbsAtStart[0], barbsAtStart[1]}, 100, 200, 300, 200,
       0},
      // A second pass on the same end: one head, drawn twice.
      {"muki 1 ya 2",
       1,
       2,
       {shaftToEnd, barbsAtEnd[0], barbsAtEnd[1], shaftToEnd, barbsAtEnd[0], barbsAtEnd[1]},
       300,
       200,
       100,
       200,
       0},
      // Heads at both ends, the one at the start first.
      {"muki -1 ya 2",
       -1,
       2,
       {shaftToStart, barbsAtStart[0], barbsAtStart[1], shaftToEnd, barbsAtEnd[0],
        barbsAtEnd[1]},
       300,
       200,
       100,
       200,
       0},
      // Any YA other than 2 is left as it is.
      {"ya 1", 1, 1, {shaftToEnd, barbsAtEnd[0], barbsAtEnd[1]}, 300, 200, 100, 200, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(5);
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 200, f.ZX = 300, f.ZY = 200;
    f.MUKI = c.muki, f.YA = c.ya, f.NAGASA = 16, f.CCC2 = 7;
    f.DrawArrow();
    const auto lines = b.Ops("line");
    ASSERT_EQ(lines.size(), c.lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_NEAR(lines[i].x1, c.lines[i].x1, 1e-3f);
      EXPECT_NEAR(lines[i].y1, c.lines[i].y1, 1e-3f);
      EXPECT_NEAR(lines[i].x2, c.lines[i].x2, 1e-3f);
      EXPECT_NEAR(lines[i].y2, c.lines[i].y2, 1e-3f);
      EXPECT_EQ(lines[i].colour, 7);
      EXPECT_EQ(lines[i].pen, 5);
    }
    EXPECT_EQ(f.ZX0, c.zx0);
    EXPECT_EQ(f.ZY0, c.zy0);
    EXPECT_EQ(f.ZX, c.zx);
    EXPECT_EQ(f.ZY, c.zy);
    EXPECT_EQ(f.MUKI, 0);
    EXPECT_EQ(f.YA, c.yaAfter);
    EXPECT_EQ(f.D, 200);
    EXPECT_EQ(b.screen.State().pen, 5);
  }
}

TEST(DrawArrow, HeadSizes) {
  {
    // A head longer than the shaft reaches beyond the tail.
    FigureBench b(4);
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 100, f.ZX = 110, f.ZY = 100, f.MUKI = 1, f.NAGASA = 16, f.CCC2 = 3;
    f.DrawArrow();
    EXPECT_NEAR(f.ZX1, 94, 1e-3f);
    EXPECT_NEAR(f.ZY1, 108, 1e-3f);
  }
  {
    // NAGASA 0: the barbs shrink to the tip.
    FigureBench b(4);
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 100, f.ZX = 100, f.ZY = 50, f.MUKI = 1, f.NAGASA = 0, f.CCC2 = 3;
    f.DrawArrow();
    EXPECT_EQ(f.ZX1, 100);
    EXPECT_EQ(f.ZY1, 50);
    EXPECT_EQ(f.ZX2, 100);
    EXPECT_EQ(f.ZY2, 50);
  }
}

// An arrow of no length: the shaft (a dot) and no head, and no fault.
TEST(DrawArrow, ZeroLengthDrawsTheShaftOnly) {
  FigureBench b(5);
  auto& f = b.f;
  f.ZX0 = 150, f.ZY0 = 150, f.ZX = 150, f.ZY = 150, f.MUKI = 1, f.YA = 2, f.NAGASA = 16;
  f.CCC2 = 5;
  f.DrawArrow();
  f.SetPenWidth(5);  // the next step finds no pending fault
  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 2u);  // the shaft of each pass
  EXPECT_EQ(lines[0].x1, 150);
  EXPECT_EQ(lines[0].x2, 150);
  EXPECT_EQ(f.MUKI, 0);
  EXPECT_EQ(f.YA, 0);
}

}  // namespace
}  // namespace lesson
