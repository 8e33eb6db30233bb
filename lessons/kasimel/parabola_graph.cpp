// Topic 4 of kasimel: the graph of y=x^2. A review of coordinates, the table
// and points of y=x^2, its values near the origin and the features of its graph.
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::ParabolaGraphMenu() {
  ShowTopicGoal({"y=x^2のグラフをかき、特徴を調べよう。"});
  RunSubMenu("①復習　②Q　③原点付近　④特徴　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: CoordinateReviewScene(); break;
      case 2: SquareTableScene(); break;
      case 3: NearOriginScene(); break;
      case 4: SquareFeaturesScene(); break;
    }
  });
}

// One problem of the coordinate review: a point at distances P, P1 from the
// axes in quadrant k. A quadrant drawn twice in a row gives way to quadrant 1;
// MAESU remembers the last quadrant taken for the whole run.
void Kasimel::PickRandomPoint() {
  P = IntPart(RandomDraw() * 5 + 1);
  P1 = IntPart(RandomDraw() * 5 + 1);
  T(1) = P;
  T(2) = -P;
  F(1) = P1;
  F(2) = -P1;
  FormatTableValues();
  float k = IntPart(RandomDraw() * 4 + 1);
  if (k == MAESU) {
    k = 1;
  } else {
    MAESU = k;
  }
  if (k == 1) {
    Xa(1) = T(1); Ya(1) = F(1);
    X_s = "(" + T_s(1) + "," + F_s(1) + ")";
  } else if (k == 2) {
    Xa(1) = T(2); Ya(1) = F(1);
    X_s = "(" + T_s(2) + "," + F_s(1) + ")";
  } else if (k == 3) {
    Xa(1) = T(2); Ya(1) = F(2);
    X_s = "(" + T_s(2) + "," + F_s(2) + ")";
  } else {
    Xa(1) = T(1); Ya(1) = F(2);
    X_s = "(" + T_s(1) + "," + F_s(2) + ")";
  }
}

void Kasimel::CoordinateReviewScene() {
  // The plane of both drills, 12 by 12 steps around the origin (704, 364).
  auto drawPlane = [&] {
    GGX = 440; GGY = 100; SIZE = 44;
    AA1 = -6; AA2 = 6; BB1 = -6; BB2 = 6;
    CCC2 = 1; NASI = 0;
    DrawCoordinatePlane();
  };

  // Drill 1: which of the four labelled points has the given coordinates.
  RunDrillLoop([&] {
    PickRandomPoint();
    DrawBox(0, 0, 1760, 1800, 15);
    XI1 = 88; YI1 = 30;
    TextStatement(0, XI1 - 44, YI1, "次の点はどれでしょう。");
    TextStatement(3, XI1, YI1 + 80, X_s);
    drawPlane();
    const char* labels[4] = {"A", "B", "C", "D"};
    const float sx[4] = {1, -1, -1, 1};
    const float sy[4] = {1, 1, -1, -1};
    for (int q = 0; q < 4; q++) {
      XG = sx[q] * T(1); YG = sy[q] * F(1);
      R = 12; CCC3 = 3; AAA_s = labels[q];
      KASANARIX = 8; KASANARIY = -20;
      PlotLabeledPoint();
    }
    WaitAnyKey();
    // the answer covers the labelled point of the asked quadrant
    PlotDot(Xa(1), Ya(1), 15, 5);
  });

  // Drill 2: name the coordinates of the shown point.
  RunDrillLoop([&] {
    PickRandomPoint();
    DrawBox(0, 0, 1760, 1800, 15);
    XI1 = 88; YI1 = 30;
    TextStatement(0, XI1 - 44, YI1, "次の点の座標をいいなさい。");
    drawPlane();
    PlotDot(Xa(1), Ya(1), 15, 3);
    WaitAnyKey();
    TextStatement(5, XI1, YI1 + 80, X_s);
  });
}

void Kasimel::SquareTableScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  SetPenWidth(5);
  XI0 = 30; XI1 = XI0 + 27; YI1 = 30;
  TextStatement(3, XI1 - 44, YI1, "関数y=x^2 のグラフをかこう。");
  TextStatement(7, XI0, YI1 + 60, "Q ");
  TextStatement(0, XI2, YI1, "下の表を完成させ、");
  TextStatement(0, XI1, YI1 + 50, "x,yの値を座標とする点をかこう。");
  TextStatement(3, XI1, YI1 + 60, "y=x^2");

  // The table: x from -3 to 3 above, the y row empty.
  auto cell = [&](float x, float y, float colour, const std::string& text) {
    X = x; Y = y;
    CellStatement(88, colour, 0, 15, text);
  };
  cell(30, 250, 0, "x");
  for (int i = 0; i <= 6; i++) {
    A_s = Str(static_cast<float>(i - 3));
    StripSpaces();
    cell(118 + 88 * i, 250, 0, A_s);
  }
  cell(30, 300, 0, "y");
  for (int i = 0; i <= 6; i++) cell(118 + 88 * i, 300, 0, "");

  GGX = 792; GGY = 100; SIZE = 44;
  AA1 = -4; AA2 = 4; BB1 = -1; BB2 = 10;
  CCC2 = 14; NASI = 0;
  DrawCoordinatePlane();
  WaitAnyKey();

  // The values of y, one cell a key press.
  for (int i = 0; i <= 6; i++) {
    const float x = static_cast<float>(i - 3);
    A_s = Str(x * x);
    StripSpaces();
    cell(118 + 88 * i, 300, 3, A_s);
    WaitAnyKey();
  }
  WaitAnyKey();

  // The seven points.
  for (int i = 0; i <= 6; i++) {
    const float x = static_cast<float>(i - 3);
    PlotDot(x, x * x, 8, 3);
    WaitAnyKey();
  }
  WaitAnyKey();

  // Segments from point to point, from (-3, 9) to (3, 9).
  GX1 = GX0 + SIZE * -3;
  GY1 = GY0 - SIZE * 9;
  for (int i = -2; i <= 3; i++) {
    const float x = static_cast<float>(i);
    GX = GX0 + SIZE * x;
    GY = GY0 - SIZE * (x * x);
    DrawLine(GX1, GY1, GX, GY, 3);
    GX1 = GX; GY1 = GY;
    WaitAnyKey();
  }
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 120, "原点近くのようすを調べよう。");
}

