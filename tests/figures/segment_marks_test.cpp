#include <gtest/gtest.h>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

struct Seg {
  float x1, y1, x2, y2;
};

void ExpectLine(const RecordedOp& op, const Seg& s) {
  EXPECT_NEAR(op.x1, s.x1, 1e-3f);
  EXPECT_NEAR(op.y1, s.y1, 1e-3f);
  EXPECT_NEAR(op.x2, s.x2, 1e-3f);
  EXPECT_NEAR(op.y2, s.y2, 1e-3f);
}

TEST(DrawParallelMarks, ChevronsTowardB) {
  FigureBench b(2);
  auto& f = b.f;
  f.AX = 100, f.AY = 200, f.BX = 400, f.BY = 200, f.A = 1, f.B = 1;
  f.NAGASA = 12, f.HONSU = 2, f.CCC2 = 0;
  f.DrawParallelMarks();
  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[0], {254, 206, 266, 200});
  ExpectLine(lines[1], {254, 194, 266, 200});
  ExpectLine(lines[2], {270, 206, 282, 200});
  ExpectLine(lines[3], {270, 194, 282, 200});
  for (const auto& l : lines) {
    EXPECT_EQ(l.colour, 0);
    EXPECT_EQ(l.pen, 2);
  }
  EXPECT_EQ(f.BX1, 282);
  EXPECT_EQ(f.II, 3);
  EXPECT_EQ(f.D, 300);
}

TEST(DrawParallelMarks, CountsOutOfRangeGiveOne) {
  struct Case {
    float honsu;
    size_t lines;
    float after;
  };
  const Case cases[] = {{0, 2, 1}, {-3, 2, 1}, {7, 2, 1}, {6, 12, 6}, {2.5f, 4, 2.5f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.honsu);
    FigureBench b(2);
    auto& f = b.f;
    f.AX = 100, f.AY = 200, f.BX = 400, f.BY = 200, f.A = 1, f.B = 2;
    f.NAGASA = 12, f.HONSU = c.honsu, f.CCC2 = 3;
    f.DrawParallelMarks();
    EXPECT_EQ(b.Ops("line").size(), c.lines);
    EXPECT_EQ(f.HONSU, c.after);
  }
}

TEST(DrawEqualTicks, TicksAcrossTheSegment) {
  FigureBench b(2);
  auto& f = b.f;
  f.AX = 100, f.AY = 200, f.BX = 300, f.BY = 200;
  f.NAGASA = 10, f.HONSU = 2, f.AIDA = 0, f.ITI = -12, f.CCC2 = 5;
  f.DrawEqualTicks();
  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], {196, 190, 196, 210});
  ExpectLine(lines[1], {204, 190, 204, 210});
  EXPECT_EQ(lines[0].colour, 5);
  EXPECT_EQ(f.AIDA, 24);
  EXPECT_EQ(f.AIDA1, 8);
  EXPECT_EQ(f.ITI, -12);
  EXPECT_EQ(f.EX, 188);
}

TEST(DrawEqualTicks, SpacingAndCountRules) {
  struct Case {
    float aida, honsu;
    size_t ticks;
    float firstX, honsuAfter;
  };
  const Case cases[] = {
      {31, 1, 1, 208, 1},     // above 30: 8
      {-8, 1, 1, 192, 1},     // toward A
      {0, 0, 1, 208, 0},      // 0 ticks still give one, 0 stays
      {12, -2, 1, 212, 1},    // out of range: one
      {5, 3, 3, 205, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.aida << " " << c.honsu);
    FigureBench b(2);
    auto& f = b.f;
    f.AX = 100, f.AY = 200, f.BX = 300, f.BY = 200;
    f.NAGASA = 6, f.HONSU = c.honsu, f.AIDA = c.aida, f.ITI = 0, f.CCC2 = 5;
    f.DrawEqualTicks();
    const auto lines = b.Ops("line");
    ASSERT_EQ(lines.size(), c.ticks);
    EXPECT_NEAR(lines[0].x1, c.firstX, 1e-3f);
    EXPECT_EQ(f.HONSU, c.honsuAfter);
  }
}

// A segment of no length has no direction: no mark and no fault.
TEST(SegmentMarks, CoincidentEndsDrawNothing) {
  FigureBench b(2);
  auto& f = b.f;
  f.AX = 100, f.AY = 200, f.BX = 100, f.BY = 200, f.A = 1, f.B = 1;
  f.NAGASA = 12, f.HONSU = 2, f.AIDA = 8, f.CCC2 = 0;
  f.DrawParallelMarks();
  f.DrawEqualTicks();
  f.SetPenWidth(2);  // the next step finds no pending fault
  EXPECT_TRUE(b.Ops("line").empty());
  EXPECT_EQ(f.D, 0);
}

}  // namespace
}  // namespace lesson
