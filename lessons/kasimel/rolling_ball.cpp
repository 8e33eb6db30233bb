// Topic 2 of kasimel: a ball rolling down a slope, whose distance grows with
// the square of the time, leads to y=ax^2.
#include <cmath>
#include "lessons/kasimel/kasimel.h"

namespace lesson {

// The entry lays out the slope once per opening: its corners stay in
// X(31..34), Y(31..34) and its direction in HHP for every scene of the topic.
void Kasimel::RollingBallMenu() {
  ShowTopicGoal({"斜面をころがるボールから、", "関数 y=ax^2 の意味を理解しよう。"});

  // The slope lives in a frame of 45 by 8 cells of 30 units (nothing drawn).
  GGX = 0;
  GGY = 350;
  YOKO = 45;
  TATE = 8;
  SIZE = 30;
  CCC2 = 15;
  SetUpGridFrame();
  // Corners in cells: 33 top, 34 right angle, 32 foot, 31 the ball's start.
  Xa(33) = 0;
  Xa(31) = Xa(33) + 1;
  Xa(32) = Xa(33) + 45;
  Xa(34) = Xa(33);
  Ya(33) = 5;
  Ya(31) = Ya(33) - 0.11111111f;
  Ya(32) = 0;
  Ya(34) = 0;
  // ... converted in place to window units.
  II = 31;
  do {
    Xa(II) = GX0 + SIZE * Xa(II);
    Ya(II) = GY0 - SIZE * Ya(II);
  } while ((II += 1) <= 34);
  // Direction down the slope, from the ball's start towards the foot.
  ZX0 = Xa(31);
  ZY0 = Ya(31);
  ZX1 = Xa(32);
  ZY1 = Ya(32);
  ZX2 = Xa(31);
  ZY2 = Ya(32);
  ITI = 1;
  ComputeAngleArc();
  HHP = HH3;

  RunSubMenu(" ①動く　②分解　③課題　④式、説明　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: BallRollScene(); break;
      case 2: BallStroboscopeScene(); break;
      case 3: BallDistanceTableScene(); break;
      case 4: BallFormulaScene(); break;
      default: break;
    }
  });
}

// The slope: the right triangle 33-34-32, outlined in 0, filled in 14.
void Kasimel::DrawSlope() {
  A = 33;
  B = 34;
  C = 32;
  FillPolygon({{Xa(A), Ya(A)}, {Xa(B), Ya(B)}, {Xa(C), Ya(C)}, {Xa(A), Ya(A)}}, 0, 14);
}

void Kasimel::BallRollScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  DrawSlope();
  // The ball at rest, 20 above its contact point.
  FillCircle(Xa(31), Ya(31) - 20, 20, 8, 9);
  WaitAnyKey();
  AnimateRollingBall();
}

// 300 frames: the distance down the slope is 2 (t)^2 pixels at t = II/10;
// each frame clears the strip around the slope, redraws slope, ball and its
// spin mark, and waits one tick.
void Kasimel::AnimateRollingBall() {
  II = 1;
  do {
    DrawBoxRel(0, Ya(31) - 48 - 5, 1440, 288, 15, 15);
    DrawSlope();
    Ra(1) = 2 * ((II / 10) * (II / 10));
    Xa(1) = Xa(31) + Ra(1) * std::cos(HHP);
    Ya(1) = Ya(31) - Ra(1) * std::sin(HHP);
    FillCircle(Xa(1), Ya(1) - 20, 20, 14, 9);
    // The spin mark: a quarter turn whose start moves 0.3 turn a frame.
    H1 = Mod(II, 4) * 0.3f;
    H2 = H1 + 0.25f;
    if (H2 > 1) H2 = H2 - 1;
    DrawCircle(Xa(1), Ya(1) - 25, 15, 13, H1, H2);
    Wait(1);
  } while ((II += 1) <= 300);
}

// The trail: 60 balls at equal time steps, twice as far down as the rolling
// ball at the same step, all left on screen.
void Kasimel::BallStroboscopeScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  DrawSlope();
  II = 1;
  do {
    Ra(1) = 4 * ((II / 10) * (II / 10));
    Xa(1) = Xa(31) + Ra(1) * std::cos(HHP);
    Ya(1) = Ya(31) - Ra(1) * std::sin(HHP);
    FillCircle(Xa(1), Ya(1) - 20, 20, 10, 9);
  } while ((II += 5) <= 300);
}

