// Topic 2 of velmora: using graphs. A train catching up with a car and with
// a bicycle, the coefficient a found from the points where a line meets the
// parabola, and the area of a triangle between a parabola and a line.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::GraphUseMenu() {
  ShowTopicGoal({"身の回りの問題を、", "関数y=ax^2のグラフ を利用して解決しよう。"});
  RunSubMenu("①P118Q　②問2　③例2　④問３　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: TrainCatchUpScene(); break;
      case 2: BicycleCatchUpScene(); break;
      case 3: FindCoefficientScene(); break;
      case 4: ParabolaLineAreaScene(); break;
    }
  });
}

// The plane of both catch-up scenes: 6 steps across and 19 up, 30 units a
// step, origin (792, 600). The grid carries no step numbers; its value
// labels read 10 seconds and 50 metres a step, whatever scale the plane
// itself was drawn with.
void Velmora::DrawCatchUpPlane(float baix, float baiy, float aa2, float bb2) {
  GGX = 792;
  GGY = 30;
  SIZE = 30;
  AA1 = 0;
  AA2 = aa2;
  BB1 = 0;
  BB2 = bb2;
  BAIX = baix;
  BAIY = baiy;
  CCC2 = 10;
  NASI = -1;
  DrawCoordinatePlane();
  BAIX = 10;
  BAIY = 50;
  DrawScaledTickLabels();
}

// One graph on the catch-up plane: the plot resets the scale, so it is set
// again before every graph. The x range is the caller's.
void Velmora::PlotCatchUpGraph(float kind, float a, float colour, const std::string& label) {
  BAIX = 10;
  BAIY = 50;
  IROIRO = kind;
  AA = a;
  BB = 0;
  CCC3 = colour;
  AAA_s = label;
  PlotFunctionGraph();
}

// A vehicle's table from x 30: the x row at `top` with the times T$(1..6),
// the y row 50 below it empty; xj, yj take the corner of its first y cell,
// where the refill starts. The cells leave the text cursor alone.
void Velmora::DrawCatchUpTable(float top, float& xj, float& yj) {
  X = 30;
  Y = top;
  DrawCell(64, 0, 7, 15, "x");
  float k = 1;
  do {
    DrawCell(96, 0, 7, 15, T_s(k));
  } while ((k += 1) <= 6);
  X = 30;
  Y = top + 50;
  DrawCell(64, 0, 7, 13, "y");
  xj = X;
  yj = Y;
  k = 1;
  do {
    DrawCell(96, 0, 7, 13, "");
  } while ((k += 1) <= 6);
}

// Train y=1/4x^2 and car y=10x: the tables with empty y rows, the graphs on
// the scaled plane, the answer 40 seconds, and the y rows filled cell by cell.
void Velmora::TrainCatchUpScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 66;
  YI1 = 20;
  TextStatement(0, 30, 20, "電車が自動車に追いつくのは何秒後?");
  TextStatement(7, 66, 80, "電車");
  TextStatement(3, XI2, YI1, " y=ﾀ1/4ﾀx^2");

  // The times and both distances, then the train's table.
  float k = 1;
  do {
    T(k) = 10 * k;
    F(k) = (10 * k) * (10 * k) / 4;
    F(10 + k) = 10 * (10 * k);
  } while ((k += 1) <= 6);
  FormatTableValues();
  DrawCatchUpTable(140, XJ1, YJ1);

  // Car: its formula line (kept for the sheet graph scene) and its table.
  TextStatement(7, 66, 260, "自動車");
  YK2 = 260;
  TextStatement(3, XI2, YI1, " y=10x");
  DrawCatchUpTable(310, XJ2, YJ2);

  // The empty plane, drawn at one value a step and labelled at 10 and 50.
  DrawCatchUpPlane(1, 1, 6, 19);
  WaitAnyKey();

  TextStatement(7, 30, 420, "①");
  TextStatement(0, XI2, YI1, "グラフをかこう");
  WaitAnyKey();
  AA1 = 0;
  AA2 = 60;
  PlotCatchUpGraph(2, 0.25f, 3, "電車");
  WaitAnyKey();
  AA1 = 0;
  AA2 = 60;
  PlotCatchUpGraph(3, 10, 7, "自動車");
  WaitAnyKey();
  TextStatement(7, 30, 480, "②");
  TextStatement(0, XI2, YI1, "追いつくのは何秒後?");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, " 40秒後");
  WaitAnyKey();
  TextStatement(7, 30, 540, "③");
  TextStatement(0, XI2, YI1, "表で確かめよう");
  WaitAnyKey();

  // The y rows filled one cell per key: the train's, then the car's.
  RevealCells(XJ1, YJ1, 6, 96, 96, 1);
  RevealCells(XJ2, YJ2, 6, 96, 96, 11);
  WaitAnyKey();
  TextStatement(3, 30, 600, "教科書P118 問2 をやろう。");
}

