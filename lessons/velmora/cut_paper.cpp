// Topic 3 of velmora: cut paper. Every cut doubles the stack, so after x
// cuts there are y=2^x sheets: the table of sheets, its graph beside y=x^2,
// and how many cuts make the stack thicker than 634 m.
#include <cmath>

#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::CutPaperMenu() {
  ShowTopicGoal({"紙を重ねて切るときの関数を調べよう。"});
  RunSubMenu("①P120Q　②グラフ　③厚さ　④終了", 4, [&](int k) {
    switch (k) {
      case 1: SheetCountScene(); break;
      case 2: SheetGraphScene(); break;
      case 3: PaperThicknessScene(); break;
    }
  });
}

void Velmora::ValueCellsStatement(float count, float width, float lastWidth, float first,
                                  float textColour, float fill) {
  float k = 1;
  do {
    const float w = k == count ? lastWidth : width;
    CellStatement(w, textColour, 7, fill, first == 0 ? "" : T_s(first + k - 1));
  } while ((k += 1) <= count);
}

void Velmora::TableBlockStatement(float dy, float headerWidth, const std::string& xHeader,
                                  const std::string& yHeader, float count, float width,
                                  float lastWidth, float first, float& xj, float& yj) {
  X = XI1;
  Y = YI1 + dy;
  CellStatement(headerWidth, 0, 7, 15, xHeader);
  ValueCellsStatement(count, width, lastWidth, first, 0, 15);
  X = XI1;
  Y = YI1 + 50;
  CellStatement(headerWidth, 3, 7, 13, yHeader);
  xj = X;
  yj = Y;
  ValueCellsStatement(count, width, lastWidth, 0, 3, 13);
}

void Velmora::RevealCells(float x, float y, float count, float width, float lastWidth,
                          float first) {
  XI2 = x;
  YI1 = y;
  float k = 1;
  do {
    const float w = k == count ? lastWidth : width;
    X = XI2;
    Y = YI1;
    CellStatement(w, 3, 7, 13, F_s(first + k - 1));
    WaitAnyKey();
  } while ((k += 1) <= count);
}

// The page-120 question: the table of cuts and sheets with the sheets
// revealed one per key, whether y is a function of x, and the prompt to
// draw the graph, which the sheet graph scene continues below the table.
void Velmora::SheetCountScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 57;
  YI1 = 20;
  TextStatement(0, 30, 20, "教科書P120 Q を考えよう。");
  TextStatement(3, XI0, YI1 + 60, "Q1  xを回数、yを枚数として調べよう");
  float k = 0;
  do {
    T(k + 1) = k;
    F(k + 1) = std::pow(2.0f, k);
  } while ((k += 1) <= 10);
  FormatTableValues();

  // Block A: cuts 0 to 5; block B: cuts 6 to 10, the last cell wider for 1024.
  TableBlockStatement(50, 64, "x", "y", 6, 96, 96, 1, XJ1, YJ1);
  TableBlockStatement(50, 64, "x", "y", 5, 96, 128, 7, XJ2, YJ2);
  WaitAnyKey();
  RevealCells(XJ1, YJ1, 6, 96, 96, 1);
  RevealCells(XJ2, YJ2, 5, 96, 128, 7);
  WaitAnyKey();

  // The Q2 line is where the sheet graph scene takes over.
  TextStatement(3, XI0, YI1 + 70, "Q2 ");
  TextStatement(7, XI2, YI1, "yはxの関数といえますか？");
  YK2 = YI1;
  WaitAnyKey();
  TextStatement(5, XI2, YI1, " いえる");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "xの値を決めると、yの値が1つに決まるから。");
  WaitAnyKey();
  TextStatement(3, XI0, YI1 + 60, "Q3 ");
  TextStatement(7, XI2, YI1, "グラフをかこう");
}

