#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

struct ArcInput {
  float x0, y0, x1, y1, takasa, houkou, haba;
};

void SetArc(FigureProbe& f, const ArcInput& in, const std::string& label) {
  f.ZX0 = in.x0, f.ZY0 = in.y0, f.ZX1 = in.x1, f.ZY1 = in.y1;
  f.TAKASA = in.takasa, f.HOUKOU = in.houkou, f.HABA = in.haba;
  f.CCC2 = 3, f.CCC1 = 0, f.AAA_s = label;
}

// The dots of a bow: how many, where the first and last fall, the apex and
// the height left behind.
TEST(DrawDimensionArc, DotsApexAndHeight) {
  struct Case {
    const char* name;
    ArcInput in;
    size_t dots;
    Point first, last, apex;
    float takasaAfter;
  };
  const Case cases[] = {
      // Below a span drawn to the right: 19 dots from P0 to P1 through (200, 316).
      {"below", {100, 300, 300, 300, 1, 1, 10}, 19, {100, 300}, {300, 300}, {200, 316}, 16},
      // Above it.
      {"above", {100, 300, 300, 300, 1, -1, 10}, 19, {300, 300}, {100, 300}, {200, 284}, 16},
      // Going down, the right of the way is the screen's left.
      {"down", {100, 100, 100, 300, 20, 1, 10}, 19, {100, 100}, {100, 300}, {80, 200}, 20},
      // A negative height is its magnitude, not multiplied.
      {"-20", {100, 300, 300, 300, -20, 1, 10}, 19, {100, 300}, {300, 300}, {200, 320}, 20},
      // A height of 0 is a straight row; 7 does not divide 180: 26 dots,
      // the last at 355 degrees, short of P1.
      {"straight", {100, 300, 300, 300, 0, 1, 7}, 26, {100, 300}, {299.62f, 300}, {200, 300}, 0},
      // 0.5 is taken as 8.
      {"half", {100, 300, 300, 300, 0.5f, -1, 5}, 37, {300, 300}, {100, 300}, {200, 292}, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(4);
    auto& f = b.f;
    SetArc(f, c.in, "");
    f.DrawDimensionArc();
    const auto dots = b.Ops("circle");
    ASSERT_EQ(dots.size(), c.dots);
    for (const auto& d : dots) {
      ASSERT_EQ(d.r, 0.5f);
      ASSERT_TRUE(d.filled);
      ASSERT_EQ(d.colour, 3);
      ASSERT_EQ(d.pen, 4);
    }
    EXPECT_NEAR(dots.front().x, c.first.x, 0.05f);
    EXPECT_NEAR(dots.front().y, c.first.y, 0.05f);
    EXPECT_NEAR(dots.back().x, c.last.x, 0.1f);
    EXPECT_NEAR(dots.back().y, c.last.y, 0.1f);
    EXPECT_NEAR(f.ZX0, c.apex.x, 0.01f);
    EXPECT_NEAR(f.ZY0, c.apex.y, 0.01f);
    EXPECT_EQ(f.ZX, f.ZX0);
    EXPECT_EQ(f.ZY, f.ZY0);
    EXPECT_EQ(f.TAKASA, c.takasaAfter);
    // The ends moved round: P0 in ZX1, P1 in ZX2, and their copies.
    EXPECT_EQ(f.ZX1, c.in.x0);
    EXPECT_EQ(f.ZY1, c.in.y0);
    EXPECT_EQ(f.ZX2, c.in.x1);
    EXPECT_EQ(f.ZY2, c.in.y1);
    EXPECT_EQ(f.ZX11, c.in.x0);
    EXPECT_EQ(f.ZX12, c.in.x1);
    EXPECT_EQ(f.HABA, c.in.haba);
    EXPECT_EQ(f.HOUKOU, c.in.houkou);
    EXPECT_EQ(b.screen.State().pen, 4);
  }
}

// The dots of an arc drawn twice with the same inputs fall on the same
// places; the straight row crowds toward both ends.
TEST(DrawDimensionArc, RepeatableAndCrowdedAtTheEnds) {
  FigureBench b(4);
  auto& f = b.f;
  SetArc(f, {100, 300, 300, 300, 1, 1, 10}, "");
  f.DrawDimensionArc();
  const auto firstRun = b.Ops("circle");
  SetArc(f, {100, 300, 300, 300, f.TAKASA, 1, 10}, "");
  b.screen.ClearLog();
  f.DrawDimensionArc();
  const auto second = b.Ops("circle");
  ASSERT_EQ(second.size(), firstRun.size());
  for (size_t i = 0; i < second.size(); ++i) {
    EXPECT_EQ(second[i].x, firstRun[i].x);
    EXPECT_EQ(second[i].y, firstRun[i].y);
  }
  // The gaps along a straight row grow toward the middle.
  FigureBench s(4);
  SetArc(s.f, {100, 300, 300, 300, 0, 1, 10}, "");
  s.f.DrawDimensionArc();
  const auto row = s.Ops("circle");
  ASSERT_EQ(row.size(), 19u);
  EXPECT_LT(row[1].x - row[0].x, row[9].x - row[8].x);
  EXPECT_LT(row[18].x - row[17].x, row[9].x - row[8].x);
}

// The label stands beyond the apex, away from the span; for HOUKOU 0 it
// stands inside the bow.
TEST(DrawDimensionArc, LabelPlace) {
  struct Case {
    const char* name;
    ArcInput in;
    float aaax, aaay;
    bool fraction;
    float wx;  // left edge = apex.x + wx * width + aaax
    float y;   // top = y + aaay
  };
  const Case cases[] = {
      // Below: top edge at the apex (316), centred.
      {"below", {100, 300, 300, 300, 1, 1, 10}, 0, 0, false, -0.5f, 316},
      // Above: bottom edge at the apex (284).
      {"above", {100, 300, 300, 300, 1, -1, 10}, 0, 0, false, -0.5f, 284 - 44},
      // A fraction is 80 high; the offsets come last.
      {"above fraction", {100, 300, 300, 300, 1, -1, 10}, 12, -6, true, -0.5f, 284 - 80},
      // HOUKOU 0: the bow above, the label below the apex, inside it.
      {"inside", {100, 300, 300, 300, 1, 0, 10}, 0, 0, false, -0.5f, 284},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(4);
    auto& f = b.f;
    const std::string label = c.fraction ? "ﾀ1/2ﾀ" : "8cm";
    f.A_s = label;
    f.MeasureMathText();
    const float w = f.LLT;
    SetArc(f, c.in, label);
    f.AAAX = c.aaax, f.AAAY = c.aaay, f.ITI = 5, f.NAGASA = 9;
    f.DrawDimensionArc();
    EXPECT_NEAR(f.X - w, f.ZX0 + c.wx * w + c.aaax, 0.05f);
    EXPECT_NEAR(f.Y, c.y + c.aaay, 0.05f);
    EXPECT_FALSE(b.Ops("text").empty());
    EXPECT_TRUE(f.AAA_s.empty());
    EXPECT_EQ(f.AAAX, 0);
    EXPECT_EQ(f.AAAY, 0);
    EXPECT_EQ(f.NAGASA, 0);
    EXPECT_EQ(f.ITI, 0);
    EXPECT_EQ(f.MU_DO, 0);
  }
}

// Inputs that would fault or never end: ends that coincide (every dot on
// the point, no fault) and a step of 0 or below (one dot).
TEST(DrawDimensionArc, DegenerateInputsEndSafely) {
  {
    FigureBench b(4);
    auto& f = b.f;
    SetArc(f, {150, 250, 150, 250, 1, 1, 30}, "x");
    f.DrawDimensionArc();
    f.SetPenWidth(4);  // the next step finds no pending fault
    const auto dots = b.Ops("circle");
    ASSERT_EQ(dots.size(), 7u);
    for (const auto& d : dots) {
      EXPECT_EQ(d.x, 150);
      EXPECT_EQ(d.y, 250);
    }
    EXPECT_EQ(f.ZX0, 150);
    EXPECT_EQ(f.ZY0, 250);
  }
  for (float haba : {0.0f, -5.0f}) {
    SCOPED_TRACE(haba);
    FigureBench b(4);
    auto& f = b.f;
    SetArc(f, {100, 300, 300, 300, 1, 1, haba}, "8cm");
    f.DrawDimensionArc();
    const auto dots = b.Ops("circle");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_NEAR(dots[0].x, 100, 0.01f);
    // The apex and the label all the same.
    EXPECT_NEAR(f.ZY0, 316, 0.01f);
    EXPECT_FALSE(b.Ops("text").empty());
    EXPECT_EQ(f.HABA, haba);
  }
}

TEST(RotatePoint, PointsOfTheHalfEllipse) {
  struct Case {
    float x0, y0, x1, y1, takasa, kakudo, zx, zy;
  };
  const Case cases[] = {
      {100, 300, 300, 300, 40, 0, 300, 300},
      {100, 300, 300, 300, 40, 90, 200, 260},
      {100, 300, 300, 300, 40, 180, 100, 300},
      {100, 300, 300, 300, 40, 270, 200, 340},
      {100, 300, 100, 100, 40, 90, 60, 200},
      // A half-circle: P1 turned about the middle by 90 degrees.
      {100, 300, 300, 300, 100, 90, 200, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " at " << c.kakudo);
    FigureBench b;
    auto& f = b.f;
    f.ZX0 = c.x0, f.ZY0 = c.y0, f.ZX1 = c.x1, f.ZY1 = c.y1;
    f.TAKASA = c.takasa, f.KAKUDO = c.kakudo;
    f.RotatePoint();
    EXPECT_NEAR(f.ZX, c.zx, 2e-3f);
    EXPECT_NEAR(f.ZY, c.zy, 2e-3f);
    EXPECT_EQ(f.ZX0, c.x0);
    EXPECT_EQ(f.ZY0, c.y0);
    EXPECT_EQ(f.ZX1, f.ZX3);
    EXPECT_EQ(f.ZY1, f.ZY3);
    EXPECT_EQ(f.ZX12, c.x1);
    EXPECT_EQ(f.ZY12, c.y1);
    EXPECT_EQ(f.PI, 3.14159f);
    EXPECT_EQ(f.TAKASA, c.takasa);
    EXPECT_TRUE(b.screen.ops().empty());
  }
}

// Both ends on one point: the point itself, and no fault.
TEST(RotatePoint, CoincidentEndsGiveTheEnd) {
  FigureBench b;
  auto& f = b.f;
  f.ZX0 = 50, f.ZY0 = 60, f.ZX1 = 50, f.ZY1 = 60, f.TAKASA = 40, f.KAKUDO = 90;
  f.RotatePoint();
  f.SetPenWidth(3);
  EXPECT_EQ(f.ZX, 50);
  EXPECT_EQ(f.ZY, 60);
}

}  // namespace
}  // namespace lesson
