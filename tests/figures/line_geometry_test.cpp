#include <gtest/gtest.h>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

TEST(IntersectLines, CrossingPoints) {
  struct Case {
    const char* name;
    float ax, ay, bx, by, cx, cy, dx, dy;
    float x, y;
  };
  const Case cases[] = {
      {"slanted and vertical", 0, 0, 4, 8, 3, 0, 3, 10, 3, 6},
      {"vertical and horizontal", 3, 0, 3, 10, 0, 5, 8, 5, 3, 5},
      {"two diagonals", 0, 0, 10, 10, 0, 10, 10, 0, 5, 5},
      // One point twice counts as a horizontal line through it.
      {"point as horizontal", 2, 7, 2, 7, 0, 0, 1, 1, 7, 7},
      // A real slope of 1000 is no vertical line.
      {"slope 1000", 0, 0, 1, 1000, 0, 10, 10, 10, 0.01f, 10},
      {"vertical and slope 1000", 5, 0, 5, 1, 0, 0, 1, 1000, 5, 5000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b;
    auto& f = b.f;
    f.AX = c.ax, f.AY = c.ay, f.BX = c.bx, f.BY = c.by;
    f.CX = c.cx, f.CY = c.cy, f.DX = c.dx, f.DY = c.dy;
    f.IntersectLines();
    EXPECT_NEAR(f.AX2, c.x, 1e-4f);
    EXPECT_NEAR(f.AY2, c.y, 1e-3f);
  }
}

// Parallel lines, vertical pairs included, leave the result as it was.
TEST(IntersectLines, ParallelLinesLeaveTheResult) {
  struct Case {
    const char* name;
    float ax, ay, bx, by, cx, cy, dx, dy;
  };
  const Case cases[] = {
      {"slanted", 0, 0, 1, 2, 5, 0, 6, 2},
      {"vertical", 3, 0, 3, 10, 7, 0, 7, 10},
      {"horizontal", 0, 1, 9, 1, 0, 4, 9, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b;
    auto& f = b.f;
    f.AX = c.ax, f.AY = c.ay, f.BX = c.bx, f.BY = c.by;
    f.CX = c.cx, f.CY = c.cy, f.DX = c.dx, f.DY = c.dy;
    f.AX2 = -1, f.AY2 = -2;
    f.IntersectLines();
    EXPECT_EQ(f.AX2, -1);
    EXPECT_EQ(f.AY2, -2);
  }
}

TEST(MarkPerpendicularFoot, FeetAndDot) {
  struct Case {
    const char* name;
    float ax, ay, bx, by, cx, cy, ex, ey;
    bool slopes;
  };
  const Case cases[] = {
      {"diagonal", 0, 0, 10, 10, 0, 10, 5, 5, true},
      {"vertical", 4, 0, 4, 9, 10, 7, 4, 7, false},
      {"horizontal", 0, 3, 9, 3, 5, 8, 5, 3, false},
      {"one point", 2, 2, 2, 2, 6, 9, 2, 9, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(3);
    auto& f = b.f;
    f.AX = c.ax, f.AY = c.ay, f.BX = c.bx, f.BY = c.by, f.CX = c.cx, f.CY = c.cy;
    f.AA1 = 91, f.BB1 = 92, f.AA2 = 93, f.BB2 = 94;
    f.MarkPerpendicularFoot();
    EXPECT_NEAR(f.EX, c.ex, 1e-4f);
    EXPECT_NEAR(f.EY, c.ey, 1e-4f);
    if (c.slopes) {
      EXPECT_EQ(f.AA1, 1);
      EXPECT_EQ(f.BB1, 0);
      EXPECT_EQ(f.AA2, -1);
      EXPECT_EQ(f.BB2, 10);
    } else {
      EXPECT_EQ(f.AA1, 91);
      EXPECT_EQ(f.BB2, 94);
    }
    const auto dots = b.Ops("circle");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_NEAR(dots[0].x, c.ex, 1e-4f);
    EXPECT_EQ(dots[0].r, 2);
    EXPECT_EQ(dots[0].colour, 15);
    EXPECT_EQ(dots[0].fill, 15);
    EXPECT_TRUE(dots[0].filled);
  }
}

TEST(ComputePointOnLine, GivenCoordinate) {
  struct Case {
    const char* name;
    float ax, ay, bx, by, cx, cy, x1, y1;
  };
  const Case cases[] = {
      {"x at y 30", 0, 0, 10, 20, -1, 30, 15, 30},
      {"y at x 4", 0, 0, 10, 20, 4, -1, 4, 8},
      {"both sought", 0, 0, 10, 20, -1, -1, -1, -2},
      {"none sought", 0, 0, 10, 20, 4, 30, 77, 88},
      {"vertical, x at y 5", 6, 0, 6, 9, -1, 5, 6, 5},
      {"vertical, y at x 2", 6, 0, 6, 9, 2, -1, 77, 88},
      {"horizontal, y at x 2", 0, 4, 9, 4, 2, -1, 2, 4},
      {"horizontal, x at y 5", 0, 4, 9, 4, -1, 5, 77, 88},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b;
    auto& f = b.f;
    f.AX = c.ax, f.AY = c.ay, f.BX = c.bx, f.BY = c.by, f.CX = c.cx, f.CY = c.cy;
    f.X1 = 77, f.Y1 = 88;
    f.ComputePointOnLine();
    EXPECT_FLOAT_EQ(f.X1, c.x1);
    EXPECT_FLOAT_EQ(f.Y1, c.y1);
  }
}

}  // namespace
}  // namespace lesson
