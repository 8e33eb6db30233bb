// The rate-of-change drill of topic 2: the rate of y=x^2 over a random
// interval, then of y=ax^2 for a random a, each followed by a worked
// example of the short rule.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

// A whole number from 1 to k with a random sign: the magnitude draw, then
// the sign draw into P (2 negates).
float Orvanti::RandomSigned(float k) {
  float v = IntPart(k * RandomDraw() + 1);
  P = IntPart(2 * RandomDraw() + 1);
  if (P == 2) v = -v;
  return v;
}

// The ends of a random interval of x in F(1) < F(2): equal draws raise the
// second end by 1, then the two are put in order.
void Orvanti::RandomInterval() {
  F(1) = RandomSigned(5);
  F(2) = RandomSigned(5);
  if (F(1) == F(2)) F(2) = F(2) + 1;
  if (F(1) > F(2)) {
    const float f = F(1);
    F(1) = F(2);
    F(2) = f;
  }
}

// The coefficient a of T(1) inside a formula: no digit for 1 and -1.
void Orvanti::CoefficientText() {
  if (T(1) == 1)
    T_s(1) = "";
  else if (T(1) == -1)
    T_s(1) = "-";
}

void Orvanti::MakeRateProblem() {
  RandomInterval();
  T(3) = F(1) + F(2);
  FormatTableValues();
}

void Orvanti::MakeRateProblemWithA() {
  T(1) = RandomSigned(4);
  RandomInterval();
  T(3) = T(1) * (F(1) + F(2));
  FormatTableValues();
  CoefficientText();
}

// One pass after its problem is made: the question and the interval with
// an empty answer box, then the answer in that box.
void Orvanti::ShowRateProblem(bool second) {
  if (second) {
    XI1 = U(1);
    YI1 = V(1);
  } else {
    XI1 = 40;
    YI1 = 30;
  }
  DrawBoxRel(0, YI1, 1760, 1800, 15, 15);
  if (second)
    TextStatement(0, XI1, YI1 + 20, "② y=" + T_s(1) + "x^2 について、変化の割合を求めなさい。");
  else
    TextStatement(0, XI1, YI1, "① y=x^2 について、変化の割合を求めなさい。");
  TextStatement(3, XI1 + 36, YI1 + 80, "xが " + F_s(1) + "から" + F_s(2) + " まで増加  ");
  XJ1 = XI2;
  YJ1 = YI1;
  DrillAnswerBox(XJ1, YJ1, 176, "");
  XI2 = X;
  YI1 = Y;
  WaitAnyKey();
  DrillAnswerBox(XJ1, YJ1, 176, T_s(3));
  XI2 = X;
  YI1 = Y;
}

// A drill's answer box on the text line at (x, y): haba by 60, border 3,
// fill 13, its text in colour 5; X is left at its right edge.
void Orvanti::DrillAnswerBox(float x, float y, float haba, const std::string& text) {
  X = x;
  Y = y;
  HABA = haba;
  TATE = 60;
  CCC1 = 5;
  CCC2 = 3;
  CCC3 = 13;
  A_s = text;
  DrawTableCellAroundText();
}

void Orvanti::RateDrillScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  RunDrillLoop([&] {
    MakeRateProblem();
    ShowRateProblem(false);
  });
  // Why the answer is the sum of the ends.
  TextStatement(7, XI2 + 40, YI1, "y=x^2の3から5では、");
  TextStatement(0, XI1 + 40, YI1 + 90, "ﾀyの増加量/xの増加量ﾀ=");
  TextStatement(0, XI2, YI1, "ﾀ5^2-3^2/5-3ﾀ=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ(5+3)(5-3)/5-3ﾀ=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "5+3=");
  TextStatement(5, XI2, YI1, "8");
  WaitAnyKey();

  // The second drill below the first, whose last problem stays.
  U(1) = XI1;
  V(1) = YI1 + 90;
  RunDrillLoop([&] {
    MakeRateProblemWithA();
    ShowRateProblem(true);
  });
  TextStatement(7, XI2 + 40, YI1, "y=2x^2の3から5では、");
  TextStatement(0, XI1 + 40, YI1 + 90, "ﾀyの増加量/xの増加量ﾀ=");
  TextStatement(0, XI2, YI1, "ﾀ2*5^2-2*3^2/5-3ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ2(5^2-3^2)/5-3ﾀ");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 80, "=ﾀ2(5+3)(5-3)/5-3ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=2(5+3)=2*8=");
  TextStatement(5, XI2, YI1, "16");
  WaitAnyKey();
  TextStatement(7, 480, 600, "教科書P109 問2　をしなさい。");
}

}  // namespace lesson
