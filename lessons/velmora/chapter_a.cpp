// Topic 5 of velmora: the chapter problems A of page 124. No goal banner:
// the topic opens on its sub-menu. Problem 1 sorts five graphs by their
// features; problems 2 to 4 are worked solutions; problem 5, the moving
// point, is in moving_point.cpp.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::ChapterAMenu() {
  RunSubMenu("P124(章の問題A)　①～⑤問題　 ⑥終了", 6, [&](int k) {
    switch (k) {
      case 1: GraphFeaturesScene(); break;
      case 2: CoefficientFromPointScene(); break;
      case 3: RateOfChangeScene(); break;
      case 4: RangeOfYScene(); break;
      case 5: MovingPointTriangleScene(); break;
    }
  });
}

void Velmora::DrawChapterHeader(float pageWidth, const std::string& page,
                                const std::string& number) {
  PageTitleCell(pageWidth, page);
  ProblemNumberCell(XI2 + 44, YI1, number);
}

// Problem 1: five graphs on one plane, labelled ア to オ, then four
// properties, each answered with the letters of the graphs that have it.
void Velmora::GraphFeaturesScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI0 = 40;
  XI1 = XI0 + 81;
  YI1 = 30;
  BAIX = 1;
  BAIY = 1;
  SetPenWidth(5);
  DrawChapterHeader(456, "P124(章の問題A)", "1");
  GGX = 572; GGY = 90; SIZE = 30;
  AA1 = -8; AA2 = 8; BB1 = -8; BB2 = 8;
  CCC2 = 0;
  DrawCoordinatePlane();
  WaitAnyKey();

  // The graphs over the plane's own x range; each label at its last dot.
  struct Graph {
    float kind, a, b, colour;
    const char* label;
  };
  static const Graph kGraphs[5] = {
      {2, 2, 0, 3, "ア"},  {2, -2, 0, 5, "エ"}, {3, -2, 1, 7, "イ"},
      {3, 2, 0, 0, "ウ"},  {1, 2, 0, 9, "オ"},
  };
  for (const Graph& g : kGraphs) {
    IROIRO = g.kind;
    AA = g.a;
    BB = g.b;
    CCC3 = g.colour;
    AAA_s = g.label;
    PlotFunctionGraph();
  }
  WaitAnyKey();

  TextStatement(3, XI0, YI1 + 90, "(1)");
  TextStatement(0, XI1, YI1, "y軸について対称");
  WaitAnyKey();
  TextStatement(5, XI2 + 40, YI1, "ア,エ");
  WaitAnyKey();
  TextStatement(3, XI0, YI1 + 60, "(2)");
  TextStatement(0, XI1, YI1, "原点を通る");
  WaitAnyKey();
  TextStatement(5, XI2 + 40, YI1, "ア,ウ,エ");
  WaitAnyKey();
  TextStatement(3, XI0, YI1 + 60, "(3)");
  TextStatement(0, XI1, YI1, "xの値が増加すると");
  TextStatement(0, XI1, YI1 + 50, "yの値もつねに増加");
  WaitAnyKey();
  TextStatement(5, XI2 + 40, YI1, "ウ");
  WaitAnyKey();
  TextStatement(3, XI0, YI1 + 60, "(4)");
  TextStatement(0, XI1, YI1, "変化の割合が一定でない関数");
  WaitAnyKey();
  TextStatement(5, XI1 + 40, YI1 + 50, "ア,エ,オ");
}

// Problem 2: the coefficient from the point (4, -8), the value at x = -2,
// and the graph of y = -1/2 x^2.
void Velmora::CoefficientFromPointScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 72;
  YI1 = 30;
  DrawChapterHeader(456, "P124(章の問題A)", "2");
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "y=ax^2 とする");
  TextStatement(0, XI1, YI1 + 50, "x=4,y=-8 を代入して");
  TextStatement(0, XI1, YI1 + 50, "-8=a*4^2=16a");
  TextStatement(0, XI1, YI1 + 70, "a=ﾀ-8/16ﾀ=-ﾀ1/2ﾀ ");
  TextStatement(5, XI2, YI1, "y=-ﾀ1/2ﾀx^2");
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 80, "(2)");
  TextStatement(0, XI2, YI1, "y=-ﾀ1/2ﾀx^2 に");
  TextStatement(0, XI1, YI1 + 70, "x=-2 を代入して");
  TextStatement(0, XI1, YI1 + 80, "y=-ﾀ1/2ﾀ*(-2)^2=-ﾀ1/2ﾀ*4=");
  TextStatement(3, XI2, YI1, "-2");
  TextStatement(5, XI1, YI1 + 70, "y=-2 ");
  BAIX = 1;
  BAIY = 1;
  GGX = 572; GGY = 90; SIZE = 40;
  AA1 = -4; AA2 = 4; BB1 = -8; BB2 = 1;
  CCC2 = 14;
  NASI = 0;
  DrawCoordinatePlane();
  WaitAnyKey();

  PlotParabola(-0.5f, 5, "");
}

