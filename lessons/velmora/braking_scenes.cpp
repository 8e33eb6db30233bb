// The braking-mark scene with its animation (the car drives, brakes and
// leaves 25 m of skid marks) and the braking graph scene, which reads the
// speed for 25 m off the graph of y=0.005x^2.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::BrakingMarkIntroScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI0 = 30;
  XI1 = XI0 + 27;
  YI1 = 20;
  TextStatement(3, XI0, YI1, "走行時の速さを推測しよう");
  TextStatement(7, XI0, YI1 + 50, "ブレーキ痕");
  GGX = 30;
  GGY = 450;
  SetUpCarShape();
  DrawCar();
  WaitAnyKey();

  AnimateBraking();
  WaitAnyKey();

  // The question goes on from "ブレーキ痕", with the 25 m over the upper mark.
  TextStatement(0, XI2, YI1, "が");
  TextStatement(3, XI2, YI1, "25m ");
  TextStatement(0, XI2, YI1, "のとき、走行していた速さは?");
  A = 16;
  B = 1;
  ZX0 = Xa(A);
  ZY0 = Ya(A);
  ZX1 = Xa(B);
  ZY1 = Ya(A);
  HOUKOU = -1;
  HABA = 3;
  TAKASA = 20;
  CCC2 = 3;
  CCC1 = 3;
  AAA_s = "25m";
  DrawDimensionArc();
  WaitAnyKey();

  // The table takes over X(1..7) and Y(1..3): the arc above used the car's
  // points and is drawn before it.
  Xa(0) = XI0;
  Ya(0) = YI1 + 60;
  DrawBrakingTable();
  WaitAnyKey();

  TextStatement(3, XI0, YI1 + 60, "Q どのようにして調べますか?");
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 50, "① 表で、時速10kmごとの速さの変化から25mになる速さを調べる。");
  // The open column of the table, 90 wide: speed empty, 25 m filled in.
  DrawOpenColumnCell(Ya(0), Xa(7) - Xa(6), 0, 15, "");
  DrawOpenColumnCell(Ya(1), 90, 5, 13, "25");
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 50, "② 点をとって、グラフで25mになる速さを調べる。");
}

// 50 frames of 20 units each: the car drives (a "！" as it brakes in frames
// 18 to 24), then skids from frame 25 on, leaving two growing marks. Every
// frame clears the band from y 400 down and draws the car anew; the pace is
// that of the waits, and no key is read.
void Velmora::AnimateBraking() {
  IJ = 1;
  do {
    DrawBoxRel(0, GGY - 50, 1760, 1800, 15, 15);
    // The "！" of the frame before stands 10 units higher than this clear
    // reaches, and its glyph has ink there: that strip is wiped as well.
    if (IJ >= 19 && IJ <= 25) DrawBoxRel(0, GGY - 60, 1760, 10, 15, 15);
    GX0 = GX0 + 20;
    II = 1;
    do {
      Xa(II) = GX0 + SIZE * T(II);
    } while ((II += 1) <= 15);
    DrawCar();
    DrawSpeedLines();
    if (IJ >= 18 && IJ < 25) DrawBrakeMark();
    Wait(10);
    if (IJ == 25) {
      // The marks start under the tyre bars where the skid begins.
      Xa(16) = Xa(1);
      Ya(16) = Ya(9);
      Xa(17) = Xa(2);
      Ya(17) = Ya(10);
    }
    if (IJ >= 25) {
      DrawSkidSqueal();
      SetPenWidth(10);
      DrawLine(Xa(16), Ya(16), Xa(1), Ya(16), 0);
      DrawLine(Xa(17), Ya(17), Xa(2), Ya(17), 0);
      Wait(20);
    }
    if (IJ == 50) {
      // The car at rest behind its marks, without motion lines or squeal.
      DrawBoxRel(0, GGY - 40, 1760, 1800, 15, 15);
      DrawCar();
      SetPenWidth(10);
      DrawLine(Xa(16), Ya(16), Xa(1), Ya(16), 0);
      DrawLine(Xa(17), Ya(17), Xa(2), Ya(17), 0);
    }
    SetPenWidth(5);
  } while ((IJ += 1) <= 50);
}

