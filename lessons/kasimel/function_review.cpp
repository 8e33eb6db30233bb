// Topic 1 of kasimel: a review of proportion, inverse proportion and the
// linear function, closing with a roller coaster going up and coming down.
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::FunctionReviewMenu() {
  ShowTopicGoal({"比例、反比例、1次関数の復習をしよう。"});
  RunSubMenu(" ①表式,変化の様子　②グラフ　③ジェットコースター　④終了", 4, [&](int k) {
    switch (k) {
      case 1: FunctionReviewTablesScene(); break;
      case 2: FunctionReviewGraphsScene(); break;
      case 3: RollerCoasterScene(); break;
      default: break;
    }
  });
}

// The tables of y=2x, y=6/x and y=x+1, then one step per key: their
// formulae, how y changes when x grows by 1, and when x doubles.
void Kasimel::FunctionReviewTablesScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  SetPenWidth(5);
  XI1 = 44;
  YI1 = 30;
  TextStatement(7, 44, 30, "課1 ");

  // One table cell of the review tables: 44 by 50, border 0, fill 15.
  auto cell = [&](const std::string& text) { DrawCell(44, 3, 0, 15, text); };
  // The x row every table shares: x, …, 0, 1, 2, 3, …
  auto xRow = [&](float y) {
    X = 44;
    Y = y;
    cell("x");
    cell("…");
    II = 0;
    do {
      A_s = Str(II);
      StripSpaces();
      cell(A_s);
    } while ((II += 1) <= 3);
    cell("…");
  };

  // Table 1: proportion y=2x.
  TextStatement(0, 44, YI1 + 70, "①比例");
  xRow(YI1 + 50);
  Xa(1) = X;
  X = 44;
  Y = YI1 + 100;
  cell("y");
  cell("…");
  II = 0;
  do {
    A_s = Str(2 * II);
    StripSpaces();
    cell(A_s);
  } while ((II += 1) <= 3);
  cell("…");

  // Table 2: inverse proportion y=6/x; x=0 has no value (drawn as ×).
  TextStatement(0, 44, YI1 + 170, "②反比例");
  xRow(YI1 + 50);
  X = 44;
  Y = YI1 + 100;
  cell("y");
  cell("…");
  cell("*");
  II = 1;
  do {
    A_s = Str(6 / II);
    StripSpaces();
    cell(A_s);
  } while ((II += 1) <= 3);
  cell("…");

  // Table 3: linear function y=x+1.
  TextStatement(0, 44, YI1 + 170, "③1次関数");
  xRow(YI1 + 50);
  X = 44;
  Y = YI1 + 100;
  cell("y");
  cell("…");
  II = 0;
  do {
    A_s = Str(II + 1);
    StripSpaces();
    cell(A_s);
  } while ((II += 1) <= 3);
  cell("…");

  // Question (1) heads the right-hand column; its answers fill the slot
  // behind it at key 9.
  XI1 = Xa(1) + 44;
  YI1 = 30;
  TextStatement(0, XI1, YI1, "(1)関数の式は？ ");
  XJ1 = XI2 + 44;
  YJ1 = 30;
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 90, "①y=ax にx=1,y=2を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "　2=a*1");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "　a=2");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "　y=2x");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 90, "②y=ﾀa/xﾀ にx=1,y=6を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 110, "　6=ﾀa/1ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "　a=6");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "　y=ﾀ6/xﾀ");
  WaitAnyKey();

  // Key 9: the answers of ① and ② behind question (1); the cursor stays.
  X = XJ1;
  Y = YJ1;
  CCC1 = 0;
  AA_s = "①";
  DrawMathText();
  CCC1 = 3;
  AA_s = "y=2x";
  DrawMathText();
  CCC1 = 0;
  AA_s = " ②";
  DrawMathText();
  CCC1 = 3;
  AA_s = "y=ﾀ6/xﾀ";
  DrawMathText();
  WaitAnyKey();

  // Key 10: the working of ① and ② goes; question (1) with its answers stays.
  DrawBoxRel(Xa(1) + 44, YJ1 + 80, 1760, 1800, 15, 15);
  TextStatement(0, XI1, YJ1 + 180, "③y=ax+b のaとbを求める。");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 90, "a=変化の割合=ﾀyの増加量/xの増加量ﾀ=ﾀ2-1/1-0ﾀ=ﾀ1/1ﾀ=1");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 90, "式は y=x+b と表せるから、");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "y=x+b にX=0,y=1を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "　1=0+b b=1");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 60, "　y=x+1");
  WaitAnyKey();

  // Key 16: the answer of ③ under the first answers.
  XI1 = Xa(1) + 44;
  YI1 = YJ1;
  TextStatement(0, XI1 + 264, YI1 + 50, "③");
  TextStatement(3, XI2, YI1, "y=x+1");
  WaitAnyKey();

  // Key 17: the working of ③ goes; question (2).
  DrawBoxRel(Xa(1) + 44, YI1 + 60, 1760, 1800, 15, 15);
  TextStatement(0, XI1, YI1 + 70, "(2)xが1ずつ増加するとyは？");
  TextStatement(0, XI1 + 44, YI1 + 50, "①");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "2ずつ増加する ");
  TextStatement(0, XI1 + 44, YI1 + 50, "②");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "減少のしかたが一定ではない");
  TextStatement(0, XI1 + 44, YI1 + 50, "③");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "1ずつ増加する ");
  WaitAnyKey();

  // Question (3).
  TextStatement(0, XI1, YI1 + 70, "(3)xが２倍、３倍…となると、yは？");
  TextStatement(0, XI1 + 44, YI1 + 50, "①");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "２倍、３倍…となる");
  TextStatement(0, XI1 + 44, YI1 + 80, "②");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる");
  TextStatement(0, XI1 + 44, YI1 + 80, "③");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "一定ではない");
}