// The points (x, 2^x) and (x, x^2) for x = 0 to 10 on a narrow plane of 25
// sheets a step, the parabola y=x^2 and a dotted y=2^x from x=5, then the
// comparison. The text starts at the line the last scene kept in YK2.
void Velmora::SheetGraphScene() {
  DrawBoxRel(0, YK2, 792, 1500, 15, 15);
  XI0 = 30;
  XI1 = 57;
  YI1 = YK2;
  TextStatement(3, 30, YK2, "Q3 ");
  TextStatement(7, XI2, YI1, "右の図に点をうち、y=x^2 のグラフもかこう");
  GGX = 924;
  GGY = 10;
  SIZE = 15;
  AA1 = 0;
  AA2 = 10;
  BB1 = 0;
  BB2 = 1025;
  BAIX = 1;
  BAIY = 25;
  CCC2 = 10;
  NASI = -1;
  DrawCoordinatePlane();
  BAIX = 1;
  BAIY = 25;
  DrawScaledTickLabels();
  float k = 0;
  do {
    T(k) = k;
    F(k) = std::pow(2.0f, k);
    F(20 + k) = k * k;
  } while ((k += 1) <= 10);
  WaitAnyKey();

  k = 0;
  do {
    PlotDot(T(k), F(k), 6, 3);
    WaitAnyKey();
  } while ((k += 1) <= 10);
  WaitAnyKey();
  k = 0;
  do {
    PlotDot(T(k), F(20 + k), 4, 7);
    WaitAnyKey();
  } while ((k += 1) <= 10);
  WaitAnyKey();

  // y=x^2 over the plane's x range; the plot resets the scale.
  PlotParabola(1, 7, "y=x^2");
  WaitAnyKey();
  // y=2^x from x=5 in dots 0.01 apart, each x worked out afresh.
  BAIX = 1;
  BAIY = 25;
  float i = 0;
  do {
    XG = 5 + 0.01f * i;
    PlotDot(XG, std::pow(2.0f, XG), 1, 3);
  } while ((i += 1) <= 500);
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 50, "2つのグラフを比べていえることは?");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 60, "xの値が大きくなるにつれて、");
  TextStatement(3, XI1, YI1 + 50, "yの増加量の差が急激に大きくなる。");
}

// Question 4: 10 cuts make 6.4 cm; after how many cuts is the stack thicker
// than 634 m? The thickness doubles from cut to cut in a table of three
// blocks revealed cell by cell.
void Velmora::PaperThicknessScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 84;
  YI1 = 20;
  TextStatement(3, 30, 20, "Q4 ");
  TextStatement(0, XI2, YI1, "紙を");
  TextStatement(3, XI2, YI1, "10回");
  TextStatement(0, XI2, YI1, "切ったとき、かさねた紙の厚さが");
  TextStatement(3, XI2, YI1, "6.4cm");
  TextStatement(0, XI2, YI1, "だった。");
  TextStatement(0, XI1, YI1 + 50, "かさねた紙の厚さが");
  TextStatement(3, XI2, YI1, "634m");
  TextStatement(0, XI2, YI1, "をこえるのは、何回以上切ったとき?");
  TextStatement(7, XI0, YI1 + 60, "<解答>");
  WaitAnyKey();

  TextStatement(0, XI2 + 20, YI1, "634m=");
  TextStatement(3, XI2, YI1, "63400cm をこえる回数を表で調べてみよう");
  T(1) = 10;
  F(1) = 6.4f;
  float k = 2;
  do {
    T(k) = k + 9;
    F(k) = 2 * F(k - 1);
  } while ((k += 1) <= 16);
  FormatTableValues();
  // Block 1: cuts 10 to 17; block 2: 18 to 22; block 3: 23 to 25.
  TableBlockStatement(60, 80, "回数", "厚さ", 8, 120, 120, 1, XJ1, YJ1);
  WaitAnyKey();
  RevealCells(XJ1, YJ1, 8, 120, 120, 1);
  TableBlockStatement(60, 80, "回数", "厚さ", 5, 180, 180, 9, XJ2, YJ2);
  WaitAnyKey();
  RevealCells(XJ2, YJ2, 5, 180, 180, 9);
  // The cell of 24 cuts reads 104857.6 whatever digits the conversion gives.
  F_s(15) = "104857.6";
  TableBlockStatement(60, 80, "回数", "厚さ", 3, 240, 240, 14, XJ3, YJ3);
  WaitAnyKey();
  RevealCells(XJ3, YJ3, 3, 240, 240, 14);
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 60, "答　24回以上");
}

}  // namespace lesson
