// The twin scenes of topics 5 (a>0) and 6 (a<0): the table of y=x^2 and
// y=2x^2 (or of y=2x^2 and y=-2x^2) with its points and segments, and the
// graph drawn from those points. Also the small drawing helpers that the
// scenes of topics 4 to 7 share.
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::DrawFeatureBox(float x, float y, const std::string& text) {
  X = x; Y = y; A_s = text;
  HABA = 132; TATE = 50; CCC2 = 3; CCC3 = 13; CCC1 = 5;
  DrawTableCellAroundText();
}

void Kasimel::DrawFeatureLine(float dy, const std::string& lead, const std::string& number,
                              const std::string& tail, float& xj, float& yj) {
  TextStatement(0, XI1, YI1 + dy, lead);
  xj = XI2 + 20;
  yj = YI1;
  DrawFeatureBox(xj, yj, number);
  // the box leaves X at its right edge
  TextStatement(0, X + 20, YI1, tail);
}

// T(k) = x from -2 to 2 in steps of 0.5; T(10+k) the row of y=x^2 (topic 5)
// or y=2x^2 (topic 6); T(20+k) twice that (topic 5) or its negation (topic 6).
void Kasimel::SetTwinTableValues(bool mirror) {
  for (int k = 1; k <= 9; k++) {
    T(k) = -2 + 0.5f * static_cast<float>(k - 1);
    if (!mirror) {
      T(10 + k) = T(k) * T(k);
      T(20 + k) = 2 * T(10 + k);
    } else {
      T(10 + k) = 2 * (T(k) * T(k));
      T(20 + k) = -T(10 + k);
    }
  }
}

void Kasimel::DrawTwinPlane(bool mirror) {
  if (!mirror) {
    GGX = 836; GGY = 50; SIZE = 48;
    AA1 = -3; AA2 = 3; BB1 = -1; BB2 = 11;
  } else {
    GGX = 880; GGY = 30; SIZE = 32;
    AA1 = -3; AA2 = 3; BB1 = -10; BB2 = 10;
  }
  CCC2 = 14; NASI = 0;
  DrawCoordinatePlane();
}

void Kasimel::PlotTwinKnownGraph(bool mirror, float labelDy) {
  if (!mirror) {
    KASANARIX = -88; KASANARIY = -44;
    PlotParabola(1, 7, "y=x^2");
  } else {
    KASANARIX = 0; KASANARIY = labelDy;
    PlotParabola(2, 7, "y=2x^2");
  }
}

void Kasimel::DoubleHeightTableScene() { TwinTableScene(false); }
void Kasimel::MirrorTableScene() { TwinTableScene(true); }
void Kasimel::DoubleHeightGraphScene() { TwinGraphScene(false); }
void Kasimel::MirrorGraphScene() { TwinGraphScene(true); }

