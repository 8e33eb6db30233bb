// Topic 4 of orvanti: the features of y=ax+b and y=ax^2 side by side. The
// shape of the graphs, how y increases and decreases, and the rate of
// change; each panel's blanks are filled one key press at a time.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::SummaryMenu() {
  ShowTopicGoal({"関数y=ax^2とy=ax+b の特徴をまとめよう。"});
  RunSubMenu("①形　②増減　③変化の割合　④終了", 4, [&](int k) {
    switch (k) {
      case 1: SummaryShapeScene(); break;
      case 2: SummaryIncDecScene(); break;
      case 3: SummaryRateScene(); break;
      default: break;
    }
  });
}

void Orvanti::SummaryHeadingCell(const std::string& text) {
  X = XI1; Y = YI1;
  CellStatement(490, 0, 3, 13, text);
}

void Orvanti::FillInBox(float x, float y, float width, const std::string& text) {
  X = x; Y = y;
  DrawCell(width, 5, 3, 13, text);
}

void Orvanti::OpenFillInBox(float& xs, float& ys, float dx, float width,
                            const std::string& number) {
  xs = XI2 + dx;
  ys = YI1;
  FillInBox(xs, ys, width, number);
}

void Orvanti::SummaryPlane(float ggx, float ggy, float size, float aa1, float aa2, float bb1,
                           float bb2, float nasi) {
  GGX = ggx; GGY = ggy; SIZE = size;
  AA1 = aa1; AA2 = aa2; BB1 = bb1; BB2 = bb2;
  CCC2 = 0; NASI = nasi;
  DrawCoordinatePlane();
}

void Orvanti::MapPointList(float n) {
  II = 1;
  do {
    Xa(II) = GX0 + Xa(II) * SIZE;
    Ya(II) = GY0 - Ya(II) * SIZE;
  } while ((II += 1) <= n);
}

void Orvanti::DrawSlopeTriangles(float n) {
  II = 1;
  do {
    GX3 = Xa(II); GY3 = Ya(II);
    GX4 = Xa(II + 1); GY4 = Ya(II + 1);
    HYOUJI_s = "nn";
    DrawRunRiseArrows();
  } while ((II += 1) <= n);
}

// The line y=1.5x+2 with its slope triangle and intercept, and the parabola
// y=0.5x^2 with its vertex; four blanks: 直線, 傾き, 切片, 放物線.
void Orvanti::SummaryShapeScene() {
  DrawBox(0, 0, 1320, 1800, 15);
  SetPenWidth(5);

  // Left panel: y=ax+b.
  XI1 = 44; YI1 = 30;
  SummaryHeadingCell("1次関数 y=ax+b の特徴");
  TextStatement(0, XI1, YI1 + 60, " グラフの形…");
  OpenFillInBox(XJ1, YJ1, 0, 105, "①");
  SummaryPlane(XI1 + 80, YI1 + 100, 30, -3, 5, -1, 10, -1);
  IROIRO = 3; AA = 1.5f; BB = 2; CCC3 = 0; AAA_s = "";
  PlotFunctionGraph();
  // slope triangle from x=1 to x=4, and the intercept
  Xa(1) = 1; Ya(1) = 3.5f;
  Xa(2) = 4; Ya(2) = 1.5f * 4 + 2;
  Xa(3) = 0; Ya(3) = 2;
  MapPointList(3);
  GX3 = Xa(1); GY3 = Ya(1); GX4 = Xa(2); GY4 = Ya(2);
  HYOUJI_s = "nn";
  DrawRunRiseArrows();
  MathTextAt(5, (GX3 + GX4) / 2 - 16, GY3, "1");
  TextStatement(5, GX4, (GY3 + GY4) / 2 - 16, "a");
  OpenFillInBox(XJ2, YJ2, 20, 105, "②");
  TextStatement(5, Xa(3) - 35, Ya(3) - 17, "b");
  // the intercept's box ends where "b" begins
  XJ3 = Xa(3) - 140; YJ3 = YI1 - 50;
  FillInBox(XJ3, YJ3, 105, "③");

  // Right panel: y=ax^2.
  XI1 = 700; YI1 = 30;
  SummaryHeadingCell("関数 y=ax^2 の特徴");
  TextStatement(0, XI1, YI1 + 60, " グラフの形…");
  OpenFillInBox(XK1, YK1, 0, 140, "①");
  SummaryPlane(XI1 + 80, YI1 + 100, 30, -4, 4, -3, 8, -1);
  IROIRO = 2; AA = 0.5f; CCC3 = 0; AAA_s = "";
  PlotFunctionGraph();
  XG = 0; YG = 0; R = 7; CCC3 = 5; AAA_s = ""; KASANARIX = 0; KASANARIY = 0;
  PlotLabeledPoint();
  MathTextAt(5, GX0 - 96, GY0, "頂点");
  // the point (2, 2) of the curve, its foot and its level
  Xa(1) = 2; Ya(1) = 2;
  Xa(2) = 2; Ya(2) = 0;
  Xa(3) = 0; Ya(3) = 2;
  MapPointList(3);
  DrawLine(Xa(3), Ya(3), Xa(1), Ya(1), 7);
  DrawLine(Xa(2), Ya(2), Xa(1), Ya(1), 7);
  MathTextAt(5, Xa(2) - 16, Ya(2), "1");
  TextStatement(5, Xa(3) - 35, Ya(3) - 22, "a");

  // The answers, one a key press.
  WaitAnyKey();
  FillInBox(XJ1, YJ1, 105, "直線");
  WaitAnyKey();
  FillInBox(XJ2, YJ2, 105, "傾き");
  WaitAnyKey();
  FillInBox(XJ3, YJ3, 105, "切片");
  WaitAnyKey();
  FillInBox(XK1, YK1, 140, "放物線");
}