void Velmora::DrawBrakeMark() {
  DrawText(Xa(9), Ya(1) - 80, 6, 6, 5, "！");
}

void Velmora::BrakingGraphScene() {
  OpenSpeedQuestion(40, 76, 30, 40, "グラフで調べよう。");
  Xa(0) = XI0;
  Ya(0) = YI1 + 60;
  DrawBrakingTable();
  // Speed against mark length, right of the table: 10 km/h and 1 m a step.
  GGX = Xa(7);
  GGY = 10;
  AA1 = 0;
  AA2 = 90;
  BB1 = 0;
  BB2 = 27;
  BAIX = 10;
  BAIY = 1;
  CCC2 = 10;
  SIZE = 23;
  NASI = -1;
  DrawCoordinatePlane();
  BAIX = 10;
  BAIY = 1;
  DrawScaledTickLabels();
  SetFontSize(SIZE1);
  DrawText(GX2 - 1.5f * SIZE1, GY0, 1, 1, 0, "km／h");
  DrawText(GX0 - 50, GY1, 2, 1, 0, "m");
  SetFontSize(16);
  WaitAnyKey();

  TextStatement(7, XI0, YI1 + 60, "①");
  TextStatement(0, XI2, YI1, "点をうつと ");
  WaitAnyKey();

  // The five measurements, one point a key.
  const float speeds[5] = {10, 20, 30, 40, 50};
  const float marks[5] = {0.5f, 2, 4.4f, 7.9f, 12.3f};
  for (int k = 1; k <= 5; ++k) {
    T(k) = speeds[k - 1];
    F(k) = marks[k - 1];
  }
  II = 1;
  do {
    BAIX = 10;
    BAIY = 1;
    PlotDot(T(II), F(II), 6, 3);
    WaitAnyKey();
  } while ((II += 1) <= 5);
  WaitAnyKey();

  TextStatement(3, XI2, YI1, "放物線になりそうだ。比例定数は");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "y=ax^2 に x=10,y=0.5 を代入して ");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "0.5=a*10^2  100a=0.5  ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "a=0.005");
  WaitAnyKey();
  TextStatement(7, XI0, YI1 + 50, "②");
  TextStatement(3, XI2, YI1, "y=0.005x^2 ");
  TextStatement(0, XI2, YI1, "のグラフをかくと");
  WaitAnyKey();

  // The plane left its ranges in grid steps: the plot takes them in values.
  IROIRO = 2;
  AA = 0.005f;
  CCC3 = 3;
  BAIX = 10;
  BAIY = 1;
  AA1 = 0;
  AA2 = 90;
  AAA_s = "";
  PlotFunctionGraph();
  WaitAnyKey();

  TextStatement(7, XI0, YI1 + 50, "③");
  TextStatement(3, XI2, YI1, "y=25 ");
  TextStatement(0, XI2, YI1, "のときの xの値を読む");
  WaitAnyKey();

  // The plot set the scale back to 1: the reading point needs it again.
  BAIX = 10;
  BAIY = 1;
  PlotDot(70, 25, 8, 5);
  Xa(2) = GX;
  Ya(2) = GY;
  Xa(1) = GX0;
  Ya(1) = Ya(2);
  Xa(3) = Xa(2);
  Ya(3) = GY0;
  TextStatement(3, XI1, YI1 + 50, "y=25のとき ");
  // Across from the y axis to the point, then down to the x axis.
  auto arrow = [&](float from, float to) {
    M = from;
    N = to;
    ZX0 = Xa(M);
    ZY0 = Ya(M);
    ZX = Xa(N);
    ZY = Ya(N);
    MUKI = 1;
    YA = 2;
    CCC2 = 5;
    NAGASA = 16;
    DrawArrow();
  };
  arrow(1, 2);
  WaitAnyKey();
  arrow(2, 3);
  TextStatement(5, XI2, YI1, "x=70");
  WaitAnyKey();
  TextStatement(5, XI0, YI1 + 60, "走行していた速さは 約70km／h");
}

}  // namespace lesson