// The metre scale: a track 0 to 4 m with ticks every 0.2 m and the ball at
// 0 to 4 seconds, 0.2 t^2 m from the start.
void Kasimel::DrawDistanceScale() {
  DrawBoxRel(0, Ya(33) - 50, 1440, 288, 15, 15);
  GGX = 40;
  GGY = 450;
  YOKO = 24;
  TATE = 4;
  SIZE = 50;
  CCC2 = 15;
  SetUpGridFrame();
  Xa(25) = 0;
  Xa(27) = 23;
  Xa(21) = 1;
  Ya(25) = 2;
  Ya(27) = 0;
  Ya(21) = 2;
  Ya(23) = Ya(21) - 0.5f;
  Ya(24) = 1;
  // Converted in place to window units: only the coordinates just set. The
  // ticks' lower ends 23 and 24 have no x of their own; converting their
  // stale x as well would multiply it by SIZE at every showing and, after a
  // score of showings, overflow.
  for (float k : {21.0f, 25.0f, 27.0f}) Xa(k) = GX0 + SIZE * Xa(k);
  for (float k : {21.0f, 23.0f, 24.0f, 25.0f, 27.0f}) Ya(k) = GY0 - SIZE * Ya(k);
  // The track.
  M = 25;
  N = 27;
  DrawBox(Xa(M), Ya(M), Xa(N), Ya(N), 13, 13);
  // Ticks; every fifth is long and labelled in metres.
  II = 0;
  do {
    N = Mod(II, 5) == 0 ? 24 : 23;
    DrawLine(Xa(21) + II * SIZE, Ya(21), Xa(21) + II * SIZE, Ya(N), 0);
    if (N == 24) {
      A_s = Str(II / 5);
      StripSpaces();
      MathTextAt(0, Xa(21) + II * SIZE - 27, Ya(24), A_s + "m");
    }
  } while ((II += 1) <= 21);
  // The ball at 0 to 4 seconds, resting on the track.
  II = 0;
  do {
    Xa(II) = Xa(21) + 0.2f * (II * II) * SIZE * 5;
    Ya(II) = Ya(21) - 25;
    FillCircle(Xa(II), Ya(II), 25, 14, 9);
    A_s = Str(II);
    StripSpaces();
    MathTextAt(0, Xa(II) - (II == 1 ? 20 : 27), Ya(21) - 100, A_s + "秒");
  } while ((II += 1) <= 4);
}

// Task 1: the table of y = 0.2 x^2 for the ball, filled one value per key,
// and the answers of questions (2) to (4).
void Kasimel::BallDistanceTableScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 44;
  YI1 = 30;
  DrawDistanceScale();
  TextStatement(3, 30, YI1, "課1 x秒間にころがる距離をymとする。");
  XJ1 = X;
  YJ1 = 30;
  TextStatement(0, XI1, YI1 + 50, "(1)表を完成しなさい。");

  Xa_s(0) = "0";
  Xa_s(1) = "0.2";
  Xa_s(2) = "0.8";
  Xa_s(3) = "1.8";
  Xa_s(4) = "3.2";
  // The table: cells 88 by 50, row x filled, row y empty until the keys.
  X = XI1;
  Y = YI1 + 50;
  DrawValueCell(0, "x");
  II = 0;
  do {
    A_s = Str(II);
    StripSpaces();
    DrawValueCell(0, A_s);
  } while ((II += 1) <= 4);
  X = XI1;
  Y = YI1 + 100;
  YJ2 = Y;
  DrawValueCell(0, "y");
  II = 0;
  do {
    DrawValueCell(11, "");
  } while ((II += 1) <= 4);
  XI2 = X;
  YI1 = Y;
  XJ2 = XI1 + 88;

  // The questions stand in a second column, 40 right of the heading's end.
  XI1 = XJ1 + 40;
  YI1 = YJ1;
  TextStatement(0, XI1, YI1, "(2)xが2倍、3倍…");
  TextStatement(0, XI1 + 88, YI1 + 50, "となると、yは？");
  XJ1 = XI1 + 88;
  YJ1 = YI1 + 50;
  TextStatement(0, XI1, YI1 + 100, "(3)x=5のときyは？");
  XJ3 = XI2;
  YJ3 = YI1;
  TextStatement(0, XI1 - 220, YI1 + 70, "(4)yはxの関数といえる理由は？");
  XJ4 = XI1 - 132;
  YJ4 = YI1 + 50;
  WaitAnyKey();

  // One y value per key.
  XI2 = XJ2;
  YI1 = YJ2;
  II = 0;
  do {
    X = XI2;
    Y = YI1;
    DrawValueCell(3, Xa_s(II));
    XI2 = X;
    WaitAnyKey();
  } while ((II += 1) <= 4);
  WaitAnyKey();

  MathTextAt(3, XJ1, YJ1, "4倍,9倍,16倍,…");
  WaitAnyKey();
  MathTextAt(3, XJ3, YJ3, "5");
  WaitAnyKey();
  MathTextAt(3, XJ4, YJ4, "xの値を決めると、yの値が");
  MathTextAt(3, XJ4 + 132, YJ4 + 50, "ただ1つに決まるから");
}