// Bicycle y=5x against the train y=1/4x^2: the formula derived step by step,
// both graphs, the answer 20 seconds, and the car's line added at the end.
void Velmora::BicycleCatchUpScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 66;
  YI1 = 20;
  TextStatement(3, 30, 20, "教科書P118 問2 の解答");
  WaitAnyKey();

  DrawCatchUpPlane(10, 50, 60, 950);
  TextStatement(0, 30, 80, "自転車が");
  TextStatement(3, XI2, YI1, "x秒間");
  TextStatement(0, XI2, YI1, "に");
  TextStatement(3, XI2, YI1, "ym");
  TextStatement(0, XI2, YI1, "進むとすると");
  WaitAnyKey();
  TextStatement(3, 30, 130, "y=ax");
  TextStatement(0, XI2, YI1, " と表せ、");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "秒速5m");
  TextStatement(0, XI2, YI1, " だから ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "a=5");
  TextStatement(0, 30, 180, "したがって、");
  WaitAnyKey();
  TextStatement(7, 66, 250, "自転車");
  YK2 = 250;
  TextStatement(3, XI2, YI1, " y=5x");
  WaitAnyKey();
  TextStatement(7, 66, 320, "電車");
  TextStatement(3, XI2, YI1, " y=ﾀ1/4ﾀx^2");
  WaitAnyKey();
  TextStatement(0, 30, 380, "グラフをかき､追いつく時間を求めると");
  WaitAnyKey();
  AA1 = 0;
  AA2 = 60;
  PlotCatchUpGraph(3, 5, 7, "自転車");
  WaitAnyKey();
  AA1 = 0;
  AA2 = 60;
  PlotCatchUpGraph(2, 0.25f, 3, "電車");
  WaitAnyKey();
  TextStatement(0, 30, 440, "追いつくのは、");
  TextStatement(5, XI2, YI1, "20秒後");
  WaitAnyKey();
  // The car's line of the train scene, over the range the train's graph kept.
  PlotCatchUpGraph(3, 10, 7, "自動車");
}

// The plane of the two intersection figures: axes only, one value a step,
// 30 units a step, top-left corner (836, 50).
void Velmora::DrawFigurePlane(float aa1, float aa2, float bb1, float bb2) {
  GGX = 836;
  GGY = 50;
  AA1 = aa1;
  AA2 = aa2;
  BB1 = bb1;
  BB2 = bb2;
  BAIX = 1;
  BAIY = 1;
  CCC2 = 0;
  SIZE = 30;
  NASI = 1;
  DrawCoordinatePlane();
}

// A labelled point of a figure, R 6 in colour 3, its label offset by dx, dy;
// GX, GY are its place on the screen.
void Velmora::PlotFigurePoint(float x, float y, const std::string& label, float dx, float dy) {
  XG = x;
  YG = y;
  R = 6;
  CCC3 = 3;
  AAA_s = label;
  KASANARIX = dx;
  KASANARIY = dy;
  PlotLabeledPoint();
}

// A dotted drop from (x, y) straight down to the x axis, a dot every
// `degrees` of the half-turn.
void Velmora::DrawDottedDrop(float x, float y, float degrees) {
  ZX0 = x;
  ZY0 = y;
  ZX1 = x;
  ZY1 = GY0;
  TAKASA = 0;
  HOUKOU = 1;
  HABA = degrees;
  CCC2 = 0;
  AAA_s = "";
  DrawDimensionArc();
}

