// Topic 3 of kasimel: the constant of proportionality a of y=ax^2, with a
// prism, a cube, a disc, a drill on random numbers and the textbook answers.
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::ProportionalityConstantMenu() {
  ShowTopicGoal({"1 yをxの式で表し、2乗に比例する関数をみつけよう。", "2 比例定数aを求めよう。"});
  RunSubMenu("①課1　②問1　③問2　④課2　⑤問3　⑥終了", 6, [&](int k) {
    switch (k) {
      case 1: PrismVolumeScene(); break;
      case 2: ConstantQuestion1AnswerScene(); break;
      case 3: ConstantQuestion2AnswerScene(); break;
      case 4: ConstantDrillScene(); break;
      case 5: ConstantQuestion3AnswerScene(); break;
      default: break;
    }
  });
}

// Task 1: the volume of a square prism with base x by x and height 5.
void Kasimel::PrismVolumeScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI1 = 44;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(0, 44, 30, "課1　正四角柱の体積をycm^3とするとき、");
  DrawSquarePrism();
  TextStatement(7, 44, 90, "(1)");
  TextStatement(0, XI2, 90, "yをxの式で表しなさい。");
  WaitAnyKey();
  TextStatement(0, 88, 150, "y=x*x*5");
  WaitAnyKey();
  TextStatement(3, 88, 210, "y=5x^2");
  WaitAnyKey();
  TextStatement(7, 44, 290, "(2)");
  TextStatement(0, XI2, 290, "yはxの2乗に比例しますか。 ");
  WaitAnyKey();
  TextStatement(3, 88, 350, "y=ax^2の形だから");
  TextStatement(5, 88, 410, "yはxの2乗に比例する");
  WaitAnyKey();
  TextStatement(7, 44, 570, "教科書P98 問1　をしなさい。");
}

// Answers of question 1: edges, surface and volume of a cube of edge x.
void Kasimel::ConstantQuestion1AnswerScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI1 = 44;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(3, 88, 30, "<問1 解答>");
  SIZE1 = 5;
  DrawCube();
  TextStatement(7, 44, 90, "(1)");
  WaitAnyKey();
  TextStatement(0, XI2, 90, "y=12*x=");
  WaitAnyKey();
  TextStatement(3, XI2, 90, "12x");
  TextStatement(7, 44, 170, "(2)");
  WaitAnyKey();
  TextStatement(0, XI2, 170, "y=6*x*x=");
  WaitAnyKey();
  TextStatement(3, XI2, 170, "6x^2");
  TextStatement(7, 44, 250, "(3)");
  WaitAnyKey();
  TextStatement(0, XI2, 250, "y=x*x*x=");
  WaitAnyKey();
  TextStatement(3, XI2, 250, "x^3");
  TextStatement(7, 44, 330, "yがxの2乗に比例するものは");
  WaitAnyKey();
  TextStatement(3, XI2, 330, "(2)");
  WaitAnyKey();
  TextStatement(7, 44, 570, "教科書P98 問2　をしなさい。");
}

// Answers of question 2: the area of a disc of radius x, doubling the
// radius, and the radius that doubles the area.
void Kasimel::ConstantQuestion2AnswerScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI1 = 44;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(3, 88, 30, "<問2 解答>");
  DrawCircleArea();
  TextStatement(7, 44, 90, "(1)");
  WaitAnyKey();
  TextStatement(5, XI2, 90, "y=πx^2");

  TextStatement(7, 44, YI1 + 80, "(2)");
  WaitAnyKey();
  // First table, 20 right of "(2)": x 1, 2 and y π, 4π.
  X = XI2 + 20;
  Y = YI1;
  DrawValueCell(0, "x");
  II = 1;
  do {
    A_s = Str(II);
    StripSpaces();
    DrawValueCell(0, A_s);
  } while ((II += 1) <= 2);
  T_s(1) = "π";
  T_s(2) = "4π";
  X = XI2 + 20;
  Y = YI1 + 50;
  DrawValueCell(0, "y");
  XJ1 = X;
  II = 1;
  do {
    DrawValueCell(3, T_s(II));
    XJ1 = X;
  } while ((II += 1) <= 2);
  WaitAnyKey();
  TextStatement(0, XJ1 + 20, YI1 + 50, "左の表から");
  TextStatement(5, XI2, YI1, "4倍");

  TextStatement(7, 44, YI1 + 80, "(3)");
  WaitAnyKey();
  // Second table, 44 right of "(3)": x 1, a and y π, 2π.
  YJ2 = YI1;
  T_s(1) = "1";
  T_s(2) = "a";
  X = XI2 + 44;
  Y = YJ2;
  DrawValueCell(0, "x");
  II = 1;
  do {
    DrawValueCell(0, T_s(II));
  } while ((II += 1) <= 2);
  T_s(1) = "π";
  T_s(2) = "2π";
  X = XI2 + 44;
  Y = YJ2 + 50;
  DrawValueCell(0, "y");
  XJ1 = X;
  II = 1;
  do {
    DrawValueCell(3, T_s(II));
    XJ1 = X;
  } while ((II += 1) <= 2);
  WaitAnyKey();
  TextStatement(0, XJ1 + 44, YJ2, "左の表から");
  TextStatement(0, XJ1 + 44, YI1 + 50, "πa^2=2π");
  WaitAnyKey();
  TextStatement(0, XJ1 + 44, YI1 + 50, "a^2=2 ");
  WaitAnyKey();
  TextStatement(0, XJ1 + 44, YI1 + 50, "a=@!2ﾝ");
  WaitAnyKey();
  TextStatement(3, XJ1, YI1 + 50, "a>0 だから a=!2ﾝ");
  TextStatement(5, XJ1 + 44, YI1 + 60, "答　!2ﾝ倍");
}

