// Topic 1 of orvanti: how y increases or decreases while x increases from
// -3 to 3, for y=x+2 and y=-x+2, then for y=x^2 and y=-x^2.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::IncDecMenu() {
  ShowTopicGoal({"y=ax^2でyの増減を調べよう。"});
  RunSubMenu("①1次関数a>0　②1次関数a<0　③y=ax^2 a>0　④y=ax^2 a<0　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: IncDecLinearRisingScene(); break;
      case 2: IncDecLinearFallingScene(); break;
      case 3: IncDecParabolaUpScene(); break;
      case 4: IncDecParabolaDownScene(); break;
      default: break;
    }
  });
}

void Orvanti::IncDecLinearRisingScene() { IncDecLinearScene(false); }
void Orvanti::IncDecLinearFallingScene() { IncDecLinearScene(true); }
void Orvanti::IncDecParabolaUpScene() { IncDecParabolaScene(false); }
void Orvanti::IncDecParabolaDownScene() { IncDecParabolaScene(true); }

void Orvanti::ArrowBetween(float x0, float y0, float x1, float y1, float colour) {
  ZX0 = x0; ZY0 = y0; ZX = x1; ZY = y1;
  MUKI = 1; CCC2 = colour; NAGASA = 16;
  DrawArrow();
}

// The problem's heading and the plane that both twins of a topic-1 scene
// share: x from -4 to 4 at (792, 120), grid and step numbers shown.
void Orvanti::IncDecOpening(const std::string& heading) {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 60;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(0, XI1 - 30, YI1, heading);
  TextStatement(0, XI1, YI1 + 50, "増加するとき、yの増減をいいなさい。");
  GGX = 792; GGY = 120;
  AA1 = -4; AA2 = 4;
  CCC2 = 10; NASI = 1;
  DrawCoordinatePlane();
}

// Points (x, y) of the plane to window units, into X(i), Y(i) from i = 1.
void Orvanti::MapPlanePoints(std::initializer_list<Point> points) {
  float i = 1;
  for (const Point& p : points) {
    Xa(i) = GX0 + SIZE * p.x;
    Ya(i) = GY0 - SIZE * p.y;
    i = i + 1;
  }
}

// y=x+2 (rising) or y=-x+2 (falling): the increase of x and the change of y
// as arrows, the answer, and the rule with an arrow along the line.
void Orvanti::IncDecLinearScene(bool falling) {
  SIZE = 30;
  BB1 = -6; BB2 = 6;
  IncDecOpening(falling ? "課1 1次関数 y=-x+2 で、xが-3から3まで"
                        : "課1 1次関数 y=x+2 で、xが-3から3まで");
  if (falling)
    MapPlanePoints({{-3, 5}, {3, 5}, {3, -1}, {-3, 3}, {2, -2}});
  else
    MapPlanePoints({{-3, -1}, {3, -1}, {3, 5}, {-3, 0}, {2, 5}});
  IROIRO = 3; AA = falling ? -1 : 1; BB = 2;
  CCC3 = 3; AAA_s = "";
  PlotFunctionGraph();
  MathTextAt(0, GX2, GY1, falling ? "y=-x+2" : "y=x+2");
  WaitAnyKey();

  // The key waits put the width back, so all three arrows are 6 wide.
  SetPenWidth(6);
  ArrowBetween(Xa(1), Ya(1), Xa(2), Ya(2), 7);
  WaitAnyKey();
  ArrowBetween(Xa(2), Ya(2), Xa(3), Ya(3), 7);
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 70, falling ? "減少する" : "増加する");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 70, falling ? "右下がりは減少" : "右上がりは増加");
  ArrowBetween(Xa(4), Ya(4), Xa(5), Ya(5), 5);
}

// One answer line: the condition in colour 0 on the next line, its word in
// colour 3 right after it.
void Orvanti::IncDecAnswerLine(float dy, const std::string& condition, const std::string& word) {
  TextStatement(0, XI1, YI1 + dy, condition);
  TextStatement(3, XI2, YI1, word);
}

// y=x^2 (up) or y=-x^2 (down): the increase of x, the two branches on
// either side of the vertex, the answer line by line and the summary for
// every a of that sign.
void Orvanti::IncDecParabolaScene(bool down) {
  SIZE = down ? 35 : 30;
  BB1 = down ? -12 : -1;
  BB2 = down ? 1 : 12;
  IncDecOpening(down ? "課4 関数 y=-x^2 で、xが-3から3まで" : "課3 関数 y=x^2 で、xが-3から3まで");
  const float s = down ? -1 : 1;
  MapPlanePoints({{-3, 9 * s}, {3, 9 * s}, {0, 0}, {0, 0}});
  IROIRO = 2; AA = s;
  CCC3 = 3; AAA_s = "";
  PlotFunctionGraph();
  if (down)
    MathTextAt(0, GX2, GY1 + 30, "y=-x^2");
  else
    MathTextAt(0, GX2, GY1, "y=x^2");
  WaitAnyKey();

  SetPenWidth(6);
  ArrowBetween(Xa(1), Ya(1), Xa(2), Ya(2), 7);
  WaitAnyKey();
  ArrowBetween(Xa(1), Ya(1), Xa(3), Ya(3), 5);
  WaitAnyKey();
  ArrowBetween(Xa(4), Ya(4), Xa(2), Ya(2), 5);
  WaitAnyKey();

  const std::string left = down ? "増加" : "減少";
  const std::string right = down ? "減少" : "増加";
  const std::string vertex = down ? "最大値 y=0" : "最小値 y=0";
  TextStatement(down ? 1 : 0, XI1, YI1 + 70, "<解答>");
  WaitAnyKey();
  IncDecAnswerLine(50, "-3≦x<0 のとき ", left);
  WaitAnyKey();
  IncDecAnswerLine(50, "0<x≦3 のとき ", right);
  WaitAnyKey();
  IncDecAnswerLine(50, "x=0 のとき ", vertex);
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 70, down ? "< y=ax^2 a<0では>" : "< y=ax^2 a>0では>");
  IncDecAnswerLine(50, "x<0 のとき ", left);
  IncDecAnswerLine(50, "x>0 のとき ", right);
  IncDecAnswerLine(50, "x=0 のとき ", vertex);
  SetPenWidth(3);
}

}  // namespace lesson
