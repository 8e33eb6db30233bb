// Renders the figures through the raster onto two sheets, written as PNG to
// the build tree's test-output folder for a look, and checks a few pixels.
#include <gtest/gtest.h>

#include <string>

#include "platform/cairo_screen.h"
#include "tests/figures/figure_probe.h"
#include "tests/support/harness.h"

namespace lesson {
namespace {

// Planes and graphs: a scaled plane with decimal tick labels and two graphs,
// and a plane at one value a step with a hyperbola, a parabola opening
// down, the two lines of ax + by = c and a labelled point.
TEST(FigureSheet, PlanesAndGraphs) {
  CairoScreen raster;
  FigureBench b(5, {}, &raster);
  auto& f = b.f;

  // Scaled: x -1..9 at 0.5 a step, y -10..40 at 2 a step.
  f.GGX = 60, f.GGY = 60, f.SIZE = 15;
  f.AA1 = -1, f.AA2 = 9, f.BB1 = -10, f.BB2 = 40;
  f.BAIX = 0.5f, f.BAIY = 2, f.CCC2 = 1, f.NASI = -1;
  f.DrawCoordinatePlane();
  f.BAIX = 0.5f, f.BAIY = 2;
  f.DrawDecimalTickLabels();
  f.SetPenWidth(5);
  f.AA1 = -1, f.AA2 = 6, f.BAIX = 0.5f, f.BAIY = 2;
  f.IROIRO = 2, f.AA = 1, f.CCC3 = 3, f.AAA_s = "y=x^2";
  f.KASANARIX = -90;
  f.PlotFunctionGraph();
  f.AA1 = -1, f.AA2 = 9, f.BAIX = 0.5f, f.BAIY = 2;
  f.IROIRO = 3, f.AA = 4, f.BB = -4, f.CCC3 = 5, f.AAA_s = "y=4x-4";
  f.KASANARIY = 10;
  f.PlotFunctionGraph();
  const float scaledTop = f.GY1, scaledOrigin = f.GX0;

  // One value a step: x -6..6, y -6..6.
  f.GGX = 760, f.GGY = 80, f.SIZE = 36;
  f.AA1 = -6, f.AA2 = 6, f.BB1 = -6, f.BB2 = 6;
  f.BAIX = 1, f.BAIY = 1, f.CCC2 = 1, f.NASI = 0;
  f.DrawCoordinatePlane();
  f.SetPenWidth(5);
  f.IROIRO = 1, f.AA = 6, f.CCC3 = 3, f.AAA_s = "y=ﾀ6/xﾀ";
  f.KASANARIY = -60;
  f.PlotFunctionGraph();
  f.AA1 = -6, f.AA2 = 6;
  f.IROIRO = 2, f.AA = -0.5f, f.CCC3 = 5, f.AAA_s = "y=-ﾀ1/2ﾀx^2";
  f.KASANARIX = 10, f.KASANARIY = -50;
  f.PlotFunctionGraph();
  f.IROIRO = 4, f.AA = 2, f.BB = 0, f.CC = -8, f.BB1 = -5, f.BB2 = 5, f.CCC3 = 7;
  f.AAA_s = "x=-4";
  f.PlotFunctionGraph();
  f.AA1 = -6, f.AA2 = 6;
  f.IROIRO = 4, f.AA = 1, f.BB = 2, f.CC = -4, f.CCC3 = 0, f.AAA_s = "x+2y=-4";
  f.KASANARIX = -290, f.KASANARIY = 44;
  f.PlotFunctionGraph();
  f.XG = 2, f.YG = 3, f.R = 8, f.CCC3 = 7, f.AAA_s = "A(2,3)";
  f.PlotLabeledPoint();

  ASSERT_TRUE(raster.WritePng(TestOutputPath("figure_sheet_planes.png")));
  // The y axis of the scaled plane is black just below its top.
  EXPECT_EQ(raster.PixelAt(scaledOrigin, scaledTop + 3), PaletteRgb(0));
  // The dot of A(2, 3) at (760 + 36 * 8, 80 + 36 * 3) in colour 7.
  EXPECT_EQ(raster.PixelAt(1048, 188), PaletteRgb(7));
}

// Marks and shapes: dimension arcs, angle marks, segment marks, a labelled
// polygon, arrows and a ladder division.
TEST(FigureSheet, MarksShapesArrows) {
  CairoScreen raster;
  FigureBench b(4, {}, &raster);
  auto& f = b.f;

  // Dimension arcs: below a span, above it, a slanted one, a straight row.
  auto arc = [&](float x0, float y0, float x1, float y1, float takasa, float houkou, float haba,
                 const std::string& label) {
    f.ZX0 = x0, f.ZY0 = y0, f.ZX1 = x1, f.ZY1 = y1;
    f.TAKASA = takasa, f.HOUKOU = houkou, f.HABA = haba;
    f.CCC2 = 3, f.CCC1 = 0, f.AAA_s = label;
    f.DrawDimensionArc();
  };
  f.SetPenWidth(4);
  f.DrawLine(60, 100, 300, 100, 0);
  arc(60, 100, 300, 100, 2, 1, 5, "8cm");
  arc(60, 100, 300, 100, -40, -1, 3, "2倍");
  f.DrawLine(360, 60, 480, 220, 0);
  arc(360, 60, 480, 220, 1, 1, 8, "x㎝");
  arc(60, 230, 300, 230, 0, 1, 7, "");

  // Angle arcs (three arcs, a sector) and a right-angle mark.
  f.SetPenWidth(2);
  auto arms = [&](float x0, float y0, float x1, float y1, float x2, float y2) {
    f.DrawLine(x0, y0, x1, y1, 0);
    f.DrawLine(x0, y0, x2, y2, 0);
    f.ZX0 = x0, f.ZY0 = y0, f.ZX1 = x1, f.ZY1 = y1, f.ZX2 = x2, f.ZY2 = y2;
  };
  arms(560, 230, 760, 230, 680, 80);
  f.HONSU = 3, f.NAGASA = 60, f.CCC3 = 3, f.CCC1 = 3, f.AAA_s = "α";
  f.DrawAngleArc();
  arms(820, 230, 1000, 230, 900, 90);
  f.HONSU = 0, f.NAGASA = 50, f.CCC2 = 5, f.CCC3 = 13, f.CCC1 = 5, f.AAA_s = "ﾀ1/2ﾀ";
  f.DrawAngleArc();
  arms(1080, 230, 1280, 230, 1080, 70);
  f.NAGASA = 25, f.CCC2 = 5, f.ITI = -1;
  f.SetPenWidth(5);
  f.DrawRightAngleMark();

  // Segment marks on two sides of a parallelogram.
  f.SetPenWidth(2);
  f.FillPolygon({{80, 300}, {380, 300}, {320, 420}, {20, 420}}, 0, 15);
  f.AX = 80, f.AY = 300, f.BX = 380, f.BY = 300, f.A = 1, f.B = 1;
  f.NAGASA = 12, f.HONSU = 2, f.CCC2 = 3;
  f.DrawParallelMarks();
  f.AX = 20, f.AY = 420, f.BX = 320, f.BY = 420, f.A = 1, f.B = 1;
  f.NAGASA = 12, f.HONSU = 2, f.CCC2 = 3;
  f.DrawParallelMarks();
  f.AX = 380, f.AY = 300, f.BX = 320, f.BY = 420;
  f.NAGASA = 10, f.HONSU = 3, f.AIDA = 8, f.ITI = -16, f.CCC2 = 5;
  f.DrawEqualTicks();
  f.AX = 80, f.AY = 300, f.BX = 20, f.BY = 420;
  f.NAGASA = 10, f.HONSU = 3, f.AIDA = 8, f.ITI = -16, f.CCC2 = 5;
  f.DrawEqualTicks();

  // A quadrilateral listed counter-clockwise, labelled from "A".
  f.G(1, 1) = 480, f.G(1, 2) = 310;
  f.G(2, 1) = 460, f.G(2, 2) = 460;
  f.G(3, 1) = 680, f.G(3, 2) = 470;
  f.G(4, 1) = 640, f.G(4, 2) = 320;
  f.KAKU = 4, f.SIZE1 = 5, f.CCC2 = 0, f.AAA_s = "A", f.NAGASA = 6, f.CCC1 = 7;
  f.DrawPolygon();

  // Arrows: one head, two heads, a steep one.
  f.SetPenWidth(5);
  auto arrow = [&](float x0, float y0, float x, float y, float muki, float ya, float colour) {
    f.ZX0 = x0, f.ZY0 = y0, f.ZX = x, f.ZY = y;
    f.MUKI = muki, f.YA = ya, f.NAGASA = 16, f.CCC2 = colour;
    f.DrawArrow();
  };
  arrow(760, 320, 1000, 320, 1, 0, 7);
  arrow(760, 380, 1000, 380, -1, 2, 3);
  arrow(1060, 460, 1160, 300, 1, 0, 5);

  // The ladder of 360.
  f.SetPenWidth(3);
  f.SOSU = 360;
  f.FactorizePrimes();
  f.XTAKE = 1180, f.YTAKE = 330, f.NASI = 0;
  f.DrawLadderDivision();

  ASSERT_TRUE(raster.WritePng(TestOutputPath("figure_sheet_marks.png")));
  // The double arrow's shaft is red in its middle.
  EXPECT_EQ(raster.PixelAt(880, 380), PaletteRgb(3));
  // The arcs and the sector cover the angle between the arms (above the arm
  // to the right), not the rest of the turn: on the bisector (0.448 and
  // 0.526 radians up) they show, and nothing of them lies below the arm.
  auto anyNear = [&](float x, float y, int colour) {
    for (float dx = -1; dx <= 1; ++dx)
      for (float dy = -1; dy <= 1; ++dy)
        if (raster.PixelAt(x + dx, y + dy) == PaletteRgb(colour)) return true;
    return false;
  };
  auto anyBelow = [&](float vertexX, float vertexY, float r, int colour) {
    for (float x = vertexX - r - 4; x <= vertexX + r + 4; ++x)
      for (float y = vertexY + 3; y <= vertexY + r + 4; ++y)
        if (raster.PixelAt(x, y) == PaletteRgb(colour)) return true;
    return false;
  };
  EXPECT_TRUE(anyNear(560 + 44 * 0.9013f, 230 - 44 * 0.4332f, 3));  // the middle arc, radius 44
  EXPECT_FALSE(anyBelow(560, 230, 52, 3));
  EXPECT_EQ(raster.PixelAt(820 + 25 * 0.8649f, 230 - 25 * 0.5020f), PaletteRgb(13));
  EXPECT_FALSE(anyBelow(820, 230, 50, 13));
}

}  // namespace
}  // namespace lesson
