// Topic 5, problem 5 of velmora: P moves on AB and Q on BC of the right
// triangle ABC; the area y of triangle PBQ as a function of PB = x.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::DrawArcBetweenPoints(float from, float to) {
  N1 = from;
  N2 = to;
  ZX0 = Xa(N1);
  ZY0 = Ya(N1);
  ZX1 = Xa(N2);
  ZY1 = Ya(N2);
  DrawDimensionArc();
}

// The figure at the moment x = 3, 60 units to the centimetre, then the
// marks of x, 2x and the area one key at a time, then the two questions.
void Velmora::MovingPointTriangleScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 72;
  YI1 = 30;
  DrawChapterHeader(396, "P124(章の問題A)", "5");

  GGX = 748; GGY = 50; YOKO = 4; TATE = 8; SIZE = 60;
  CCC2 = 15;
  SetUpGridFrame();
  SetPenWidth(5);
  // A, B, C, P, Q and the place of the area label, in cells, then on the
  // screen from the frame's bottom-left corner.
  static const float kCells[7][2] = {{0, 0}, {0, 0}, {4, 0}, {4, 8}, {1, 0}, {4, 6}, {2, 2}};
  for (int i = 1; i <= 6; i++) {
    Xa(i) = GX0 + SIZE * kCells[i][0];
    Ya(i) = GY0 - SIZE * kCells[i][1];
  }
  const auto point = [&](float i) { return Point{Xa(i), Ya(i)}; };
  A = 1;
  B = 2;
  C = 3;
  DrawPolyline({point(A), point(B), point(C), point(A)}, 0);
  // the triangle PBQ, painted over the outline
  FillPolygon({point(4), point(B), point(5), point(4)}, 0, 13);
  N1 = B;
  N2 = A;
  N3 = C;
  ZX0 = Xa(N1);
  ZY0 = Ya(N1);
  ZX1 = Xa(N2);
  ZY1 = Ya(N2);
  ZX2 = Xa(N3);
  ZY2 = Ya(N3);
  NAGASA = 25;
  CCC2 = 5;
  ITI = -1;
  DrawRightAngleMark();

  HOUKOU = 1; HABA = 5; TAKASA = -40; CCC2 = 0; AAA_s = "4cm"; CCC1 = 0;
  DrawArcBetweenPoints(A, B);
  HOUKOU = 1; HABA = 5; TAKASA = -50; CCC2 = 0; AAA_s = "8cm"; CCC1 = 0;
  DrawArcBetweenPoints(B, C);
  FillCircle(Xa(4), Ya(4), 6, 3, 3);
  FillCircle(Xa(5), Ya(5), 6, 3, 3);
  // the letters leave the text cursor where the header put it
  MathTextAt(3, Xa(1) - 27, Ya(1) + 10, "A");
  MathTextAt(3, Xa(4) - 14, Ya(4) + 10, "P");
  MathTextAt(3, Xa(2), Ya(2) + 10, "B");
  MathTextAt(3, Xa(3) + 10, Ya(3) - 20, "C");
  MathTextAt(3, Xa(5) + 10, Ya(5) - 25, "Q");
  WaitAnyKey();

  HOUKOU = -1; HABA = 5; TAKASA = -15; CCC2 = 3; AAA_s = "xcm"; CCC1 = 5;
  DrawArcBetweenPoints(4, 2);
  MathTextAt(7, Xa(6), Ya(6), "ycm^2");
  WaitAnyKey();

  HOUKOU = -1; HABA = 5; TAKASA = -15; CCC2 = 3; AAA_s = "2xcm"; CCC1 = 5;
  DrawArcBetweenPoints(2, 5);
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "BQ=2xcm だから、△PBQの面積yは");
  TextStatement(5, XI1, YI1 + 80, "y=");
  TextStatement(0, XI2, YI1, "ﾀ1/2ﾀ*x*2x=");
  TextStatement(5, XI2, YI1, "x^2");
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 80, "(2)");
  TextStatement(5, XI2, YI1, "0≦x≦4");
  TextStatement(0, XI1, YI1 + 60, "x=0 のとき y=");
  TextStatement(3, XI2, YI1, "0");
  TextStatement(0, XI1, YI1 + 60, "x=4 のとき y=4^2=");
  TextStatement(3, XI2, YI1, "16");
  TextStatement(0, XI1, YI1 + 70, "だから、yの変域は");
  TextStatement(5, XI1, YI1 + 70, "0≦y≦16");
}

}  // namespace lesson
