#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/figures/figure_probe.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

using TextAt = PlacedText;

std::vector<TextAt> TextsOf(const FigureBench& b) {
  std::vector<TextAt> out;
  for (const RecordedOp& op : b.Ops("text")) out.push_back({op.text, op.x, op.y});
  return out;
}

void ExpectTexts(const FigureBench& b, const std::vector<TextAt>& want) {
  ExpectPlacedTexts(TextsOf(b), want);
}

// Without a grid: the default corner, the plane state, the axes and the
// three names, and every setting put back.
TEST(CoordinatePlane, DefaultCornerAxesOnly) {
  FigureBench b(5);
  auto& f = b.f;
  f.SIZE = 20, f.AA1 = -5, f.AA2 = 5, f.BB1 = -4, f.BB2 = 6;
  f.CCC2 = 0, f.NASI = 1, f.II = 77, f.A_s = "keep";
  f.DrawCoordinatePlane();

  EXPECT_EQ(f.GGX, 640);
  EXPECT_EQ(f.GGY, 180);
  EXPECT_EQ(f.BAIX, 1);
  EXPECT_EQ(f.BAIY, 1);
  EXPECT_EQ(f.GX0, 740);
  EXPECT_EQ(f.GY0, 300);
  EXPECT_EQ(f.GX1, 640);
  EXPECT_EQ(f.GY1, 180);
  EXPECT_EQ(f.GX2, 840);
  EXPECT_EQ(f.GY2, 380);
  EXPECT_EQ(f.SIZE1, 26);
  EXPECT_EQ(f.NASI, 0);
  EXPECT_EQ(f.II, 77);
  EXPECT_EQ(f.A_s, "keep");

  const auto lines = b.Ops("line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, 740);  // y axis
  EXPECT_EQ(lines[0].y1, 180);
  EXPECT_EQ(lines[0].y2, 380);
  EXPECT_EQ(lines[1].y1, 300);  // x axis
  EXPECT_EQ(lines[1].x1, 640);
  EXPECT_EQ(lines[1].x2, 840);
  for (const auto& l : lines) {
    EXPECT_EQ(l.pen, 4);
    EXPECT_EQ(l.colour, 0);
  }

  const auto texts = b.Ops("text");
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "x");
  EXPECT_EQ(texts[0].face, "Times New Roman");
  EXPECT_FLOAT_EQ(texts[0].size, 20.8f);
  EXPECT_TRUE(texts[0].italic);
  EXPECT_TRUE(texts[0].bold);
  EXPECT_EQ(texts[0].m1, 3);
  EXPECT_EQ(texts[0].m2, 2);
  EXPECT_FLOAT_EQ(texts[0].x, 840 - 26 * 0.8f);
  EXPECT_FLOAT_EQ(texts[0].y, 300 - 39);
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(texts[i].face, "ゴシック");
    EXPECT_EQ(texts[i].size, 26);
    EXPECT_FALSE(texts[i].italic);
    EXPECT_TRUE(texts[i].bold);
    EXPECT_EQ(texts[i].m1, 2);
    EXPECT_EQ(texts[i].m2, 1);
    EXPECT_EQ(texts[i].colour, 0);
  }
  EXPECT_EQ(texts[1].text, "0");
  EXPECT_EQ(texts[1].x, 740 - 26);
  EXPECT_EQ(texts[1].y, 300);
  EXPECT_EQ(texts[2].text, "y");
  EXPECT_EQ(texts[2].x, 740);
  EXPECT_EQ(texts[2].y, 180 - 13);

  EXPECT_EQ(f.AA_s, "y");
  EXPECT_EQ(f.CCC1, 0);
  EXPECT_EQ(f.X, 740);
  EXPECT_EQ(f.Y, 167);
  EXPECT_EQ(f.DR, 5);
  const PenFont& st = b.screen.State();
  EXPECT_EQ(st.face, "ゴシック");
  EXPECT_EQ(st.size, 16);
  EXPECT_FALSE(st.bold);
  EXPECT_FALSE(st.italic);
  EXPECT_EQ(st.pen, 5);
}

