#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

constexpr float kPi = 3.14159f;

// Directions seen from (100, 100), counter-clockwise with y taken upward.
TEST(ComputePointAngle, Directions) {
  struct Case {
    float x, y, radians, degrees;
  };
  const Case cases[] = {
      {200, 100, 0, 0},
      {100, 0, 1.5707951f, 90},
      {0, 100, kPi, 180},
      {100, 200, 4.7123852f, 270},
      {100, 100, kPi, 180},  // the point itself
      {200, 0, 0.7853969f, 44.99996f},
      {200, 101, 6.2731819f, 359.4271f},  // just below the x direction
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    FigureBench b;
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 100, f.ZX1 = c.x, f.ZY1 = c.y;
    f.ComputePointAngle();
    EXPECT_NEAR(f.HHP, c.radians, 2e-6f);
    EXPECT_NEAR(f.HH, c.degrees, 2e-4f);
    EXPECT_EQ(f.PI, kPi);
  }
}

// Arms to the right and straight up, on either side.
TEST(ComputeAngleArc, ArmsAndBisector) {
  struct Case {
    float iti, hh1, hh2, hh3, hh4, hh5;
  };
  const Case cases[] = {
      {0, 1, 0.75f, 0, 1.5707951f, 0.7853975f},
      {1, 1, 0.75f, 0, 1.5707951f, 0.7853975f},
      {-1, 0.75f, 1, 1.5707951f, 0, 3.9269876f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iti);
    FigureBench b;
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 100, f.ZX1 = 200, f.ZY1 = 100, f.ZX2 = 100, f.ZY2 = 0;
    f.ITI = c.iti, f.NAGASA = 33;
    f.ComputeAngleArc();
    EXPECT_FLOAT_EQ(f.HH1, c.hh1);
    EXPECT_FLOAT_EQ(f.HH2, c.hh2);
    EXPECT_FLOAT_EQ(f.HH3, c.hh3);
    EXPECT_FLOAT_EQ(f.HH4, c.hh4);
    EXPECT_FLOAT_EQ(f.HH5, c.hh5);
    EXPECT_FLOAT_EQ(f.HHP, 1.5707951f);
    EXPECT_EQ(f.ITI, c.iti);
    EXPECT_EQ(f.NAGASA, 33);
  }
}

TEST(FormatAngleDegrees, Texts) {
  struct Case {
    float x1, y1, x2, y2, iti;
    const char* text;
  };
  const Case cases[] = {
      {200, 100, 100, 0, 0, "90"},
      {200, 100, 100, 0, -1, "270"},
      {200, 100, 200, 0, 0, "45"},      // 44.99996 degrees
      {200, 100, 0, 100, 0, "180"},
      {200, 100, 200, 110, 0, "354.3"},  // the long way round, one decimal
      {200, 100, 200, 99, 0, ".6"},      // no zero before the point
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    FigureBench b;
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 100, f.ZX1 = c.x1, f.ZY1 = c.y1, f.ZX2 = c.x2, f.ZY2 = c.y2;
    f.ITI = c.iti;
    f.FormatAngleDegrees();
    EXPECT_EQ(f.KAKUDO_s, c.text);
    EXPECT_EQ(f.A_s, c.text);
    EXPECT_NEAR(f.HH, f.HH5 * 180 / kPi, 1e-3f);
    EXPECT_EQ(f.ITI, c.iti);
  }
}

// The label's box lies beyond the anchor on the bisector, seen from the
// vertex; the option variables go back to their neutral values.
TEST(PlaceAngleLabel, BoxBeyondTheAnchor) {
  struct Case {
    const char* name;
    float x1, y1, x2, y2, iti, nagasa;
    const char* label;
    float wantX, wantY;  // relative to the vertex (300, 300), width w
    float wxFactor;      // X = vertex + wantX + wxFactor * w
  };
  const Case cases[] = {
      // Bisector straight up: bottom edge at the anchor, centred.
      {"up", 400, 300, 200, 300, 0, 30, "AB", 0, -30 - 44, -0.5f},
      // Bisector to the right (arms up-right and down-right).
      {"right", 400, 200, 400, 400, -1, 20, "AB", 20, -22, 0},
      // Bisector straight down (the other sweep of "up").
      {"down", 400, 300, 200, 300, -1, 10, "AB", 0, 10, -0.5f},
      // A stacked fraction is taken as 80 high.
      {"fraction up", 400, 300, 200, 300, 0, 30, "ﾀ1/2ﾀ", 0, -30 - 80, -0.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureBench b(4);
    auto& f = b.f;
    f.A_s = c.label;
    f.MeasureMathText();
    const float w = f.LLT;
    ASSERT_GT(w, 0);
    f.ZX0 = 300, f.ZY0 = 300, f.ZX1 = c.x1, f.ZY1 = c.y1, f.ZX2 = c.x2, f.ZY2 = c.y2;
    f.ITI = c.iti, f.NAGASA = c.nagasa, f.AAA_s = c.label, f.CCC1 = 5;
    f.AAAX = 3, f.AAAY = -2, f.MU_DO = 0;
    b.screen.ClearLog();
    f.PlaceAngleLabel();
    EXPECT_EQ(f.LLT, w);
    // X is where the label ends; its start is the box's left edge.
    const auto texts = b.Ops("text");
    ASSERT_FALSE(texts.empty());
    EXPECT_NEAR(f.X - w, 300 + c.wantX + c.wxFactor * w + 3, 0.01f);
    EXPECT_NEAR(f.Y, 300 + c.wantY - 2, 0.01f);
    EXPECT_EQ(f.DY, std::string(c.label).find("ﾀ") != std::string::npos ? 40 : 22);
    EXPECT_EQ(f.ITI, 0);
    EXPECT_EQ(f.NAGASA, 0);
    EXPECT_EQ(f.AAAX, 0);
    EXPECT_EQ(f.AAAY, 0);
    EXPECT_EQ(f.MU_DO, 0);
    EXPECT_TRUE(f.AAA_s.empty());
    EXPECT_TRUE(f.AA_s.empty());
    EXPECT_EQ(b.screen.State().pen, 4);
  }
}

TEST(PlaceAngleLabel, SmallTextAndEmptyLabel) {
  {
    FigureBench b;
    auto& f = b.f;
    f.ZX0 = 300, f.ZY0 = 300, f.ZX1 = 400, f.ZY1 = 300, f.ZX2 = 200, f.ZY2 = 300;
    f.AAA_s = "25m", f.MU_DO = 1, f.NAGASA = 10;
    f.PlaceAngleLabel();
    const auto texts = b.Ops("text");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].size, 15);  // the small-text drawer
    EXPECT_EQ(f.MU_DO, 0);
  }
  {
    FigureBench b;
    auto& f = b.f;
    f.ZX0 = 300, f.ZY0 = 300, f.ZX1 = 400, f.ZY1 = 300, f.ZX2 = 200, f.ZY2 = 300;
    f.AAA_s = "", f.ITI = -1, f.NAGASA = 10, f.AAAX = 5;
    f.PlaceAngleLabel();
    EXPECT_TRUE(b.Ops("text").empty());
    EXPECT_EQ(f.LLT, 0);
    EXPECT_EQ(f.ITI, 0);
    EXPECT_EQ(f.NAGASA, 0);
    EXPECT_EQ(f.AAAX, 0);
  }
}

