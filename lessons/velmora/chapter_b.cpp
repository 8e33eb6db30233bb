// Topic 6 of velmora: the chapter problems B of page 125. No goal banner:
// the topic opens on its sub-menu. Problem 1 finds a coefficient twice,
// problem 2 works a parabola and a line with their triangles; problem 3,
// the sliding overlap, is in sliding_overlap.cpp.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::ChapterBMenu() {
  RunSubMenu("P125(章の問題B)　①～③→解答　 　④→終了", 4, [&](int k) {
    switch (k) {
      case 1: CoefficientFromRateScene(); break;
      case 2: ParabolaTriangleScene(); break;
      case 3: SlidingOverlapScene(); break;
    }
  });
}

// Problem 1: a from a point of the graph, then a from a rate of change;
// question (1) comes with the header, (2) after a key.
void Velmora::CoefficientFromRateScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 72;
  YI1 = 30;
  DrawChapterHeader(360, "P125(章の問題B)", "1");
  TextStatement(3, XI1 - 36, YI1 + 50, "(1)");
  TextStatement(0, XI2, YI1, "x=3 のとき y=6 だから");
  TextStatement(0, XI1, YI1 + 80, "6=a*3^2 6=9a ");
  TextStatement(5, XI2, YI1, "a=");
  TextStatement(0, XI2, YI1, "ﾀ6/9ﾀ=");
  TextStatement(5, XI2, YI1, "ﾀ2/3ﾀ");
  WaitAnyKey();

  SolveRateForCoefficient("x=5 のとき y=a*5^2=", "25a", "=ﾀ25a-9a/5-3ﾀ=ﾀ16a/2ﾀ=", "8a",
                          "したがって、8a=2", "a=ﾀ2/8ﾀ=", "ﾀ1/4ﾀ");
}