// Problem 3: two rates of change; the conclusion of (2) stands to the
// right of its working, from the place kept in XJ1, YJ1.
void Velmora::RateOfChangeScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 72;
  YI1 = 30;
  DrawChapterHeader(396, "P124(章の問題A)", "3");
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "x=-3 のとき y=-2*(-3)^2=-2*9=");
  TextStatement(3, XI2, YI1, "-18");
  TextStatement(0, XI1, YI1 + 60, "x=0 のとき y=-2*0^2=");
  TextStatement(3, XI2, YI1, "0");
  TextStatement(0, XI1, YI1 + 60, "だから、変化の割合は");
  TextStatement(0, XI1, YI1 + 70, "ﾀyの増加量/xの増加量ﾀ");
  TextStatement(0, XI2, YI1, "=ﾀ0-(-18)/0-(-3)ﾀ=ﾀ18/3ﾀ=");
  TextStatement(5, XI2, YI1, "6");
  WaitAnyKey();

  SolveRateForCoefficient("x=6 のとき y=a*6^2=", "36a", "=ﾀ36a-9a/6-3ﾀ=ﾀ27a/3ﾀ=", "9a",
                          "したがって、9a=-6", "a=-ﾀ6/9ﾀ=", "-ﾀ2/3ﾀ");
}

void Velmora::SolveRateForCoefficient(const std::string& second, const std::string& secondValue,
                                      const std::string& rate, const std::string& rateValue,
                                      const std::string& equation, const std::string& solving,
                                      const std::string& answer) {
  TextStatement(3, XI1 - 36, YI1 + 80, "(2)");
  TextStatement(0, XI2, YI1, "x=3 のとき y=a*3^2=");
  TextStatement(3, XI2, YI1, "9a");
  // the conclusion's place: on this line, 96 after "9a"
  XJ1 = X + 96;
  YJ1 = Y;
  TextStatement(0, XI1, YI1 + 60, second);
  TextStatement(3, XI2, YI1, secondValue);
  TextStatement(0, XI1, YI1 + 70, "だから、変化の割合は");
  TextStatement(0, XI1, YI1 + 70, "ﾀyの増加量/xの増加量ﾀ");
  TextStatement(0, XI2, YI1, rate);
  TextStatement(5, XI2, YI1, rateValue);
  TextStatement(0, XJ1, YJ1, equation);
  TextStatement(0, XJ1 + 192, YI1 + 70, solving);
  TextStatement(5, XI2, YI1, answer);
}

// Problem 4: the range of y over -2 <= x <= 3 for a line and a parabola.
void Velmora::RangeOfYScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 72;
  YI1 = 30;
  DrawChapterHeader(456, "P124(章の問題A)", "4");
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "y=-3x+5");
  TextStatement(0, XI1, YI1 + 60, "x=-2 のとき y=-3*(-2)+5=6+5=");
  TextStatement(3, XI2, YI1, "11");
  TextStatement(0, XI1, YI1 + 60, "x=3 のとき y=-3*3+5=-9+5=");
  TextStatement(3, XI2, YI1, "-4");
  TextStatement(0, XI1, YI1 + 70, "だから、yの変域は ");
  TextStatement(5, XI2, YI1, "-4≦y≦11");
  WaitAnyKey();

  TextStatement(3, XI1 - 36, YI1 + 80, "(2)");
  TextStatement(0, XI2, YI1, "y=2x^2");
  TextStatement(0, XI1, YI1 + 60, "x=-2 のとき y=2*(-2)^2=2*4=");
  TextStatement(3, XI2, YI1, "8");
  TextStatement(0, XI1, YI1 + 60, "x=0 のとき y=");
  TextStatement(3, XI2, YI1, "0");
  TextStatement(0, XI1, YI1 + 60, "x=3 のとき y=2*3^2=2*9=");
  TextStatement(3, XI2, YI1, "18");
  TextStatement(0, XI1, YI1 + 70, "だから、yの変域は ");
  TextStatement(5, XI2, YI1, "0≦y≦18");
}

}  // namespace lesson