void Kasimel::TwinTableScene(bool mirror) {
  const float rowColour2 = mirror ? 7 : 5;  // colour of the points of row 2

  auto setValues = [&] {
    SetTwinTableValues(mirror);
    FormatTableValues();
    // the cells of -0.5 and 0.5 carry their leading zero
    T_s(4) = "-0.5";
    T_s(6) = "0.5";
    if (!mirror) {
      T_s(14) = "0.25"; T_s(24) = "0.5";
      T_s(16) = "0.25"; T_s(26) = "0.5";
    } else {
      T_s(14) = "0.5"; T_s(24) = "-0.5";
      T_s(16) = "0.5"; T_s(26) = "-0.5";
    }
  };
  // A cell of the table at X, Y; the next cell starts where it ends.
  auto cell = [&](float width, float colour, const std::string& text) {
    CellStatement(width, colour, 0, 15, text);
  };
  auto valueWidth = [](int k) { return k % 2 == 1 ? 60.0f : 90.0f; };
  auto drawTable = [&] {
    const float header = mirror ? 108 : 90;
    // row 1: the values of x
    X = XI0; Y = YI1 + (mirror ? 60 : 70);
    cell(header, 0, "x");
    for (int k = 1; k <= 9; k++) cell(valueWidth(k), 0, T_s(k));
    // rows 2 and 3: header and empty cells; the first empty cell is kept
    X = XI0; Y = YI1 + 50;
    cell(header, 7, mirror ? "2x^2" : "x^2");
    XJ1 = X; YJ1 = Y;
    for (int k = 1; k <= 9; k++) cell(valueWidth(k), 0, "");
    X = XI0; Y = YI1 + 50;
    cell(header, 3, mirror ? "-2x^2" : "2x^2");
    XJ2 = X; YJ2 = Y;
    for (int k = 1; k <= 9; k++) cell(valueWidth(k), 0, "");
  };

  // Step 1: heading, table and plane.
  DrawBox(0, 0, 1320, 1300, 15);
  XI0 = 30; XI1 = XI0 + 27; YI1 = mirror ? 20 : 30;
  if (!mirror) {
    TextStatement(3, XI0, YI1, "Q y=x^2 のグラフをもとにして、");
    TextStatement(3, XI1, YI1 + 50, "y=2x^2 のグラフをかこう。");
    setValues();
    drawTable();
    DrawTwinPlane(mirror);
    PlotTwinKnownGraph(mirror, -30);
  } else {
    TextStatement(3, XI0, YI1, "Q y=2x^2とy=-2x^2のグラフの関係は?");
    DrawTwinPlane(mirror);
    PlotTwinKnownGraph(mirror, -30);
    setValues();
    drawTable();
  }
  WaitAnyKey();

  // Rows 2 and 3, one cell a key press from the kept corner; each cell
  // covers its empty one. The key wait moves X and Y, so the next cell
  // starts from the cursor.
  auto fillRow = [&](float x, float y, float colour, int first) {
    X = x;
    for (int k = 1; k <= 9; k++) {
      Y = y;
      cell(valueWidth(k), colour, T_s(first + k));
      WaitAnyKey();
      X = XI2;
    }
    WaitAnyKey();
  };
  fillRow(XJ1, YJ1, 7, 10);
  fillRow(XJ2, YJ2, 3, 20);

  // The points of both rows; their screen positions are kept for the segments.
  for (int k = 1; k <= 9; k++) {
    PlotDot(T(k), T(10 + k), 9, rowColour2);
    Xa(k) = GX; Ya(k) = GY;
    WaitAnyKey();
  }
  for (int k = 1; k <= 9; k++) {
    PlotDot(T(k), T(20 + k), 9, 3);
    Xa(10 + k) = GX; Ya(10 + k) = GY;
    WaitAnyKey();
  }
  WaitAnyKey();

  // Vertical segments from the x axis to the points, one pair a key press.
  SetPenWidth(mirror ? 4 : 5);
  for (int k = 1; k <= 9; k++) {
    if (!mirror) {
      DrawLine(Xa(k), GY0, Xa(k), Ya(k), 5);
      DrawLine(Xa(k), Ya(k), Xa(k), Ya(10 + k), 3);
    } else {
      DrawLine(Xa(k), GY0, Xa(k), Ya(k), 3);
      DrawLine(Xa(k), GY0, Xa(k), Ya(10 + k), 7);
    }
    WaitAnyKey();
  }
  if (!mirror) SetPenWidth(3);
  WaitAnyKey();

  // The rule the picture shows, and the question of the next scene.
  if (!mirror) {
    TextStatement(5, XI1, YI1 + 80, "y座標は2倍になっている。");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 50, "y=2x^2 のグラフ上の点は、y=x^2のグラフ上");
    TextStatement(0, XI1, YI1 + 50, "の点のy座標を2倍にとればよい。");
    WaitAnyKey();
    TextStatement(3, XI0, YI1 + 60, "Q y=2x^2のグラフをかこう。");
  } else {
    TextStatement(3, XI1, YI1 + 70, "y座標は絶対値が等しく、符号が反対");
    WaitAnyKey();
    TextStatement(5, XI1, YI1 + 50, "x軸について対称");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 50, "y=-2x^2 のグラフ上の点は、y=2x^2のグラフ");
    TextStatement(0, XI1, YI1 + 50, "上の点のy座標の符号を反対にとればよい。");
    WaitAnyKey();
    TextStatement(3, XI0, YI1 + 60, "Q y=-2x^2のグラフをかこう。");
  }
}

void Kasimel::TwinGraphScene(bool mirror) {
  // f(x) = 2x^2 (topic 5) or -2x^2 (topic 6); dots only inside the plane.
  auto f = [&](float x) { return mirror ? -2 * (x * x) : 2 * (x * x); };
  auto inside = [&](float y) { return mirror ? y >= -10 : y <= 11; };
  auto newGraph = [&] {
    if (!mirror) {
      KASANARIX = -110; KASANARIY = 10;
      PlotParabola(2, 3, "y=2x^2");
    } else {
      KASANARIX = 0; KASANARIY = -44;
      PlotParabola(-2, 3, "y=-2x^2");
    }
  };

  // Step 1: the table scene's picture stays until a key is pressed.
  WaitAnyKey();

  // Step 2: clear right of the last plane's edge; plane, known graph, points.
  DrawBoxRel(GGX, 0, 1320, 1300, 15, 15);
  DrawTwinPlane(mirror);
  PlotTwinKnownGraph(mirror, -30);
  SetTwinTableValues(mirror);
  if (!mirror) {
    for (int k = 1; k <= 9; k++) PlotDot(T(k), T(20 + k), 7, 3);
  }
  WaitAnyKey();

  if (mirror) {
    for (int k = 1; k <= 9; k++) {
      PlotDot(T(k), T(10 + k), 9, 7);
      WaitAnyKey();
      PlotDot(T(k), T(20 + k), 9, 3);
      WaitAnyKey();
    }
  }

  // Ever denser dots of f: x in steps of 0.1, then 0.05.
  for (int j = -30; j <= 30; j++) {
    const float x = static_cast<float>(j) / 10;
    if (inside(f(x))) PlotDot(x, f(x), 5, 3);
  }
  WaitAnyKey();
  for (int j = -300; j <= 300; j += 5) {
    const float x = static_cast<float>(j) / 100;
    if (inside(f(x))) PlotDot(x, f(x), 3, 3);
  }
  WaitAnyKey();

  newGraph();
  WaitAnyKey();

  // The two curves alone.
  DrawBoxRel(GGX, 0, 1320, 1300, 15, 15);
  DrawTwinPlane(mirror);
  PlotTwinKnownGraph(mirror, 0);
  newGraph();
  WaitAnyKey();

  TextStatement(0, 44, 570, mirror ? "教科書P104 問4　をしなさい。" : "教科書P103 問2　をやろう。");
}

}  // namespace lesson