// The plane state for a set corner, the scale normalised and the ranges
// divided in place, SIZE1 from the step size.
TEST(CoordinatePlane, StateFromCornerScaleAndRanges) {
  struct Case {
    float ggx, ggy, size, aa1, aa2, bb1, bb2, baix, baiy;
    float gx0, gy0, gx2, gy2, size1, baixAfter, baiyAfter, aa1After, aa2After, bb1After,
        bb2After;
  };
  const Case cases[] = {
      // Corner (792, 120), 40 a step, x -1..5, y -1..11.
      {792, 120, 40, -1, 5, -1, 11, 1, 1, 832, 560, 1032, 600, 30, 1, 1, -1, 5, -1, 11},
      // A negative scale is taken by its magnitude; ranges become steps.
      {100, 50, 15, 0, 9, 0, 82, -0.5f, -2, 100, 665, 370, 665, 26, 0.5f, 2, 0, 18, 0, 41},
      // Only both corner values 0 mean the default: x 0 stays at the edge.
      {0, 50, 39, -2, 2, -2, 2, 0, 0, 78, 128, 156, 206, 26, 1, 1, -2, 2, -2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ggy);
    FigureBench b(3);
    auto& f = b.f;
    f.GGX = c.ggx, f.GGY = c.ggy, f.SIZE = c.size;
    f.AA1 = c.aa1, f.AA2 = c.aa2, f.BB1 = c.bb1, f.BB2 = c.bb2;
    f.BAIX = c.baix, f.BAIY = c.baiy, f.CCC2 = 0;
    f.DrawCoordinatePlane();
    EXPECT_EQ(f.GGX, c.ggx);
    EXPECT_EQ(f.GGY, c.ggy);
    EXPECT_FLOAT_EQ(f.GX0, c.gx0);
    EXPECT_FLOAT_EQ(f.GY0, c.gy0);
    EXPECT_FLOAT_EQ(f.GX1, c.ggx);
    EXPECT_FLOAT_EQ(f.GY1, c.ggy);
    EXPECT_FLOAT_EQ(f.GX2, c.gx2);
    EXPECT_FLOAT_EQ(f.GY2, c.gy2);
    EXPECT_EQ(f.SIZE1, c.size1);
    EXPECT_FLOAT_EQ(f.BAIX, c.baixAfter);
    EXPECT_FLOAT_EQ(f.BAIY, c.baiyAfter);
    EXPECT_FLOAT_EQ(f.AA1, c.aa1After);
    EXPECT_FLOAT_EQ(f.AA2, c.aa2After);
    EXPECT_FLOAT_EQ(f.BB1, c.bb1After);
    EXPECT_FLOAT_EQ(f.BB2, c.bb2After);
  }
}

