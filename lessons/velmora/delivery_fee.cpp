// Topic 4 of velmora: delivery fees. The fee is fixed within bands of the
// parcel's total length, so its graph is a staircase: each band open at its
// lower bound (a ring) and closed at its upper bound (a disc).
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::DeliveryFeeMenu() {
  ShowTopicGoal({"配達料金の問題をグラフで解決しよう。"});
  RunSubMenu("①例1　②問1　③終了", 3, [&](int k) {
    switch (k) {
      case 1: DeliveryExampleScene(); break;
      case 2: DeliveryExerciseScene(); break;
    }
  });
}

// Company A: up to 60 cm 900 yen, then 200 yen more for every 20 cm; the
// last band ends at 170 cm.
void Velmora::SetFeeTableA() {
  float k = 1;
  do {
    T(k) = 40 + 20 * k;
    F(k) = 700 + 200 * k;
  } while ((k += 1) <= 7);
  T(7) = 170;
}

// Company B: up to 50 cm 700 yen, then 350 yen more for every 30 cm.
void Velmora::SetFeeTableB() {
  float k = 1;
  do {
    T(k) = 50 + 30 * (k - 1);
    F(k) = 700 + 350 * (k - 1);
  } while ((k += 1) <= 7);
}

void Velmora::FormatFeeTexts() {
  FormatTableValues();
  float k = 1;
  do {
    T_s(k) = T_s(k) + "cmまで";
    F_s(k) = F_s(k) + "円";
  } while ((k += 1) <= 7);
}

// The length column (header, then the bands top to bottom), then the fee
// column from the right edge of the length header; the cursor follows each
// cell, so it ends on the top of the last row.
void Velmora::DrawFeeTable(float top, float rows) {
  X = 60;
  Y = top;
  CellStatement(240, 0, 7, 15, "長さの合計");
  XJ1 = X;
  YJ1 = Y;
  float k = 1;
  do {
    X = 60;
    Y = top + 50 * k;
    CellStatement(240, 0, 7, 15, T_s(k));
  } while ((k += 1) <= rows);
  X = XJ1;
  Y = YJ1;
  CellStatement(160, 3, 7, 13, "料金");
  k = 1;
  do {
    X = XJ1;
    Y = top + 50 * k;
    CellStatement(160, 3, 7, 13, F_s(k));
  } while ((k += 1) <= rows);
}

// A grid of 9 by 8 steps of 50 units, origin (660, 460), labelled at 20 cm
// and 300 yen a step: the x labels alternate between two rows so that the
// three-digit ones do not touch; the top line (2400 yen) has no label.
void Velmora::DrawFeePlane() {
  GGX = 660;
  GGY = 60;
  AA1 = 0;
  AA2 = 9;
  BB1 = 0;
  BB2 = 8;
  BAIX = 1;
  BAIY = 1;
  CCC2 = 10;
  SIZE = 50;
  NASI = -1;
  DrawCoordinatePlane();
  BAIX = 20;
  BAIY = 300;
  II = AA1 + 1;
  do {
    A_s = Str(II * BAIX);
    StripSpaces();
    MeasureSmallText();
    CCC1 = 0;
    X = GX0 + SIZE * II - LLT / 2;
    Y = Mod(II, 2) == 1 ? GY0 + 4 : GY0 + 4 + 30;
    DrawSmallText();
  } while ((II += 1) <= AA2);
  II = BB1 + 1;
  do {
    A_s = Str(II * BAIY);
    StripSpaces();
    MeasureSmallText();
    CCC1 = 0;
    X = GX0 - LLT - 20;
    Y = GY0 - SIZE * II - 15;
    DrawSmallText();
  } while ((II += 1) <= BB2 - 1);
}

void Velmora::DrawFeeStep(float a, float b, float f) {
  U(1) = GX0 + SIZE * a / 20;
  V(1) = GY0 - SIZE * f / 300;
  DrawCircle(U(1), V(1), 8, CCC3);
  U(2) = GX0 + SIZE * b / 20;
  V(2) = V(1);
  FillCircle(U(2), V(2), 7, CCC3, CCC3);
  GX = U(2);
  GY = V(2);
  DrawLine(U(1), V(1), U(2), V(2), CCC3);
}

void Velmora::DrawFeeBand(float k) {
  DrawFeeStep(k == 1 ? 0 : T(k - 1), T(k), F(k));
}

// Example 1: company A's table and its staircase built one key at a time,
// then whether the fee is a function of the length.
void Velmora::DeliveryExampleScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI1 = 60;
  YI1 = 30;
  TextStatement(3, 60, 30, "A社の配達料金表");
  SetFeeTableA();
  FormatFeeTexts();
  // The borders take the pen width the last scene left.
  DrawFeeTable(80, 7);
  DrawFeePlane();
  WaitAnyKey();

  // Band 1 over five keys: its open end, its points at 20, 40 and 60 cm,
  // then its segment.
  SetPenWidth(5);
  CCC3 = 3;
  U(1) = GX0;
  V(1) = GY0 - SIZE * F(1) / 300;
  DrawCircle(U(1), V(1), 8, CCC3);
  WaitAnyKey();
  float i = 1;
  do {
    U(2) = GX0 + SIZE * i;
    V(2) = V(1);
    FillCircle(U(2), V(2), 7, CCC3, CCC3);
    WaitAnyKey();
  } while ((i += 1) <= 3);
  DrawLine(U(1), V(1), U(2), V(2), CCC3);
  WaitAnyKey();
  // Bands 2 to 7, one per key.
  float k = 2;
  do {
    DrawFeeBand(k);
    WaitAnyKey();
  } while ((k += 1) <= 7);
  WaitAnyKey();

  // The question line is kept for the sheet graph scene.
  TextStatement(3, XI1, YI1 + 70, "Q yはxの関数といえますか？");
  YK2 = YI1;
  WaitAnyKey();
  TextStatement(5, XI2, YI1, " いえる");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "xの値を決めると、yの値が1つに決まるから。");
  WaitAnyKey();
  TextStatement(3, XI2 + 60, YI1, "問1 をやろう。");
}

// Question 1 of page 121: company A's staircase at once, company B's table,
// company B's staircase one key at a time, and the answers: the company
// whose graph lies lower is the cheaper.
void Velmora::DeliveryExerciseScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 60;
  YI1 = 30;
  SetPenWidth(5);
  SetFeeTableA();
  DrawFeePlane();
  CCC3 = 3;
  float k = 1;
  do {
    DrawFeeBand(k);
  } while ((k += 1) <= 7);
  SetPenWidth(3);
  TextStatement(7, 30, 30, "教科書P121 問1 の解答");
  TextStatement(3, XI1, YI1 + 60, "B社の配達料金表");
  SetFeeTableB();
  FormatFeeTexts();
  DrawFeeTable(140, 5);
  WaitAnyKey();

  CCC3 = 7;
  SetPenWidth(5);
  DrawFeeBand(1);
  DrawFeeBand(2);
  WaitAnyKey();
  k = 3;
  do {
    DrawFeeBand(k);
    WaitAnyKey();
  } while ((k += 1) <= 5);
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 70, "グラフが下にある方が安いから、");
  TextStatement(0, XI1, YI1 + 70, "(1)");
  TextStatement(5, XI2, YI1, "B   ");
  TextStatement(0, XI2, YI1, "(2)");
  TextStatement(5, XI2, YI1, "A   ");
  TextStatement(0, XI2, YI1, "(3)");
  TextStatement(5, XI2, YI1, "A   ");
}

}  // namespace lesson
