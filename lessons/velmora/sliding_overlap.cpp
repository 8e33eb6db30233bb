// Topic 6, problem 3 of velmora: the overlap of the sliding trapezoid and
// the rectangle. The user slides the figure first; then the two cases of the
// overlap, the graph of its area and the x where the area is 3.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::SlidingOverlapScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI0 = 30;
  XI1 = XI0 + 54;
  YI1 = 20;
  DrawChapterHeader(360, "P125(章の問題B)", "3");
  AnimateSlidingFigure();
  WaitAnyKey();

  // 0 <= x <= 2: a right isosceles triangle
  TextStatement(3, XI0, YI1 + 60, "(1)0≦x≦2");
  TextStatement(0, XI2, YI1, "のとき");
  TextStatement(0, XI1 - 10, YI1 + 50, "重なった部分は直角二等辺三角形");
  CCC1 = 3; CCC2 = 3; HOUKOU = 1; HABA = 10; TAKASA = 20; AAA_s = "xcm";
  DrawArcBetweenPoints(11, 6);
  TextStatement(0, XI1, YI1 + 70, "だから ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "y=ﾀ1/2ﾀx^2");
  WaitAnyKey();

  // 2 < x <= 4: a trapezoid, shown at offset 7
  ShowOverlapCase(7, 70);
  CCC1 = 3; CCC2 = 3; HOUKOU = 1; HABA = 10; TAKASA = 20; AAA_s = "2cm";
  DrawArcBetweenPoints(5, 6);
  CCC1 = 3; CCC2 = 3; HOUKOU = -1; HABA = 10; TAKASA = 40; AAA_s = "(x-2)cm";
  DrawArcBetweenPoints(5, 4);
  MathTextAt(3, Xa(5), Ya(5) + 40, "ycm^2");
  TextStatement(3, XI1, YI1 + 70, "2<x≦4");
  TextStatement(0, XI2, YI1, "のとき");
  TextStatement(0, XI1 - 10, YI1 + 50, "重なった部分は台形 だから");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "y={(x-2)+x}*2/2  ");
  TextStatement(3, XI2, YI1, "y=2x-2");
  WaitAnyKey();

  // The graph of y below the figure: y = 1/2 x^2 up to 2, y = 2x - 2 on to 4.
  GGX = GGX + 200;
  GGY = GY2 + 70;
  SIZE = 40;
  BAIX = 1; BAIY = 1;
  AA1 = 0; AA2 = 6; BB1 = 0; BB2 = 8;
  CCC2 = 14;
  NASI = 1;
  DrawCoordinatePlane();
  AA1 = 0; AA2 = 2;
  PlotParabola(0.5f, 0, "");
  WaitAnyKey();
  IROIRO = 3; AA = 2; BB = -2; AA1 = 2; AA2 = 4; CCC3 = 0; AAA_s = "";
  PlotFunctionGraph();
  // (3) the largest overlap, and where the area is 3
  TextStatement(3, XI0, YI1 + 60, "(3)");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "重なる部分は最大で");
  TextStatement(3, XI2, YI1, "6cm^2");
  TextStatement(0, XI2, YI1, "だから");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, "面積が3cm^2");
  TextStatement(0, XI2, YI1, "になるxの値を求めると");
  IROIRO = 3; AA = 0; BB = 3; AA1 = 0; AA2 = 6; CCC3 = 3; AAA_s = "";
  PlotFunctionGraph();
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "3=2x-2  ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "2x=3+2=5");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 60, "x=2.5  ");
  TextStatement(5, XI2, YI1, "答 2.5cm");
}

}  // namespace lesson