// The grid: a thin line at every step (pen 1), a bold one at every fifth
// (pen 3, colour 1), then the axes; step numbers centred under the x axis
// and right-aligned against the y axis, none at 0.
TEST(CoordinatePlane, GridLinesAndStepNumbers) {
  for (float nasi : {0.0f, 1.0f, -1.0f}) {
    SCOPED_TRACE(nasi);
    FigureBench b(5);
    auto& f = b.f;
    f.GGX = 100, f.GGY = 50, f.SIZE = 20;
    f.AA1 = -10, f.AA2 = 5, f.BB1 = -5, f.BB2 = 10;
    f.CCC2 = 14, f.NASI = nasi;
    f.DrawCoordinatePlane();
    ASSERT_EQ(f.GX0, 300);
    ASSERT_EQ(f.GY0, 250);

    const auto lines = b.Ops("line");
    ASSERT_EQ(lines.size(), 16u + 16u + 4u + 4u + 2u);
    // Thin vertical lines from step -10, half a unit left of the step.
    EXPECT_FLOAT_EQ(lines[0].x1, 99.5f);
    EXPECT_EQ(lines[0].y1, 50);
    EXPECT_EQ(lines[0].y2, 350);
    EXPECT_FLOAT_EQ(lines[15].x1, 399.5f);
    // Thin horizontal lines from step -5 upward.
    EXPECT_FLOAT_EQ(lines[16].y1, 349.5f);
    EXPECT_FLOAT_EQ(lines[31].y1, 49.5f);
    for (int i = 0; i < 32; ++i) {
      EXPECT_EQ(lines[i].pen, 1);
      EXPECT_EQ(lines[i].colour, 0);
    }
    // Bold lines at -10, -5, 0, 5 across and -5, 0, 5, 10 up.
    const float boldX[] = {100, 200, 300, 400};
    const float boldY[] = {350, 250, 150, 50};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(lines[32 + i].x1, boldX[i]);
      EXPECT_EQ(lines[36 + i].y1, boldY[i]);
      EXPECT_EQ(lines[32 + i].pen, 3);
      EXPECT_EQ(lines[32 + i].colour, 1);
      EXPECT_EQ(lines[36 + i].colour, 1);
    }
    EXPECT_EQ(lines[40].pen, 4);
    EXPECT_EQ(lines[41].pen, 4);

    std::vector<TextAt> want;
    if (nasi != -1) {
      want = {{"-10", 300 - 200 - 39, 250}, {"-5", 300 - 100 - 26, 250}, {"5", 400 - 13, 250},
              {"-5", 300 - 52, 350 - 13 - 4}, {"5", 300 - 26, 150 - 13 - 4},
              {"10", 300 - 52, 50 - 13 - 4}};
    }
    want.push_back({"x", 400 - 26 * 0.8f, 250 - 39});
    want.push_back({"0", 300 - 26, 250});
    want.push_back({"y", 300, 50 - 13});
    ExpectTexts(b, want);
    if (nasi != -1) {
      // The step numbers: size SIZE1 in the face current at the call, factors 2 and 1.
      const auto first = b.Ops("text").front();
      EXPECT_EQ(first.face, "ゴシック");
      EXPECT_EQ(first.size, 26);
      EXPECT_EQ(first.m1, 2);
      EXPECT_EQ(first.m2, 1);
    }

    EXPECT_EQ(f.II, 11);
    EXPECT_EQ(f.A_s, "10");
    EXPECT_EQ(f.NASI, 0);
    EXPECT_EQ(b.screen.State().pen, 5);
  }
}

// Ranges that are not whole steps, and ranges given the wrong way round.
TEST(CoordinatePlane, FractionalAndReversedRanges) {
  {
    // x from -5.2: lines at -5.2, -4.2, ... 0.8; -5.2 converts to -5 and
    // -0.2 to 0, so both are bold and numbered with their own texts.
    FigureBench b(5);
    auto& f = b.f;
    f.GGX = 100, f.GGY = 100, f.SIZE = 20;
    f.AA1 = -5.2f, f.AA2 = 1, f.BB1 = 0, f.BB2 = 0, f.CCC2 = 1;
    f.DrawCoordinatePlane();
    const auto lines = b.Ops("line");
    // 7 thin vertical, 1 thin horizontal, bold at -5.2 and -0.2, bold at
    // the y step 0, axes.
    ASSERT_EQ(lines.size(), 7u + 1u + 2u + 1u + 2u);
    EXPECT_FLOAT_EQ(lines[0].x1, f.GX0 + 20 * -5.2f - 0.5f);
    EXPECT_EQ(lines[8].pen, 3);
    EXPECT_FLOAT_EQ(lines[8].x1, f.GX0 + 20 * -5.2f);
    const auto texts = b.Ops("text");
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "-5.2");
    EXPECT_FLOAT_EQ(texts[0].x, f.GX0 + 20 * -5.2f - 26 * 4 / 2.0f);
    // Five single-precision additions of 1 to -5.2 give -0.1999998.
    EXPECT_EQ(texts[1].text, "-.1999998");
  }
  {
    // AA1 above AA2 and BB1 above BB2: one pass of each loop at the start.
    FigureBench b(5);
    auto& f = b.f;
    f.GGX = 100, f.GGY = 100, f.SIZE = 20;
    f.AA1 = 3, f.AA2 = -3, f.BB1 = 5, f.BB2 = 2, f.CCC2 = 1;
    f.DrawCoordinatePlane();
    const auto lines = b.Ops("line");
    // Thin x at 3, thin y at 5, bold y at 5 (numbered), axes.
    ASSERT_EQ(lines.size(), 1u + 1u + 1u + 2u);
    EXPECT_EQ(lines[2].pen, 3);
    EXPECT_EQ(f.II, 6);
  }
}