// How y changes: always up or always down on the lines y=1.5x+2 and
// y=-2x+8; down, minimum, up (a>0) and up, maximum, down (a<0) on the
// parabolas y=±0.5x^2, with arrows along their branches. Eight blanks.
void Orvanti::SummaryIncDecScene() {
  // No pen of its own until the first slope triangle: the heading, the
  // first boxes and the first line take the width the last drawing left.
  DrawBox(0, 0, 1320, 1800, 15);

  // Left panel: y=ax+b.
  XI1 = 44; YI1 = 30;
  SummaryHeadingCell("y=ax+b での yの増減");
  TextStatement(0, XI1, YI1 + 60, "a>0のとき…つねに");
  OpenFillInBox(XJ1, YJ1, 0, 105, "①");
  TextStatement(0, XI1, YI1 + 60, "a<0のとき…つねに");
  OpenFillInBox(XJ2, YJ2, 20, 105, "②");

  // Two small planes side by side, a rising and a falling line.
  auto linePlane = [&](float ggx, float a, float b, float x1, float x2) {
    SummaryPlane(ggx, YI1 + 100, 25, -1, 5, -1, 10, -1);
    IROIRO = 3; AA = a; BB = b; CCC3 = 5; AAA_s = "";
    PlotFunctionGraph();
    Xa(1) = x1; Ya(1) = a * x1 + b;
    Xa(2) = x2; Ya(2) = a * x2 + b;
    MapPointList(2);
    GX3 = Xa(1); GY3 = Ya(1); GX4 = Xa(2); GY4 = Ya(2);
    HYOUJI_s = "nn";
    DrawRunRiseArrows();
  };
  linePlane(XI1 + 40, 1.5f, 2, 1, 4);
  linePlane(XI1 + 40 + 225, -2, 8, 0.5f, 3);

  // Right panel: y=ax^2, three cases for each sign of a.
  XI1 = 595; YI1 = 30;
  SummaryHeadingCell("y=ax^2 での yの増減");
  auto caseLine = [&](const std::string& text, float width, const std::string& number,
                      float& xk, float& yk) {
    TextStatement(0, XI1 + 35, YI1 + 60, text);
    OpenFillInBox(xk, yk, 0, width, number);
  };
  TextStatement(3, XI1, YI1 + 60, "a>0のとき");
  caseLine("①x<0⇒", 140, "①", XK1, YK1);
  caseLine("②x=0⇒", 175, "②", XK2, YK2);
  caseLine("③x>0⇒", 140, "③", XK3, YK3);
  TextStatement(3, XI1, YI1 + 70, "a<0のとき");
  caseLine("④x<0⇒", 140, "④", XK4, YK4);
  caseLine("⑤x=0⇒", 175, "⑤", XK5, YK5);
  caseLine("⑥x>0⇒", 140, "⑥", XK6, YK6);

  SummaryPlane(XI1 + 400, 125, 25, -4, 4, -8, 8, -1);
  PlotParabola(0.5f, 3, "");
  PlotParabola(-0.5f, 3, "");
  XG = 0; YG = 0; R = 7; CCC3 = 5; AAA_s = ""; KASANARIX = 0; KASANARIY = 0;
  PlotLabeledPoint();
  // Ends of the four branch arrows: x = -4, -1, 1, 4 on y=0.5x^2 (1 to 4)
  // and on y=-0.5x^2 (5 to 8).
  Xa(1) = -4; Xa(2) = -1; Xa(3) = 1; Xa(4) = 4;
  Xa(5) = -4; Xa(6) = -1; Xa(7) = 1; Xa(8) = 4;
  II = 1;
  do {
    Ya(II) = Xa(II) * Xa(II) / 2;
    Ya(II + 4) = -(Xa(II + 4) * Xa(II + 4)) / 2;
  } while ((II += 1) <= 4);
  MapPointList(8);
  SetPenWidth(4);
  // Each arrow beside a branch, moved half a step toward the y axis, its
  // head at the end of smaller x.
  auto branchArrow = [&](float head, float tail, float shift) {
    ZX0 = Xa(head) + shift; ZY0 = Ya(head);
    ZX = Xa(tail) + shift; ZY = Ya(tail);
    MUKI = -1; CCC2 = 5; NAGASA = 16;
    DrawArrow();
  };
  branchArrow(1, 2, SIZE / 2);
  branchArrow(3, 4, -SIZE / 2);
  branchArrow(5, 6, SIZE / 2);
  branchArrow(7, 8, -SIZE / 2);

  // The answers, one a key press.
  struct Answer {
    float *x, *y;
    float width;
    const char* text;
  };
  const Answer answers[] = {
      {&XJ1, &YJ1, 105, "増加"}, {&XJ2, &YJ2, 105, "減少"},    {&XK1, &YK1, 140, "減少"},
      {&XK2, &YK2, 175, "最小値0"}, {&XK3, &YK3, 140, "増加"}, {&XK4, &YK4, 140, "増加"},
      {&XK5, &YK5, 175, "最大値0"}, {&XK6, &YK6, 140, "減少"},
  };
  for (const Answer& a : answers) {
    WaitAnyKey();
    FillInBox(*a.x, *a.y, a.width, a.text);
  }
}

