#include <gtest/gtest.h>

#include <vector>

#include "tests/figures/figure_probe.h"

namespace lesson {
namespace {

TEST(GridFrame, SetsCornersAndOriginWithoutDrawingForColour15) {
  FigureBench b(5);
  auto& f = b.f;
  f.GGX = 748, f.GGY = 130, f.YOKO = 12, f.TATE = 11, f.SIZE = 30, f.CCC2 = 15;
  f.CCC3 = 7, f.II = 99;
  f.SetUpGridFrame();
  EXPECT_EQ(f.GX1, 748);
  EXPECT_EQ(f.GY1, 130);
  EXPECT_EQ(f.GX2, 1108);
  EXPECT_EQ(f.GY2, 460);
  EXPECT_EQ(f.GX0, 748);
  EXPECT_EQ(f.GY0, 460);
  // The cell point (6, 10).
  EXPECT_EQ(f.GX0 + f.SIZE * 6, 928);
  EXPECT_EQ(f.GY0 - f.SIZE * 10, 160);
  EXPECT_TRUE(b.Ops("line").empty());
  EXPECT_EQ(f.CCC3, 7);
  EXPECT_EQ(f.II, 99);
  EXPECT_EQ(f.DR, 5);
  EXPECT_EQ(f.GetPenWidth(), 5);
}

// Graph paper: vertical lines left to right, then horizontal ones bottom
// to top; every fifth thick in colour 14, the others thin in CCC2.
TEST(GridFrame, GraphPaper) {
  struct Case {
    float yoko, tate, ccc2;
    size_t vertical, horizontal;
    std::vector<float> thickX;
  };
  const Case cases[] = {
      {12, 11, 0, 13, 12, {748, 898, 1048}},
      {4.5f, 2, 8, 5, 3, {748}},  // the right edge at 4.5 cells, lines at 0..4
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.yoko);
    FigureBench b(5);
    auto& f = b.f;
    f.GGX = 748, f.GGY = 130, f.YOKO = c.yoko, f.TATE = c.tate, f.SIZE = 30, f.CCC2 = c.ccc2;
    f.SetUpGridFrame();
    EXPECT_FLOAT_EQ(f.GX2, 748 + 30 * c.yoko);
    const auto lines = b.Ops("line");
    ASSERT_EQ(lines.size(), c.vertical + c.horizontal);
    std::vector<float> thickX;
    for (size_t i = 0; i < c.vertical; ++i) {
      EXPECT_EQ(lines[i].x1, 748 + 30.0f * i);
      EXPECT_EQ(lines[i].x1, lines[i].x2);
      EXPECT_EQ(lines[i].y1, 130);
      EXPECT_EQ(lines[i].y2, f.GY2);
      if (lines[i].pen == 3) {
        EXPECT_EQ(lines[i].colour, 14);
        thickX.push_back(lines[i].x1);
      } else {
        EXPECT_EQ(lines[i].pen, 1);
        EXPECT_EQ(lines[i].colour, c.ccc2);
      }
    }
    EXPECT_EQ(thickX, c.thickX);
    // The first horizontal line is the bottom edge, thick.
    EXPECT_EQ(lines[c.vertical].y1, f.GY2);
    EXPECT_EQ(lines[c.vertical].pen, 3);
    EXPECT_EQ(lines[c.vertical].x2, f.GX2);
    EXPECT_EQ(f.CCC3, 14);
    EXPECT_EQ(f.II, c.tate + 1);
    EXPECT_EQ(b.screen.State().pen, 5);
  }
}

}  // namespace
}  // namespace lesson