// Problem 2: y = 1/4 x^2 and y = -1/2 x + 2 meet at A and B. (1) the line
// AB, (2) the area of OAB, (3) the points P with half that area. The figure
// stays on the right; the text column left of x 738 is cleared between parts.
void Velmora::ParabolaTriangleScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  SetPenWidth(5);
  XI1 = 72;
  YI1 = 30;
  DrawChapterHeader(360, "P125(章の問題B)", "2");
  GGX = 748; GGY = 150; SIZE = 45;
  BAIX = 1; BAIY = 1;
  AA1 = -5; AA2 = 5; BB1 = -1; BB2 = 6;
  CCC2 = 0;
  NASI = 1;
  DrawCoordinatePlane();
  PlotParabola(0.25f, 0, "");
  IROIRO = 3; AA = -0.5f; BB = 2; CCC3 = 0; AAA_s = "";
  PlotFunctionGraph();
  MathTextAt(0, GX2 - 128, GY1 - 30, "y=ﾀ1/4ﾀx^2");

  // A, B, C and the two points P in values
  Xa(1) = -4; Ya(1) = Xa(1) * Xa(1) / 4;
  Xa(2) = 2;  Ya(2) = Xa(2) * Xa(2) / 4;
  Xa(3) = 0;  Ya(3) = 2;
  Xa(6) = -3; Ya(6) = Xa(6) * Xa(6) / 4;
  Xa(7) = 3;  Ya(7) = Xa(7) * Xa(7) / 4;
  // Plots value point `from` and keeps its screen position in entry `to`.
  const auto plot = [&](float from, float to, float colour, const std::string& label,
                        float dx, float dy) {
    XG = Xa(from); YG = Ya(from); R = 6; CCC3 = colour; AAA_s = label;
    KASANARIX = dx; KASANARIY = dy;
    PlotLabeledPoint();
    Xa(to) = GX;
    Ya(to) = GY;
  };
  // A segment from a screen point to the origin, and a point's drop line
  // down to the x axis.
  const auto toOrigin = [&](float p, float colour) { DrawLine(Xa(p), Ya(p), GX0, GY0, colour); };
  const auto dropLine = [&](float p) { DrawLine(Xa(p), Ya(p), Xa(p), GY0, 5); };

  plot(3, 13, 5, "C", 8, -4);
  plot(1, 11, 5, "A", 40, 0);
  dropLine(11);
  MathTextAt(3, Xa(11) - 32, GY0, "-4");
  plot(2, 12, 5, "B", 30, 0);
  dropLine(12);
  MathTextAt(3, Xa(12) - 16, GY0, "2");
  WaitAnyKey();

  // (1) the line AB
  TextStatement(3, XI1 - 36, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "x=-4 のとき y=ﾀ1/4ﾀ*(-4)^2=");
  TextStatement(3, XI2, YI1, "4");
  TextStatement(0, XI1, YI1 + 80, "x=2 のとき y=ﾀ1/4ﾀ*2^2=ﾀ1/4ﾀ*4=");
  TextStatement(3, XI2, YI1, "1");
  TextStatement(0, XI1, YI1 + 70, "求める式を y=ax+b とすると、");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 80, "a");
  TextStatement(0, XI2, YI1, "=ﾀ1-4/2-(-4)ﾀ");
  TextStatement(0, XI2, YI1, "=ﾀ-3/2+4ﾀ");
  TextStatement(0, XI2, YI1, "=-ﾀ3/6ﾀ=");
  TextStatement(5, XI2, YI1, "-ﾀ1/2ﾀ");
  TextStatement(0, XI1, YI1 + 80, "y=-ﾀ1/2ﾀx+b ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "にx=2,y=1 を代入して");
  TextStatement(0, XI1, YI1 + 80, "1=-ﾀ1/2ﾀ×2+b");
  // J: where the solving for b goes, right of this line
  XJ1 = X + 96;
  YJ1 = Y;
  TextStatement(0, XI1, YI1 + 80, "1=-1+b");
  TextStatement(0, XJ1, YJ1, "b=1+1");
  TextStatement(5, XI2, YI1, "=2");
  MathTextAt(5, XJ1, YI1 + 80, "答　y=-ﾀ1/2ﾀx+2");
  WaitAnyKey();

  // (2) the area of OAB
  DrawBoxRel(0, 0, 738, 1800, 15, 15);
  plot(3, 13, 3, "2", 40, 0);
  toOrigin(11, 3);
  toOrigin(12, 3);
  WaitAnyKey();
  XI1 = 72;
  YI1 = 30;
  TextStatement(3, XI1 - 36, YI1, "(2)");
  TextStatement(0, XI2, YI1, "△OAB=△OAC+△OBC");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "△OACの底辺は2で、高さが4だから");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "△OAC=ﾀ1/2ﾀ*2*4=");
  TextStatement(3, XI2, YI1, "4");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 80, "△OBCの底辺は2で、高さも2だから");
  TextStatement(0, XI1, YI1 + 60, "△OBC=ﾀ1/2ﾀ*2*2=");
  TextStatement(3, XI2, YI1, "2");
  TextStatement(0, XI1, YI1 + 70, "よって、△OABの面積は");
  TextStatement(5, XI1, YI1 + 70, "△OAB=");
  TextStatement(0, XI2, YI1, "4+2=");
  TextStatement(5, XI2, YI1, "6");
  WaitAnyKey();

  // (3) the points P: left of the y axis first, then right of it
  DrawBoxRel(0, 0, 738, 1800, 15, 15);
  plot(6, 16, 7, "P", 40, 0);
  toOrigin(16, 7);
  DrawLine(Xa(16), Ya(16), Xa(13), Ya(13), 7);
  WaitAnyKey();
  XI1 = 72;
  YI1 = 30;
  TextStatement(3, XI1 - 36, YI1, "(3)");
  TextStatement(7, XI2, YI1, "点Pがy軸の左側にあるとき、x座標を-pとすると");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "△OPCの底辺は2で、高さがpだから");
  dropLine(16);
  MathTextAt(7, Xa(11) + 32, GY0, "-p");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "△OPC=ﾀ1/2ﾀ*2*p=");
  TextStatement(3, XI2, YI1, "p");
  TextStatement(0, XI1, YI1 + 70, "△OABの面積の半分は3だから、");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "p=3");
  TextStatement(0, XI1, YI1 + 50, "点Pのx座標は");
  TextStatement(3, XI2, YI1, "-3, ");
  TextStatement(0, XI1, YI1 + 70, "y座標は、ﾀ1/4ﾀ*(-3)^2=");
  TextStatement(3, XI2, YI1, "ﾀ9/4ﾀ");
  WaitAnyKey();
  plot(7, 17, 7, "P", 40, 0);
  toOrigin(17, 7);
  DrawLine(Xa(17), Ya(17), Xa(13), Ya(13), 7);
  TextStatement(7, XI1, YI1 + 60, "点Pがy軸の右側にあるとき、");
  TextStatement(7, XI1, YI1 + 50, "x座標をpとすると");
  dropLine(17);
  MathTextAt(7, Xa(17), GY0, "p");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 70, "p=3,");
  TextStatement(0, XI2, YI1, "x座標は");
  TextStatement(3, XI2, YI1, "3,");
  TextStatement(0, XI2, YI1, "y座標は、ﾀ1/4ﾀ*3^2=");
  TextStatement(3, XI2, YI1, "ﾀ9/4ﾀ");
  TextStatement(5, XI1, YI1 + 80, "答 P(-3,ﾀ9/4ﾀ),P(3,ﾀ9/4ﾀ)");
}

}  // namespace lesson