// The graphs of the three functions on one plane: which is which, and the
// features of each kind of graph.
void Kasimel::FunctionReviewGraphsScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 44;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(7, XI1, YI1, "課2 ");
  TextStatement(0, XI2, YI1, "①y=2x ②y=ﾀ6/xﾀ ③y=x+1");
  DrawReviewGraphs();
  TextStatement(0, XI1, YI1 + 80, "(1)①～③の関数のグラフは？");
  TextStatement(0, XI1 + 44, YI1 + 50, " ①");
  WaitAnyKey();

  TextStatement(3, XI2, YI1, "ウ ");
  TextStatement(0, XI2, YI1, " ②");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "ア");
  TextStatement(0, XI2, YI1, "  ③");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "イ ");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, "(2)グラフの特徴は？");
  TextStatement(0, XI1 + 44, YI1 + 50, "①");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "原点を通る直線");
  TextStatement(0, XI1 + 88, YI1 + 50, "a>0のとき右上がり");
  WaitAnyKey();

  TextStatement(0, XI1 + 88, YI1 + 50, "a<0のとき右下がり");
  // y=-3x on the plane of the three graphs (x -6 to 6, scale 1).
  AAA_s = "y=-3x";
  IROIRO = 3;
  AA = -3;
  BB = 0;
  CCC3 = 7;
  KASANARIX = -88;
  KASANARIY = 0;
  PlotFunctionGraph();
  TextStatement(0, XI1 + 44, YI1 + 50, "②");
  WaitAnyKey();

  TextStatement(3, XI2, YI1, "双曲線 ");
  TextStatement(0, XI2, YI1, "a<0のときは図の位置");
  // y=-6/x.
  AAA_s = "y=-ﾀ6/xﾀ";
  IROIRO = 1;
  AA = -6;
  CCC3 = 3;
  KASANARIX = -88;
  KASANARIY = 30;
  PlotFunctionGraph();
  TextStatement(0, XI1 + 44, YI1 + 60, "③");
  WaitAnyKey();

  TextStatement(3, XI2, YI1, "傾き１，切片１の直線");
  TextStatement(0, XI1 + 88, YI1 + 50, "上がり下がりは比例と同じ");
}

// The plane -6..6 by -6..6 at 30 units a step with the graphs ア (y=6/x),
// イ (y=x+1) and ウ (y=2x).
void Kasimel::DrawReviewGraphs() {
  GGX = 800;
  GGY = 100;
  AA1 = -6;
  AA2 = 6;
  BB1 = -6;
  BB2 = 6;
  CCC2 = 0;
  SIZE = 30;
  DrawCoordinatePlane();

  AAA_s = "ア";
  IROIRO = 1;
  AA = 6;
  KASANARIY = -40;
  CCC3 = 3;
  PlotFunctionGraph();

  AAA_s = "イ";
  IROIRO = 3;
  AA = 1;
  BB = 1;
  CCC3 = 0;
  PlotFunctionGraph();

  AAA_s = "ウ";
  IROIRO = 3;
  AA = 2;
  BB = 0;
  KASANARIY = -30;
  CCC3 = 7;
  PlotFunctionGraph();
}

