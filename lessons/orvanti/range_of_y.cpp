// Topic 3 of orvanti: the range of y from the range of x. The sub-menu, the
// range read off the graph of y=x^2 and the answers of the textbook's range
// questions; the two drills are in range_drills.cpp.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::RangeMenu() {
  ShowTopicGoal({"xの変域からyの変域を求めよう。"});
  RunSubMenu("①練習1　②変域グラフ　③練習２　④問3,4,5解答　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: RangeDrillScene(); break;
      case 2: RangeGraphScene(); break;
      case 3: RangeDrill2Scene(); break;
      case 4: RangeAnswersScene(); break;
      default: break;
    }
  });
}

// The plane of the range scene: x from -5 to 5, y from -1 to 25, 20 a
// step, axes only, at (880, 50).
void Orvanti::RangePlane() {
  GGX = 880; GGY = 50; SIZE = 20;
  AA1 = -5; AA2 = 5; BB1 = -1; BB2 = 25;
  CCC2 = 0; NASI = -1;
  DrawCoordinatePlane();
}

// y=AA*x^2 over the plane's width as dots in colour 0, finer where the
// curve is steep (y above 1.2) than near the vertex.
void Orvanti::DotParabola() {
  GX5 = AA1;
  GY5 = AA * (GX5 * GX5);
  while (GX5 <= AA2) {
    GX = GX0 + SIZE * GX5;
    GY = GY0 - SIZE * GY5;
    if (GY1 <= GY && GY <= GY2) FillCircle(GX, GY, 1, 0, 0);
    HABA = GY5 > 1.2f ? 0.1f : 0.2f;
    GX5 = GX5 + HABA;
    GY5 = AA * (GX5 * GX5);
  }
}

// The number text of v, blanks removed.
std::string Orvanti::NumberText(float v) { return StripSpacesOf(Str(v)); }

// A double arrow on the y axis from the range's least value at Y(5) to its
// greatest at Y(6): one shaft drawn twice, a head at each end.
void Orvanti::RangeDoubleArrow() {
  SetPenWidth(6);
  ZX0 = GX0; ZY0 = Ya(5); ZX = GX0; ZY = Ya(6);
  MUKI = 1; CCC2 = 5; NAGASA = 16;
  DrawArrow();
  // The arrow came back with its ends exchanged: set all four again.
  ZX0 = GX0; ZY0 = Ya(5); ZX = GX0; ZY = Ya(6);
  MUKI = -1; CCC2 = 5; NAGASA = 16;
  DrawArrow();
  SetPenWidth(5);
}

// On the plane just drawn: the dotted parabola, the solid arc of y=x^2 over
// A1..A2, guides from both end points to the axes with their numbers, and
// the range of y as a double arrow on the y axis.
void Orvanti::PlotRangeOnParabola() {
  DotParabola();
  PlotParabolaOver(A1, A2);
  Xa(1) = A1; Ya(1) = AA * (A1 * A1);
  Xa(2) = A2; Ya(2) = AA * (A2 * A2);
  if (Ya(1) < Ya(2)) {
    Ya(7) = Ya(1); Ya(8) = Ya(2);
  } else {
    Ya(7) = Ya(2); Ya(8) = Ya(1);
  }
  // Both ends on one side of 0: y is monotone there; else the vertex gives 0.
  Ya(5) = Xa(1) * Xa(2) > 0 ? Ya(7) : 0;
  Ya(6) = Ya(8);
  Xa(5) = 0; Xa(6) = 0;
  Xa(3) = GX0 + SIZE * Xa(1); Ya(3) = GY0 - SIZE * Ya(1);
  Xa(4) = GX0 + SIZE * Xa(2); Ya(4) = GY0 - SIZE * Ya(2);
  Xa(5) = GX0 + SIZE * Xa(5); Ya(5) = GY0 - SIZE * Ya(5);
  Xa(6) = GX0 + SIZE * Xa(6); Ya(6) = GY0 - SIZE * Ya(6);

  SetPenWidth(5);
  DrawLine(Xa(3), Ya(3), Xa(3), GY0, 7);
  DrawLine(Xa(3), Ya(3), GX0, Ya(3), 7);
  DrawLine(Xa(4), Ya(4), Xa(4), GY0, 7);
  DrawLine(Xa(4), Ya(4), GX0, Ya(4), 7);
  MathTextAt(7, Xa(3) - 27, GY0, NumberText(Xa(1)));
  MathTextAt(7, Xa(4) - 13, GY0, NumberText(Xa(2)));
  MathTextAt(7, GX0 + 8, Ya(3), NumberText(Ya(1)));
  MathTextAt(7, GX0 + 8, Ya(4), NumberText(Ya(2)));
  RangeDoubleArrow();
}

// The solid arc of y=x^2 over a..b in colour 3.
void Orvanti::PlotParabolaOver(float a, float b) {
  AA1 = a;
  AA2 = b;
  PlotParabola(1, 3, "");
}

