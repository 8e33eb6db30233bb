// The two range drills of topic 3. Item 1: the range of y of y=ax+b over a
// random range of x, then of y=x^2. Item 3: the same for y=ax^2 with a>0,
// then with a<0. Every pass shows the question with two empty answer boxes
// for the least and the greatest y and fills them after a key.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

// y=ax+b: a from -5 to 5 and b from -9 to 9, neither 0, over a random range
// of x; the least and the greatest y are the end values in order.
void Orvanti::MakeLinearRangeProblem() {
  T(1) = RandomSigned(5);
  T(2) = RandomSigned(9);
  RandomInterval();
  T(3) = T(1) * F(1) + T(2);
  T(4) = T(1) * F(2) + T(2);
  if (T(3) < T(4)) {
    T(5) = T(3); T(6) = T(4);
  } else {
    T(5) = T(4); T(6) = T(3);
  }
  FormatTableValues();
  CoefficientText();
}

// y=ax^2 for the a in T(1) over a random range of x. For a>0 the least y is
// 0 when the range holds 0, else the smaller end value; for a<0 the
// greatest y is 0 when 0 lies strictly inside, else the larger end value
// (on -1≦x≦0 that end value is 0 itself).
void Orvanti::MakeParabolaRangeProblem() {
  RandomInterval();
  T(3) = T(1) * (F(1) * F(1));
  T(4) = T(1) * (F(2) * F(2));
  if (T(3) < T(4)) {
    T(7) = T(3); T(8) = T(4);
  } else {
    T(7) = T(4); T(8) = T(3);
  }
  if (T(1) > 0) {
    T(5) = F(1) * F(2) > 0 ? T(7) : 0;
    T(6) = T(8);
  } else {
    T(5) = T(7);
    T(6) = F(1) * F(2) < 0 ? 0 : T(8);
  }
  FormatTableValues();
  CoefficientText();
}

// One pass after its problem is made: the question, the range of x, two
// empty boxes of width w, and after a key the least and the greatest y in
// them. A first drill starts at y 30 and clears from 50; a second one
// starts 80 below the first drill's answer line and clears from there.
void Orvanti::ShowRangeProblem(bool second, const std::string& question, float w) {
  XI1 = 40;
  if (second) {
    YI1 = YK1 + 80;
    DrawBoxRel(0, YI1, 1760, 1800, 15, 15);
  } else {
    YI1 = 30;
    DrawBoxRel(0, YI1 + 20, 1760, 1800, 15, 15);
  }
  TextStatement(0, XI1, YI1 + 20, question);
  TextStatement(3, XI1 + 36, YI1 + 80, F_s(1) + "≦x≦" + F_s(2) + " のとき  ");
  XJ1 = XI2;
  YJ1 = YI1;
  DrillAnswerBox(XJ1, YJ1, w, "");
  XI2 = X;
  YI1 = Y;
  TextStatement(3, XI2 + 20, YI1, "≦y≦ ");
  XJ2 = XI2;
  YJ2 = YI1;
  DrillAnswerBox(XJ2, YJ2, w, "");
  XI2 = X;
  YI1 = Y;
  WaitAnyKey();
  DrillAnswerBox(XJ1, YJ1, w, T_s(5));
  DrillAnswerBox(XJ2, YJ2, w, T_s(6));
}

void Orvanti::RangeDrillScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  RunDrillLoop([&] {
    MakeLinearRangeProblem();
    if (T(2) > 0) T_s(2) = "+" + T_s(2);
    ShowRangeProblem(false, "① y=" + T_s(1) + "x" + T_s(2) + " について、yの変域をいいなさい。",
                     132);
    YK1 = YJ2;
  });
  RunDrillLoop([&] {
    T(1) = 1;
    MakeParabolaRangeProblem();
    ShowRangeProblem(true, "② y=" + T_s(1) + "x^2 について、yの変域をいいなさい。", 132);
    YK2 = YJ2;
  });
  TextStatement(7, XI1 + 240, YK2 + 90, "なぜ？");
}

void Orvanti::RangeDrill2Scene() {
  DrawBox(0, 0, 1320, 1300, 15);
  RunDrillLoop([&] {
    T(1) = IntPart(4 * RandomDraw() + 1);
    MakeParabolaRangeProblem();
    ShowRangeProblem(false, "① y=" + T_s(1) + "x^2 について、yの変域をいいなさい。", 132);
    YK1 = YJ2;
  });
  RunDrillLoop([&] {
    T(1) = -IntPart(4 * RandomDraw() + 1);
    MakeParabolaRangeProblem();
    ShowRangeProblem(true, "② y=" + T_s(1) + "x^2 について、yの変域をいいなさい。", 176);
  });
  WaitAnyKey();
  TextStatement(0, 44, 570, "教科書P110 問3,問4,問5　をしなさい。");
}

}  // namespace lesson