// A roller coaster going up (distance grows evenly) and coming down
// (distance grows ever faster): two tables, twelve points, two graphs.
void Kasimel::RollerCoasterScene() {
  DrawBoxRel(0, 0, 1760, 1300, 15, 15);
  XI0 = 30;
  YI1 = 20;
  SetPenWidth(5);
  TextStatement(3, XI0, YI1, "Q ");
  TextStatement(0, XI2, YI1, "ジェットコースターが斜面を上がる場合と");
  TextStatement(0, XI0, YI1 + 50, "下りる場合で、進んだ距離の変化を調べよう。");
  TextStatement(3, XI0, YI1 + 60, "上がる場合");

  // The header column is as wide as "時間(秒)".
  A_s = "時間(秒)";
  MeasureMathText();
  Xa(11) = XI0;
  Xa(12) = Xa(11) + LLT;
  Ya(11) = YI1 + 50;
  Ya(12) = Ya(11) + 50;

  // One cell of the roller coaster tables: 50 high, border 3, text 0.
  auto cell = [&](float width, float fill, const std::string& text) {
    DrawCell(width, 0, 3, fill, text);
    U(1) = X;
  };
  // A row: the header cell, then six value cells of the given width.
  auto row = [&](float y, float width, float fill, const std::string& header,
                 const std::function<std::string(float)>& value) {
    X = Xa(11);
    Y = y;
    cell(Xa(12) - Xa(11), fill, header);
    II = 0;
    do {
      X = U(1);
      cell(width, fill, value(II));
    } while ((II += 1) <= 5);
  };
  auto numberText = [&](float v) {
    A_s = Str(v);
    StripSpaces();
    return A_s;
  };

  // Uphill: 2 m every second.
  row(Ya(11), 60, 15, "時間(秒)", [&](float t) { return numberText(t); });
  row(Ya(12), 60, 13, "距離(m)", [&](float t) { return numberText(2 * t); });

  TextStatement(3, XI0, Ya(12) + 60, "下りる場合");
  Ya(11) = YI1 + 50;
  Ya(12) = Ya(11) + 50;
  // Downhill distances; 0 s and 4 s are written by hand (the formatter
  // leaves entry 0 alone and writes 41 without its decimal).
  T(0) = 0;
  T(1) = 4.2f;
  T(2) = 12.6f;
  T(3) = 23.1f;
  T(4) = 41;
  T(5) = 70.4f;
  FormatTableValues();
  T_s(0) = "0";
  T_s(4) = "41.0";
  row(Ya(11), 90, 15, "時間(秒)", [&](float t) { return numberText(t); });
  row(Ya(12), 90, 13, "距離(m)", [&](float t) { return T_s(t); });

  // The plane: 0..9 s at 0.5 s a step, 0..82 m at 2 m a step.
  GGX = 880;
  GGY = 20;
  AA1 = 0;
  AA2 = 9;
  BB1 = 0;
  BB2 = 82;
  BAIX = 0.5f;
  BAIY = 2;
  CCC2 = 14;
  NASI = -1;
  SIZE = 15;
  DrawCoordinatePlane();
  BAIX = 0.5f;
  BAIY = 2;
  DrawDecimalTickLabels();
  // Axis units.
  SetFontSize(SIZE1);
  SetBold(true);
  DrawText(GX2 - SIZE1, GY0, 1, 1, 0, "(秒)");
  DrawText(GX0 + SIZE1, GY1 - SIZE1 / 2, 1, 1, 0, "(m)");
  SetFontSize(16);
  SetBold(false);
  WaitAnyKey();

  // One point of a table on the scaled plane, without a label.
  auto point = [&](float t, float d, float colour) {
    XG = t;
    YG = d;
    R = 5;
    BAIX = 0.5f;
    BAIY = 2;
    AAA_s = "";
    KASANARIX = 0;
    KASANARIY = 0;
    CCC3 = colour;
    PlotLabeledPoint();
  };
  TextStatement(7, XI0, Ya(12) + 60, "グラフに表そう");
  point(0, 0, 3);
  WaitAnyKey();
  for (float t = 1; t <= 5; t += 1) {
    point(t, 2 * t, 3);
    WaitAnyKey();
  }
  for (float t = 0; t <= 5; t += 1) {
    point(t, T(t), 7);
    WaitAnyKey();
  }
  WaitAnyKey();

  // One graph over 0..9 s on the scaled plane: the plane left its range in
  // grid steps and each plot sets the scale back to 1, so both are set anew.
  auto graph = [&](float kind, float a, float colour, const std::string& label, float shiftY) {
    AA1 = 0;
    AA2 = 9;
    BAIX = 0.5f;
    BAIY = 2;
    IROIRO = kind;
    AA = a;
    BB = 0;
    CCC3 = colour;
    AAA_s = label;
    KASANARIX = -119;
    KASANARIY = shiftY;
    PlotFunctionGraph();
  };
  // The uphill line y=2x and the downhill parabola y=2.84x^2.
  graph(3, 2, 3, "上がる", -70);
  WaitAnyKey();
  graph(2, 2.84f, 7, "下りる", 70);
  WaitAnyKey();

  TextStatement(3, XI0, YI1 + 50, "進んだ距離は、");
  TextStatement(0, XI0, YI1 + 50, "上がる場合");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "一定");
  TextStatement(0, XI0, YI1 + 50, "下りる場合");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "増加する");
}

}  // namespace lesson