// Example 2: y=ax^2 and y=x+4 meet at x=-2 and x=4; a is found first from
// A, then, after the first solution is wiped, from B.
void Velmora::FindCoefficientScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 30;
  YI1 = 20;
  TextStatement(0, 30, 20, "例2 図でaの値を求めなさい。");

  // The figure: the parabola drawn with the answer a = 1/2, the line, A and
  // B with dotted drops and the marks of their x at the feet.
  DrawFigurePlane(-5, 7, -1, 15);
  IROIRO = 2;
  AA = 0.5f;
  CCC3 = 0;
  AAA_s = "y=ax^2";
  KASANARIX = -360;
  KASANARIY = 0;
  PlotFunctionGraph();
  IROIRO = 3;
  AA = 1;
  BB = 4;
  CCC3 = 0;
  AAA_s = "y=x+4";
  KASANARIX = -360;
  KASANARIY = 390;
  PlotFunctionGraph();
  PlotFigurePoint(-2, 2, "A", -30, -10);
  Xa(11) = GX;
  Ya(11) = GY;
  DrawDottedDrop(Xa(11), Ya(11), 8);
  MathTextAt(3, Xa(11) - 27, GY0, "-2");
  PlotFigurePoint(4, 8, "B", -10, -10);
  Xa(12) = GX;
  Ya(12) = GY;
  DrawDottedDrop(Xa(12), Ya(12), 3);
  MathTextAt(3, Xa(12) - 14, GY0, "4");

  // One solution, from the point's y to the answer, in the same lines for A
  // and B: the point p at x on the line y=x+4 has y; a = y / xx, xx being
  // the square of x, written `square` in the equation.
  auto solution = [&](const std::string& p, const std::string& x, const std::string& y,
                      const std::string& square, const std::string& xx) {
    TextStatement(7, XI0, YI1 + 50, "点" + p + "のy座標を求める");
    TextStatement(0, XI0, YI1 + 50, "y=x+4 にx=" + x + " を代入すると");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 50, "y=" + x + "+4=");
    WaitAnyKey();
    TextStatement(3, XI2, YI1, y);
    TextStatement(0, XI2, YI1, " だから ");
    TextStatement(3, XI2, YI1, p + "(" + x + "," + y + ")");
    WaitAnyKey();
    TextStatement(7, XI1, YI1 + 60, "y=ax^2 に点" + p + "の座標の値を代入する");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 50, "y=ax^2 に,x=" + x + ",y=" + y + "を代入して");
    TextStatement(0, XI1, YI1 + 60, y + "=a*" + square + "  ");
    WaitAnyKey();
    TextStatement(0, XI2, YI1, xx + "a=" + y + " ");
    WaitAnyKey();
    TextStatement(3, XI1, YI1 + 70, "a=");
    WaitAnyKey();
    TextStatement(0, XI2, YI1, "ﾀ" + y + "/" + xx + "ﾀ=");
    WaitAnyKey();
    TextStatement(3, XI2, YI1, "ﾀ1/2ﾀ");
    TextStatement(5, XI1, YI1 + 70, "答 a=ﾀ1/2ﾀ");
    WaitAnyKey();
  };

  TextStatement(3, XI0, YI1 + 50, "<点Aを使う解答>");
  V(1) = YI1;
  WaitAnyKey();
  solution("A", "-2", "2", "(-2)^2", "4");

  // The first solution goes; the second is written in the same lines.
  DrawBoxRel(0, V(1), 792, 1300, 15, 15);
  YI1 = V(1);
  TextStatement(3, XI0, YI1, "<点Bを使う解答>");
  WaitAnyKey();
  solution("B", "4", "8", "4^2", "16");
  TextStatement(3, XI0, YI1 + 70, "教科書P119 問3 をやろう。");
}