// Arcs 8 apart inside NAGASA, or one filled sector, over the chosen sweep.
TEST(DrawAngleArc, ArcsOrSector) {
  struct Case {
    float honsu;
    std::vector<float> radii;  // empty: a sector of radius NAGASA
    float honsuAfter;
  };
  const Case cases[] = {
      {2, {32, 24}, 2},
      {7, {32}, 1},
      {0.5f, {32}, 0.5f},
      {0, {}, 0},
      {-1, {}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.honsu);
    FigureBench b(2);
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 100, f.ZX1 = 200, f.ZY1 = 100, f.ZX2 = 100, f.ZY2 = 0;
    f.HONSU = c.honsu, f.NAGASA = 40, f.CCC2 = 5, f.CCC3 = 3, f.AAA_s = "a", f.CCC1 = 0;
    f.DrawAngleArc();
    const auto circles = b.Ops("circle");
    if (c.radii.empty()) {
      ASSERT_EQ(circles.size(), 1u);
      EXPECT_TRUE(circles[0].filled);
      EXPECT_EQ(circles[0].r, 40);
      EXPECT_EQ(circles[0].colour, 5);
      EXPECT_EQ(circles[0].fill, 3);
    } else {
      ASSERT_EQ(circles.size(), c.radii.size());
      for (size_t i = 0; i < c.radii.size(); ++i) {
        EXPECT_EQ(circles[i].r, c.radii[i]);
        EXPECT_FALSE(circles[i].filled);
        EXPECT_EQ(circles[i].colour, 3);
      }
      EXPECT_EQ(f.NAGASA1, c.radii.back());
    }
    // From the second arm's fraction to the first's: up (0.75) to right (1).
    for (const auto& op : circles) {
      EXPECT_FLOAT_EQ(op.start, 0.75f);
      EXPECT_FLOAT_EQ(op.end, 1);
      EXPECT_EQ(op.x, 100);
      EXPECT_EQ(op.y, 100);
      EXPECT_EQ(op.pen, 2);
    }
    EXPECT_EQ(f.HONSU, c.honsuAfter);
    // The label, anchored 40 out on the bisector (up and to the right).
    EXPECT_EQ(b.Ops("text").size(), 1u);
    EXPECT_EQ(f.ITI, 0);
    EXPECT_EQ(f.NAGASA, 0);
    EXPECT_TRUE(f.AAA_s.empty());
  }
}

TEST(DrawRightAngleMark, CornerOfASquare) {
  for (float iti : {1.0f, -1.0f}) {
    SCOPED_TRACE(iti);
    FigureBench b(5);
    auto& f = b.f;
    f.ZX0 = 100, f.ZY0 = 300, f.ZX1 = 300, f.ZY1 = 300, f.ZX2 = 100, f.ZY2 = 100;
    f.NAGASA = 25, f.CCC2 = 5, f.ITI = iti;
    f.DrawRightAngleMark();
    const auto polys = b.Ops("polyline");
    ASSERT_EQ(polys.size(), 1u);
    ASSERT_EQ(polys[0].points.size(), 3u);
    EXPECT_FALSE(polys[0].filled);
    EXPECT_EQ(polys[0].colour, 5);
    EXPECT_EQ(polys[0].pen, 5);
    const Point right{125, 300}, corner{125, 275}, up{100, 275};
    const Point first = iti == -1 ? up : right, last = iti == -1 ? right : up;
    EXPECT_NEAR(polys[0].points[0].x, first.x, 1e-3f);
    EXPECT_NEAR(polys[0].points[0].y, first.y, 1e-3f);
    EXPECT_NEAR(polys[0].points[1].x, corner.x, 1e-3f);
    EXPECT_NEAR(polys[0].points[1].y, corner.y, 1e-3f);
    EXPECT_NEAR(polys[0].points[2].x, last.x, 1e-3f);
    EXPECT_NEAR(polys[0].points[2].y, last.y, 1e-3f);
    EXPECT_EQ(f.ITI, iti);
    EXPECT_EQ(f.NAGASA, 25);
  }
}

}  // namespace
}  // namespace lesson