// Draws one problem of the constant drill: a (2 to 5, never the a drawn
// just before), x1 and x2 (2 to 8, different), y = a x^2 for both.
void Kasimel::MakeConstantProblem() {
  do {
    do {
      T(1) = IntPart(4 * RandomDraw()) + 2;
    } while (T(1) == FMAESU);
    FMAESU = T(1);
    F(2) = IntPart(7 * RandomDraw()) + 2;
    T(2) = T(1) * (F(2) * F(2));
    F(3) = IntPart(7 * RandomDraw()) + 2;
    T(3) = T(1) * (F(3) * F(3));
  } while (F(3) == F(2));
  F(4) = F(3) * F(3);
  F(5) = F(2) * F(2);
  FormatTableValues();
}

// Task 2, a drill: y is proportional to x^2 and y = y1 at x = x1; find a,
// then y at x2. New numbers until 1 is entered.
void Kasimel::ConstantDrillScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 30;
  AINP = 3;
  RunDrillLoop([&] {
    MakeConstantProblem();
    DrawBoxRel(0, 0, 1320, 1300, 15, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;

    // The problem.
    TextStatement(3, XI0, YI1, "課2 ");
    TextStatement(0, XI2, YI1, "yはxの2乗に比例し、");
    TextStatement(3, XI2, YI1, "x=" + F_s(2));
    TextStatement(0, XI2, YI1, "のとき ");
    TextStatement(3, XI2, YI1, "y=" + T_s(2));
    TextStatement(0, XI2, YI1, "です。");
    TextStatement(0, XI0, YI1 + 50, "(1)");
    TextStatement(3, XI2, YI1, "yをxの式");
    TextStatement(0, XI2, YI1, "で表しなさい。");
    TextStatement(0, XI0, YI1 + 50, "(2)");
    TextStatement(3, XI2, YI1, "x=" + F_s(3));
    TextStatement(0, XI2, YI1, " のときyの値を求めなさい。");
    TextStatement(3, XI1, YI1 + 50, "<解答>");

    // (1) a from the given pair.
    WaitAnyKey();
    TextStatement(7, XI0, YI1 + 50, "(1)求める式をy=ax^2とすると ");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 50, "x=" + F_s(2) + "のとき y=" + T_s(2) + " だから");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 60, T_s(2) + "=a*" + F_s(2) + "^2");
    WaitAnyKey();
    TextStatement(0, XI2, YI1, "=" + F_s(5) + "a");
    WaitAnyKey();
    TextStatement(3, XI1, YI1 + 70, "a=");
    TextStatement(0, XI2, YI1, "ﾀ" + T_s(2) + "/" + F_s(5) + "ﾀ=");
    TextStatement(3, XI2, YI1, T_s(1));
    WaitAnyKey();
    TextStatement(5, XI1, YI1 + 80, "答  y=" + T_s(1) + "x^2");

    // (2) y at x2, in the right-hand column; the equals signs line up at 741.
    XI0 = 660;
    XI1 = XI0 + 81;
    YI1 = 180;
    WaitAnyKey();
    TextStatement(7, XI0, YI1 + 50, "(2) y=" + T_s(1) + "x^2 にx=" + F_s(3) + "を代入して");
    WaitAnyKey();
    TextStatement(0, XI1 - 27, YI1 + 60, "y=" + T_s(1) + "*" + F_s(3) + "^2");
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 60, "=" + T_s(1) + "*" + F_s(4));
    WaitAnyKey();
    TextStatement(0, XI1, YI1 + 50, "=" + T_s(3));
    WaitAnyKey();
    TextStatement(5, XI1, YI1 + 60, "答  y=" + T_s(3));
  });
  WaitAnyKey();
  TextStatement(3, 484, 570, "教科書P98 問3　をしなさい。");
}

// Answers of question 3: four times a from one point, in four columns.
void Kasimel::ConstantQuestion3AnswerScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI0 = 30;
  XI1 = 84;
  YI1 = 30;
  TextStatement(3, XI0, YI1, "<問3 解答>");
  TextStatement(7, XI0, YI1 + 50, "(1)y=ax^2 に");
  TextStatement(3, XI1, YI1 + 50, "x=3,y=27");
  TextStatement(0, XI1, YI1 + 50, "を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "27=a*3^2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "9a=27");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "a=3");
  TextStatement(5, XI1, YI1 + 60, "答 y=3x^2");

  XI0 = 320;
  XI1 = 374;
  YI1 = 30;
  TextStatement(7, XI0, YI1, "(2)");
  TextStatement(3, XI1, YI1 + 50, "x=1,y=-5");
  TextStatement(0, XI1, YI1 + 50, "を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "-5=a*1^2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "a=-5");
  TextStatement(5, XI1, YI1 + 60, "答 y=-5x^2");

  XI0 = 620;
  XI1 = 674;
  YI1 = 30;
  TextStatement(7, XI0, YI1, "(3)");
  TextStatement(3, XI1, YI1 + 50, "x=-2,y=8");
  TextStatement(0, XI1, YI1 + 50, "を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "8=a*(-2)^2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "4a=8");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "a=2");
  TextStatement(5, XI1, YI1 + 60, "答 y=2x^2");

  XI0 = 920;
  XI1 = 974;
  YI1 = 30;
  TextStatement(7, XI0, YI1, "(4)");
  TextStatement(3, XI1, YI1 + 50, "x=2,y=2");
  TextStatement(0, XI1, YI1 + 50, "を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "2=a*2^2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "4a=2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, "a=ﾀ2/4ﾀ=ﾀ1/2ﾀ");
  TextStatement(5, XI1, YI1 + 70, "答 y=ﾀ1/2ﾀx^2");
}

}  // namespace lesson