// The rate of change: constant and equal to a on y=2x+1 (four equal slope
// triangles), not constant on y=x^2 (six triangles whose rises change).
void Orvanti::SummaryRateScene() {
  // No pen of its own: the slope triangles leave width 5.
  DrawBox(0, 0, 1320, 1800, 15);

  // Left half: y=ax+b.
  XI1 = 44; YI1 = 30;
  SummaryHeadingCell("y=ax+b での 変化の割合");
  TextStatement(0, XI1, YI1 + 60, "");
  // these boxes move the cursor behind them
  OpenFillInBox(XJ1, YJ1, 0, 105, "①");
  XI2 = X; YI1 = Y;
  TextStatement(0, XI2 + 20, YI1, "で、");
  OpenFillInBox(XJ2, YJ2, 0, 70, "②");
  XI2 = X; YI1 = Y;
  TextStatement(0, XI2 + 20, YI1, "に等しい。");
  SummaryPlane(XI1 + 88, YI1 + 80, 30, -1, 5, -1, 11, 1);
  IROIRO = 3; AA = 2; BB = 1; CCC3 = 3; AAA_s = "";
  PlotFunctionGraph();
  // the points x = 0 to 4 of y=2x+1
  II = 1;
  do {
    Xa(II) = II - 1;
    Ya(II) = 2 * (II - 1) + 1;
  } while ((II += 1) <= 5);
  MapPointList(5);
  DrawSlopeTriangles(4);

  // Right half: y=ax^2.
  XI1 = 595; YI1 = 30;
  SummaryHeadingCell("y=ax^2 での 変化の割合");
  TextStatement(0, XI1, YI1 + 60, "");
  OpenFillInBox(XK1, YK1, 0, 105, "①");
  XI2 = X; YI1 = Y;
  TextStatement(0, XI2 + 20, YI1, "ではない。");
  SummaryPlane(XI1 + 44, YI1 + 80, 30, -4, 4, -1, 12, 1);
  PlotParabola(1, 3, "");
  // the points x = -3 to 3 of y=x^2
  II = 1;
  do {
    Xa(II) = II - 4;
    Ya(II) = (II - 4) * (II - 4);
  } while ((II += 1) <= 7);
  MapPointList(7);
  DrawSlopeTriangles(6);

  // The answers, one a key press.
  WaitAnyKey();
  FillInBox(XJ1, YJ1, 105, "一定");
  WaitAnyKey();
  FillInBox(XJ2, YJ2, 70, "a");
  WaitAnyKey();
  FillInBox(XK1, YK1, 105, "一定");
}

}  // namespace lesson