// The range of y of y=x^2 read off the graph: -4≦x≦3 step by step, then
// 2≦x≦4 and -5≦x≦-2 each drawn whole.
void Orvanti::RangeGraphScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  SetPenWidth(5);
  XI1 = 60;
  YI1 = 30;
  TextStatement(0, XI1 - 30, YI1, "①関数 y=x^2(-4≦x≦3)について、");
  TextStatement(0, XI1 + 30, YI1 + 50, "yの変域をいいなさい。");
  TextStatement(3, XI1, YI1 + 50, "<解答>");
  WaitAnyKey();

  RangePlane();
  AA = 1;
  DotParabola();
  PlotParabolaOver(-4, 3);
  Xa(1) = AA1; Ya(1) = AA * (AA1 * AA1);
  Xa(2) = AA2; Ya(2) = AA * (AA2 * AA2);
  Xa(3) = GX0 + SIZE * Xa(1); Ya(3) = GY0 - SIZE * Ya(1);
  Xa(4) = GX0 + SIZE * Xa(2); Ya(4) = GY0 - SIZE * Ya(2);
  WaitAnyKey();

  DrawLine(Xa(3), Ya(3), Xa(3), GY0, 7);
  DrawLine(Xa(4), Ya(4), Xa(4), GY0, 7);
  MathTextAt(7, Xa(3) - 27, GY0, NumberText(Xa(1)));
  MathTextAt(7, Xa(4) - 13, GY0, NumberText(Xa(2)));
  WaitAnyKey();
  DrawLine(Xa(3), Ya(3), GX0, Ya(3), 7);
  DrawLine(Xa(4), Ya(4), GX0, Ya(4), 7);
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 60, "x=-4のとき、");
  TextStatement(0, XI2, YI1, "y=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "(-4)^2");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "=16");
  WaitAnyKey();
  MathTextAt(7, GX0, Ya(3) - 22, NumberText(Ya(1)));
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "x=3のとき、");
  TextStatement(0, XI2, YI1, "y=");
  TextStatement(0, XI2, YI1, "3^2");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "=9");
  WaitAnyKey();
  MathTextAt(7, GX0 - 30, Ya(4) - 24, NumberText(Ya(2)));
  WaitAnyKey();

  // From 9 up to 16, head at 16.
  SetPenWidth(6);
  ZX0 = GX0; ZY0 = Ya(3); ZX = GX0; ZY = Ya(4);
  MUKI = -1; CCC2 = 5; NAGASA = 16;
  DrawArrow();
  SetPenWidth(3);
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "x=0のとき、");
  TextStatement(0, XI2, YI1, "y=");
  TextStatement(3, XI2, YI1, "0");
  TextStatement(0, XI2, YI1, " だから");
  WaitAnyKey();
  // From 9 down to the origin, head at 0.
  SetPenWidth(6);
  ZX0 = GX0; ZY0 = GY0; ZX = GX0; ZY = Ya(4);
  MUKI = -1; CCC2 = 5; NAGASA = 16;
  DrawArrow();
  SetPenWidth(5);
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 60, "0≦y≦16");
  WaitAnyKey();

  // The next problems: heading, then the figure drawn anew right of 840.
  TextStatement(0, XI1, YI1 + 70, "② 2≦x≦4 のとき");
  DrawBoxRel(GGX - 40, 0, 1320, 1800, 15, 15);
  RangePlane();
  AA = 1; A1 = 2; A2 = 4;
  PlotRangeOnParabola();
  WaitAnyKey();
  TextStatement(5, XI2 + 90, YI1, "4≦y≦16");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, "③ -5≦x≦-2 のとき");
  DrawBoxRel(GGX - 40, 0, 1320, 1800, 15, 15);
  RangePlane();
  AA = 1; A1 = -5; A2 = -2;
  PlotRangeOnParabola();
  WaitAnyKey();
  TextStatement(5, XI2 + 90, YI1, "4≦y≦25");
}

// The answers of the textbook's range questions 3, 4 and 5, in two columns.
void Orvanti::RangeAnswersScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI0 = 30;
  XI1 = XI0 + 81;
  YI1 = 30;
  TextStatement(7, XI1, YI1, "問3 解答");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "x=-2 のとき y=12 ");
  TextStatement(0, XI1, YI1 + 50, "x=0 のとき y=0 だから");
  TextStatement(5, XI1, YI1 + 50, "0≦y≦12");
  WaitAnyKey();
  TextStatement(7, XI1, YI1 + 60, "問4 解答");
  TextStatement(3, XI0, YI1 + 50, "(1) ");
  TextStatement(0, XI1, YI1, "x=2 のとき y=-8 ");
  TextStatement(0, XI1, YI1 + 50, "x=4 のとき y=-32 だから");
  TextStatement(5, XI1, YI1 + 50, "-32≦y≦-8");
  WaitAnyKey();
  TextStatement(3, XI0, YI1 + 50, "(2) ");
  TextStatement(0, XI1, YI1, "x=-2 のとき y=-8 ");
  TextStatement(0, XI1, YI1 + 50, "x=0 のとき y=0 だから");
  TextStatement(5, XI1, YI1 + 50, "-8≦y≦0");
  WaitAnyKey();
  // The right column.
  XI0 = 600;
  XI1 = XI0 + 81;
  YI1 = 30;
  TextStatement(3, XI0, YI1, "(3) ");
  TextStatement(0, XI1, YI1, "x=-4 のとき y=-32 ");
  TextStatement(0, XI1, YI1 + 50, "x=-2 のとき y=-8 だから");
  TextStatement(5, XI1, YI1 + 50, "-32≦y≦-8");
  WaitAnyKey();
  TextStatement(7, XI1, YI1 + 70, "問5 解答");
  TextStatement(0, XI1, YI1 + 60, "x=0 のとき y=0 で");
  TextStatement(0, XI1, YI1 + 60, "-1≦x≦3　だから");
  TextStatement(0, XI1, YI1 + 60, "最小値は、2ではなく0");
  TextStatement(0, XI1, YI1 + 60, "正解は、");
  TextStatement(3, XI2, YI1, "0≦y≦18");
}

}  // namespace lesson