// Task 2: from the table of x, x^2 and y to y = 0.2 x^2, and what y=ax^2
// means.
void Kasimel::BallFormulaScene() {
  DrawBoxRel(0, 0, 1760, 1800, 15, 15);
  XI1 = 44;
  YI1 = 30;
  TextStatement(3, 44, 30, "課2 yをxの式で表そう。");
  TextStatement(0, 44, 80, "(1)表を完成しなさい。");

  Xa_s(0) = "0";
  Xa_s(1) = "0.2";
  Xa_s(2) = "0.8";
  Xa_s(3) = "1.8";
  Xa_s(4) = "3.2";
  Xa_s(5) = "5";
  // Row x.
  X = XI1;
  Y = 130;
  DrawValueCell(0, "x");
  II = 0;
  do {
    A_s = Str(II);
    StripSpaces();
    DrawValueCell(0, A_s);
  } while ((II += 1) <= 5);
  // Row x^2, empty until the keys fill it.
  X = XI1;
  Y = 180;
  YJ2 = Y;
  DrawValueCell(0, "x^2");
  II = 0;
  do {
    DrawValueCell(11, "");
  } while ((II += 1) <= 5);
  XJ2 = XI1 + 88;
  XI2 = 660;
  YI1 = 180;
  // Row y, complete from the start.
  X = XI1;
  Y = YI1 + 50;
  DrawValueCell(0, "y");
  II = 0;
  do {
    DrawValueCell(7, Xa_s(II));
  } while ((II += 1) <= 5);
  XI2 = 660;
  YI1 = 230;

  TextStatement(0, XI1, YI1 + 80, "(2)x^2とyの関係は？");
  XJ1 = XI1 + 88;
  YJ1 = YI1 + 60;
  TextStatement(0, 44, 310 + 100 + 30, "(3)yをxの式で表すと");
  XJ3 = 132;
  YJ3 = 500;
  WaitAnyKey();

  // One x^2 value per key.
  XI2 = XJ2;
  YI1 = YJ2;
  II = 0;
  do {
    X = XI2;
    Y = YI1;
    A_s = Str(II * II);
    StripSpaces();
    DrawValueCell(3, A_s);
    XI2 = X;
    WaitAnyKey();
  } while ((II += 1) <= 5);
  XI2 = 660;
  WaitAnyKey();

  MathTextAt(3, XJ1, YJ1, "yはx^2の0.2倍");
  WaitAnyKey();
  MathTextAt(3, XJ3, YJ3, "y=0.2x^2");
  WaitAnyKey();

  // The definition box, right of the table.
  XI1 = XI2 + 44;
  YI1 = 80;
  DrawBoxRel(XI1 - 22, YI1 - 22, 504, 300, 0, 13);
  TextStatement(3, XI1 + 32, YI1, "<関数y=ax^2の意味>");
  TextStatement(0, XI1, YI1 + 50, "yがxの関数で");
  TextStatement(5, XI1, YI1 + 50, "y=ax^2");
  TextStatement(0, XI2, YI1, " と表されるとき");
  TextStatement(5, XI1, YI1 + 50, "yはxの2乗に比例する");
  TextStatement(0, XI1, YI1 + 50, "という。(aは比例定数)");
}

}  // namespace lesson