// Labels of a plane with another scale than 1: at most one decimal, the
// point drawn into the gap after the whole part, 4 units lower.
TEST(DecimalTickLabels, KasimelRollerCoasterPlane) {
  FigureBench b(5);
  auto& f = b.f;
  f.GGX = 60, f.GGY = 40, f.SIZE = 15;
  f.AA1 = 0, f.AA2 = 9, f.BB1 = 0, f.BB2 = 82;
  f.BAIX = 0.5f, f.BAIY = 2, f.CCC2 = 1, f.NASI = -1;
  f.DrawCoordinatePlane();
  b.screen.ClearLog();
  f.BAIX = 0.5f, f.BAIY = 2;
  f.DrawDecimalTickLabels();
  const float gx0 = f.GX0, gy0 = f.GY0;
  ASSERT_EQ(gx0, 60);
  ASSERT_EQ(gy0, 40 + 15 * 41);
  std::vector<TextAt> want = {
      {"25", gx0 + 75 - 26, gy0 + 4},  {".", gx0 + 75 - 26 + 26 - 6, gy0 + 8},
      {"5", gx0 + 150 - 13, gy0 + 4},  {"75", gx0 + 225 - 26, gy0 + 4},
      {".", gx0 + 225 - 26 + 26 - 6, gy0 + 8},
  };
  for (int k = 1; k <= 8; ++k) {
    want.push_back({std::to_string(10 * k), gx0 - 52, gy0 - 75.0f * k - 13});
  }
  ExpectTexts(b, want);
  for (const RecordedOp& op : b.Ops("text")) {
    EXPECT_EQ(op.size, 26);
    EXPECT_EQ(op.m1, 2);
    EXPECT_EQ(op.m2, 1);
    EXPECT_EQ(op.colour, 0);
  }
  EXPECT_EQ(b.screen.State().size, 16);
  EXPECT_EQ(f.AA_s, "80");
}

TEST(DecimalTickLabels, NegativeValuesKeepTheirSign) {
  FigureBench b(5);
  auto& f = b.f;
  // Steps -10..0 across at 0.5 a step, nothing up the y axis but step 0.
  f.GX0 = 400, f.GY0 = 300, f.SIZE = 20, f.SIZE1 = 26;
  f.AA1 = -10, f.AA2 = 0, f.BB1 = 0, f.BB2 = 0;
  f.BAIX = 0.5f, f.BAIY = 1;
  f.DrawDecimalTickLabels();
  // Step -10 is -5, step -5 is -2.5 (the digits -25, the point after -2).
  ExpectTexts(b, {{"-5", 400 - 200 - 26, 304},
                  {"-25", 400 - 100 - 39, 304},
                  {".", 400 - 100 - 39 + 52 - 6, 308}});
  b.screen.ClearLog();
  f.AA1 = -5, f.AA2 = -5, f.BAIX = 0.1f;
  f.DrawDecimalTickLabels();
  // -0.5 reads -05 with the point after -0.
  ExpectTexts(b, {{"-05", 400 - 100 - 39, 304}, {".", 400 - 100 - 39 + 52 - 6, 308}});
}

}  // namespace
}  // namespace lesson
