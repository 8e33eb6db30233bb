// The table of braking marks (speed against mark length) that three braking
// scenes draw, and the scene that reads the speed for 25 m off its ratios.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::DrawBrakingTable() {
  SetPenWidth(5);
  // Heading column 360 wide, six value columns of 90; the sixth is laid out
  // for the caller but not drawn.
  Xa(1) = Xa(0) + 360;
  II = 2;
  do {
    Xa(II) = Xa(II - 1) + 90;
  } while ((II += 1) <= 7);
  Ya(1) = Ya(0) + 50;
  Ya(2) = Ya(1) + 50;
  Ya(3) = Ya(2) + 60;
  // One row of six cells from the cell cursor U(1), V(1).
  auto row = [&](float fill, float first) {
    II = 0;
    do {
      X = U(1);
      Y = V(1);
      DrawCell(Xa(II + 1) - Xa(II), 0, 3, fill, T_s(first + II));
      U(1) = X;
      V(1) = Y;
    } while ((II += 1) <= 5);
  };
  T_s(0) = "速さ(km／h)";
  T_s(1) = "10";
  T_s(2) = "20";
  T_s(3) = "30";
  T_s(4) = "40";
  T_s(5) = "50";
  U(1) = Xa(0);
  V(1) = Ya(0);
  row(15, 0);
  T_s(10) = "ブレーキ痕の長さ(m)";
  T_s(11) = "0.5";
  T_s(12) = "2.0";
  T_s(13) = "4.4";
  T_s(14) = "7.9";
  T_s(15) = "12.3";
  U(1) = Xa(0);
  V(1) = Ya(1);
  row(13, 10);
  YI1 = V(1);
}

void Velmora::DrawBrakingRatioArc(int n, bool labelled) {
  // Ends, side, bulge, dot step, dot colour, label, label colour and offset
  // of the eight arcs. Every arc starts at the middle of value column 1;
  // arcs 1 to 3 and 8 stand on the table's top edge, 4 to 7 under it.
  struct Arc {
    float toColumn, houkou, takasa, haba, dots;
    const char* label;
    float aaax, aaay;
  };
  static const Arc kArcs[9] = {
      {},
      {2, -1, -10, 9, 3, "2倍", -40, -10},
      {3, -1, 20, 7, 7, "3倍", 0, -10},
      {4, -1, 30, 4, 0, "4倍", 40, 0},
      {2, 1, -10, 9, 3, "4倍", -40, 10},
      {3, 1, 20, 7, 7, "9倍", 0, 10},
      {4, 1, 30, 4, 0, "16倍", 40, 0},
      {6, 1, 30, 2, 5, "50倍", 80, 0},
      {6, -1, 30, 2, 5, "!50ﾝ倍", 80, 0},
  };
  const Arc& arc = kArcs[n];
  const float edge = arc.houkou < 0 ? Ya(0) : Ya(2);
  Xa(11) = Xa(2) - 45;
  Ya(11) = edge;
  Xa(12) = Xa(arc.toColumn) + 45;
  Ya(12) = edge;
  A = 11;
  B = 12;
  ZX0 = Xa(A);
  ZY0 = Ya(A);
  ZX1 = Xa(B);
  ZY1 = Ya(B);
  HOUKOU = arc.houkou;
  // The arc routine stores a negative height back as its magnitude, so the
  // height is given afresh for every call, the second one included.
  TAKASA = arc.takasa;
  HABA = arc.haba;
  CCC2 = arc.dots;
  CCC1 = arc.dots;
  AAA_s = labelled ? arc.label : "";
  AAAX = arc.aaax;
  AAAY = arc.aaay;
  DrawDimensionArc();
}

void Velmora::DrawOpenColumnCell(float y, float haba, float colour, float fill,
                                 const std::string& text) {
  X = Xa(6);
  Y = y;
  DrawCell(haba, colour, 3, fill, text);
}

void Velmora::OpenSpeedQuestion(float xi0, float xi1, float yi1, float gap,
                                const std::string& way) {
  DrawBoxRel(0, 0, 1600, 1800, 15, 15);
  XI0 = xi0;
  XI1 = xi1;
  YI1 = yi1;
  SetPenWidth(5);
  TextStatement(3, XI0, YI1, "走行していた速さは?");
  TextStatement(0, XI2 + gap, YI1, way);
}

void Velmora::BrakingTableScene() {
  OpenSpeedQuestion(30, 66, 20, 20, "表で調べよう。");
  Xa(0) = XI0;
  Ya(0) = YI1 + 130;
  DrawBrakingTable();
  WaitAnyKey();

  // The ratios over the speeds, at once with their labels ...
  DrawBrakingRatioArc(1, true);
  WaitAnyKey();
  DrawBrakingRatioArc(2, true);
  WaitAnyKey();
  DrawBrakingRatioArc(3, true);
  WaitAnyKey();
  // ... and under the marks, first as bare dots.
  for (int n = 4; n <= 6; ++n) {
    DrawBrakingRatioArc(n, false);
    WaitAnyKey();
    DrawBrakingRatioArc(n, true);
    WaitAnyKey();
  }
  YI1 = Ya(3) + 20;

  TextStatement(3, XI0, YI1, "Q ");
  TextStatement(0, XI2, YI1, "走行時の速さとブレーキ痕の長さの関係は?");
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 50, "ブレーキ痕の長さは、走行時の速さの2乗に比例する。");
  WaitAnyKey();

  TextStatement(7, XI0, YI1 + 50, "①");
  TextStatement(3, XI2, YI1, "25m");
  TextStatement(0, XI2, YI1, "が");
  TextStatement(3, XI2, YI1, "0.5m");
  TextStatement(0, XI2, YI1, "の何倍かを調べると");
  // The open column, 120 wide: the speed left empty, the 25 m filled in.
  DrawOpenColumnCell(Ya(0), 120, 0, 15, "");
  DrawOpenColumnCell(Ya(1), 120, 5, 13, "25");
  DrawBrakingRatioArc(7, false);
  WaitAnyKey();
  TextStatement(0, XI2 + 30, YI1, "25/0.5=");
  TextStatement(3, XI2, YI1, "50");
  WaitAnyKey();
  DrawBrakingRatioArc(7, true);
  WaitAnyKey();
  DrawBrakingRatioArc(8, false);
  WaitAnyKey();

  TextStatement(7, XI0, YI1 + 50, "②");
  TextStatement(0, XI2, YI1, "速さは");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "!50ﾝ倍");
  TextStatement(0, XI2, YI1, "になるから");
  DrawBrakingRatioArc(8, true);
  WaitAnyKey();
  TextStatement(0, XI2 + 30, YI1, "10*!50ﾝ≒");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "10*7.071=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "70.71");
  DrawOpenColumnCell(Ya(0), 120, 5, 15, "70.71");
  WaitAnyKey();
  TextStatement(5, XI0, YI1 + 60, "走行していた速さは 約70.71km／h");
}

}  // namespace lesson