void Kasimel::NearOriginScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  SetPenWidth(5);
  XI1 = 40; YI1 = 20;

  // A plane of 0.1 a grid step, its value numbers written by hand.
  GGX = 440; GGY = 260; SIZE = 30;
  AA1 = -10; AA2 = 10; BB1 = -1; BB2 = 11;
  CCC2 = 14; NASI = -1;
  DrawCoordinatePlane();
  DrawText(GX1 - SIZE, GY0, 3, 3, 0, "-1");
  DrawText(GX1 + 3 * SIZE, GY0, 3, 3, 0, "-0.5");
  DrawText(GX0 + 4 * SIZE, GY0, 3, 3, 0, "0.5");
  DrawText(GX2, GY0, 3, 3, 0, "1");
  DrawText(GX0 - 1.3f * SIZE, GY1 + 5.2f * SIZE, 3, 3, 0, "0.5");
  DrawText(GX0 - SIZE, GY1 + 10, 3, 3, 0, "1");

  auto cell = [&](float x, float y, float colour, const std::string& text) {
    X = x; Y = y; HABA = 94; TATE = 55; CCC2 = 0; CCC3 = 15; CCC1 = colour; A_s = text;
    DrawTableCell();
  };
  // The text of k/10 or (k/10)^2 with the zero before the point put back.
  auto tenths = [&](float v, const std::string& prefix) {
    A_s = Str(v);
    StripSpaces();
    return prefix + A_s;
  };

  // Rows 1 and 2: x from -1 to -0.1, the y cells empty.
  cell(40, 20, 0, "x");
  for (int k = 10; k >= 1; k--) {
    cell(134 + 94 * (10 - k), 20, 0, tenths(k / 10.0f, k == 10 ? "-" : "-0"));
  }
  cell(40, 75, 3, "y");
  for (int k = 10; k >= 1; k--) cell(134 + 94 * (10 - k), 75, 0, "");
  // Rows 3 and 4: x from 0 to 1.
  cell(40, 130, 0, "x");
  for (int k = 0; k <= 10; k++) {
    cell(134 + 94 * k, 130, 0, tenths(k / 10.0f, k >= 1 && k <= 9 ? "0" : ""));
  }
  cell(40, 185, 3, "y");
  for (int k = 0; k <= 10; k++) cell(134 + 94 * k, 185, 0, "");
  WaitAnyKey();

  for (int k = 10; k >= 1; k--) {
    const float x = k / 10.0f;
    cell(134 + 94 * (10 - k), 75, 3, tenths(x * x, k == 10 ? "" : "0"));
    WaitAnyKey();
  }
  for (int k = 0; k <= 10; k++) {
    const float x = k / 10.0f;
    cell(134 + 94 * k, 185, 3, tenths(x * x, k >= 1 && k <= 9 ? "0" : ""));
    WaitAnyKey();
  }
  WaitAnyKey();

  // The 21 points (k/10, (k/10)^2) in grid steps of 0.1.
  for (int k = -10; k <= 10; k++) {
    const float g = static_cast<float>(k);
    PlotDot(g, g * g / 10, 8, 3);
    WaitAnyKey();
  }
  WaitAnyKey();

  // 201 dense dots, x in steps of 0.01.
  for (int k = -100; k <= 100; k++) {
    const float g = static_cast<float>(k);
    PlotDot(g / 10, g * g / 1000, 1, 3);
  }
}

void Kasimel::SquareFeaturesScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  GGX = 748; GGY = 100; SIZE = 30;
  AA1 = -5; AA2 = 5; BB1 = -1; BB2 = 14;
  CCC2 = 14; NASI = 0;
  DrawCoordinatePlane();
  for (int i = -3; i <= 3; i++) {
    const float x = static_cast<float>(i);
    PlotDot(x, x * x, 8, 3);
  }
  WaitAnyKey();

  PlotParabola(1, 3, "y=x^2");
  XI1 = 88; YI1 = 30;
  TextStatement(0, XI1 - 44, YI1, "y=x^2のグラフの特徴");
  DrawFeatureLine(80, "(1)", "①", "を通る。", XJ1, YJ1);
  DrawFeatureLine(70, "(2)", "②", "について対称である。", XJ2, YJ2);
  DrawFeatureLine(70, "(3)yの変域は、", "③", "である。", XJ3, YJ3);
  WaitAnyKey();

  DrawFeatureBox(XJ1, YJ1, "原点");
  WaitAnyKey();
  DrawFeatureBox(XJ2, YJ2, "y軸");
  WaitAnyKey();
  DrawFeatureBox(XJ3, YJ3, "y≧0");
}

}  // namespace lesson