// Question 3 of page 119: A and B on y=-2x^2 at x=-1 and x=3, the line AB
// and the area of the triangle OAB. The figure is drawn on y=-x^2 and
// y=-3x-4, which fit the plane, while its marks carry the problem's numbers.
void Velmora::ParabolaLineAreaScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 84;
  YI1 = 20;
  TextStatement(3, 30, 20, "教科書P119 問3 の解答");
  WaitAnyKey();

  DrawFigurePlane(-5, 5, -17, 1);
  IROIRO = 2;
  AA = -1;
  CCC3 = 0;
  AAA_s = "y=-2x^2";
  KASANARIX = -300;
  KASANARIY = 0;
  PlotFunctionGraph();
  IROIRO = 3;
  AA = -3;
  BB = -4;
  CCC3 = 0;
  AAA_s = "";
  PlotFunctionGraph();
  PlotFigurePoint(-1, -1, "A", -30, 20);
  Xa(11) = GX;
  Ya(11) = GY;
  DrawLine(Xa(11), Ya(11), Xa(11), GY0, 3);
  MathTextAt(3, Xa(11) - 27, GY0 - 50, "-1");
  PlotFigurePoint(4, -16, "B", 40, 20);
  Xa(12) = GX;
  Ya(12) = GY;
  DrawLine(Xa(12), Ya(12), Xa(12), GY0, 3);
  MathTextAt(3, Xa(12) - 14, GY0 - 50, "3");
  Xa(10) = GX0;
  Ya(10) = GY0;
  WaitAnyKey();

  // (1) the coordinates of A and B.
  TextStatement(3, XI0, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "x=-1 を代入して y=-2*(-1)^2");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, "y=-2");
  TextStatement(5, XI2, YI1, "　A(-1,-2)");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "x=3 を代入して y=-2*3^2=-2*9");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, "y=-18");
  TextStatement(5, XI2, YI1, "　B(3,-18)");
  WaitAnyKey();

  // (2) the line AB.
  TextStatement(3, XI0, YI1 + 60, "(2)");
  TextStatement(0, XI2, YI1, "求める式を y=ax+b とすると、");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, "a");
  TextStatement(0, XI2, YI1, "=-2*(-1+3)=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "-2*2=");
  TextStatement(3, XI2, YI1, "-4");
  TextStatement(0, XI1, YI1 + 50, "y=-4x+b ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "にx=-1,y=-2 を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "-2=-4*(-1)+b");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "-2=4+b");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "b=-2-4");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "=-6");
  TextStatement(5, XI1 + 36, YI1 + 50, "答　y=-4x-6");
  WaitAnyKey();
  // C, where the line crosses the y axis, labelled with the problem's -6.
  PlotFigurePoint(0, -4, "-6", -50, 25);
  Xa(13) = GX;
  Ya(13) = GY;
  TextStatement(3, Xa(13) - 40, Ya(13) + 25, "C");
  WaitAnyKey();

  // (3) every text left of the plane goes; the triangles are outlined.
  DrawBoxRel(0, 0, GX1 - 40, 1800, 15, 15);
  SetPenWidth(5);
  XI0 = 30;
  XI1 = 84;
  YI1 = 20;
  TextStatement(3, 30, 20, "(3)");
  TextStatement(3, XI2, YI1, "△OABの面積は、");
  DrawPolyline({{Xa(10), Ya(10)}, {Xa(11), Ya(11)}, {Xa(12), Ya(12)}, {Xa(10), Ya(10)}}, 9);
  WaitAnyKey();
  TextStatement(7, XI1, YI1 + 50, "△OACと");
  TextStatement(3, XI2, YI1, "△OBCをたせばよい。");
  DrawPolyline({{Xa(10), Ya(10)}, {Xa(11), Ya(11)}, {Xa(13), Ya(13)}, {Xa(10), Ya(10)}}, 7);
  DrawPolyline({{Xa(10), Ya(10)}, {Xa(13), Ya(13)}, {Xa(12), Ya(12)}, {Xa(10), Ya(10)}}, 3);
  WaitAnyKey();
  TextStatement(7, XI1, YI1 + 50, "△OACの底辺は6,高さが1");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, "△OBCの底辺は6,高さが3");
  TextStatement(0, XI2, YI1, " だから");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, " ﾀ1/2ﾀ*6*1+ﾀ1/2ﾀ*6*3");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "=3+9");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "=12");
  TextStatement(5, XI1 + 36, YI1 + 60, "答　12");
}

}  // namespace lesson
