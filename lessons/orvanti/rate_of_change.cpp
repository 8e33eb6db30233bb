// Topic 2 of orvanti: the rate of change. Tables of values, increases and
// rates for y=2x+1 and y=1/2x^2, the rate of y=x^2 from 1 to 3, the answers
// of two textbook questions and the line through two points of a parabola.
// The drill of item 5 is in rate_drill.cpp.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::RateMenu() {
  ShowTopicGoal({"1 変化の割合を求めよう。", "2 変化の割合を使って、直線の式を求めよう。"});
  RunSubMenu("①1次　②2乗比　③変割合　④問１　⑤練習1　⑥問２　⑦直線求め　⑧問題　⑨終了", 9,
             [&](int k) {
               switch (k) {
                 case 1: RateLinearTableScene(); break;
                 case 2: RateParabolaTableScene(); break;
                 case 3: RateTwoPointScene(); break;
                 case 4: RateQuestion1AnswerScene(); break;
                 case 5: RateDrillScene(); break;
                 case 6: RateQuestion2AnswerScene(); break;
                 case 7: LineThroughTwoPointsScene(); break;
                 case 8: LineFromRateProblemScene(); break;
                 default: break;
               }
             });
}

void Orvanti::RateLinearTableScene() { RateTableScene(false); }
void Orvanti::RateParabolaTableScene() { RateTableScene(true); }

// The text of the increase of y (and of the rate) from x = j-1 to x = j.
std::string Orvanti::RateIncreaseText(bool parabola, float j) {
  return parabola ? F_s(10 + j) : "2";
}

// How y changes when x grows by 1 from 0 on y=2x+1 or y=1/2x^2: the graph,
// the table of increases, the run and rise of each step on the graph, and
// the rate of change row by row.
void Orvanti::RateTableScene(bool parabola) {
  DrawBox(0, 0, 1320, 1300, 15);
  float left, top;
  if (parabola) {
    XI0 = 30; XI1 = 57; YI1 = 20;
    TextStatement(0, XI1 - 30, YI1, "課2 関数 y=ﾀ1/2ﾀx^2 で、xが0から");
    TextStatement(0, XI1, YI1 + 70, "1ずつ増加するとき、yはどうなりますか。");
    left = XI0;
  } else {
    XI1 = 60; YI1 = 30;
    TextStatement(0, XI1 - 30, YI1, "課1 1次関数 y=2x+1 で、xが0から");
    TextStatement(0, XI1, YI1 + 50, "1ずつ増加するとき、yはどうなりますか。");
    left = XI1;
  }
  top = YI1 + 70;
  GGX = 792; GGY = 120; SIZE = 40;
  AA1 = -1; AA2 = 5; BB1 = -1; BB2 = 11;
  CCC2 = 10; NASI = 1;
  DrawCoordinatePlane();
  // The scene sets no width before its arrows: the graph and the table take
  // the width the previous drawing left.
  if (parabola) {
    IROIRO = 2; AA = 0.5f;
  } else {
    IROIRO = 3; AA = 2; BB = 1;
  }
  CCC3 = 3; AAA_s = "";
  PlotFunctionGraph();
  MathTextAt(0, GX2, GY1, parabola ? "y=ﾀ1/2ﾀx^2" : "y=2x+1");
  WaitAnyKey();

  // The empty table, row by row; the x values are set after row 2's header.
  X = left; Y = top;
  CellStatement(192, 0, 3, 13, "xの増加量");
  for (int i = 1; i <= 4; i++) CellStatement(64, 3, 3, 13, "1");
  X = left; Y = YI1 + 50;
  CellStatement(160, 0, 3, 15, "x");
  for (float i = 1; i <= 5; i++) {
    T(i) = i - 1;
    F(i) = parabola ? (i - 1) * (i - 1) / 2 : 2 * (i - 1) + 1;
  }
  if (parabola)
    for (float j = 1; j <= 4; j++) F(10 + j) = F(j + 1) - F(j);
  FormatTableValues();
  if (parabola) {
    F_s(2) = "0" + F_s(2);
    F_s(11) = "0" + F_s(11);
  }
  for (float i = 1; i <= 5; i++) CellStatement(64, 0, 3, 15, T_s(i));
  X = left; Y = YI1 + 50;
  CellStatement(160, 0, 3, 15, "y");
  XJ1 = X; YJ1 = Y;
  for (int i = 1; i <= 5; i++) CellStatement(64, 0, 3, 15, "");
  X = left; Y = YI1 + 50;
  CellStatement(192, 0, 3, 13, "yの増加量");
  XJ2 = X; YJ2 = Y;
  for (int i = 1; i <= 4; i++) CellStatement(64, 3, 3, 13, "");
  X = left; Y = YI1 + 50;
  CellStatement(192, 5, 3, 15, "変化の割合");
  XJ3 = X; YJ3 = Y;
  for (int i = 1; i <= 4; i++) CellStatement(64, 5, 3, 15, "");
  WaitAnyKey();

  // The y row, one box a key.
  for (float i = 1; i <= 5; i++) {
    X = XJ1 + 64 * (i - 1); Y = YJ1;
    CellStatement(64, 0, 3, 15, F_s(i));
    WaitAnyKey();
  }
  // The increase of y, one box a key.
  for (float j = 1; j <= 4; j++) {
    X = XJ2 + 64 * (j - 1); Y = YJ2;
    CellStatement(64, 3, 3, 13, RateIncreaseText(parabola, j));
    WaitAnyKey();
  }
  // The run and the rise of each step on the graph, the rise written.
  for (float i = 1; i <= 5; i++) {
    Xa(i) = GX0 + T(i) * SIZE;
    Ya(i) = GY0 - F(i) * SIZE;
  }
  for (float j = 1; j <= 4; j++) {
    GX3 = Xa(j); GY3 = Ya(j);
    GX4 = Xa(j + 1); GY4 = Ya(j + 1);
    HYOUJI_s = "ny";
    DrawRunRiseArrows();
    WaitAnyKey();
  }
  WaitAnyKey();
  TextStatement(0, XI1, YJ2 + 130, "変化の割合=ﾀyの増加量/xの増加量ﾀ");
  WaitAnyKey();

  // The rate row, one box a key, at width 3.
  SetPenWidth(3);
  for (float j = 1; j <= 4; j++) {
    X = XJ3 + 64 * (j - 1); Y = YJ3;
    CellStatement(64, 5, 3, 15, RateIncreaseText(parabola, j));
    WaitAnyKey();
  }
  WaitAnyKey();
  TextStatement(0, XI1, YJ3 + 150, parabola ? "関数y=ax^2 の変化の割合は" : "1次関数y=ax+b の変化の割合は");
  TextStatement(5, XI1, YI1 + 50, parabola ? "一定ではない。" : "一定で、aに等しい。");
}

// The rate of change of y=x^2 while x increases from 1 to 3, with the run
// and the rise between the two points of the graph.
void Orvanti::RateTwoPointScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 60;
  YI1 = 30;
  TextStatement(0, XI1 - 30, YI1, "課3 関数 y=x^2 で、xが1から3まで");
  TextStatement(0, XI1, YI1 + 50, "増加するとき、変化の割合を求めなさい。");
  GGX = 792; GGY = 120; SIZE = 30;
  AA1 = -4; AA2 = 4; BB1 = -1; BB2 = 12;
  CCC2 = 10; NASI = 1;
  DrawCoordinatePlane();
  PlotParabola(1, 3, "");
  MathTextAt(0, GX2, GY1, "y=x^2");
  WaitAnyKey();

  Xa(1) = 1; Ya(1) = Xa(1) * Xa(1);
  Xa(2) = 3; Ya(2) = Xa(2) * Xa(2);
  for (float i = 1; i <= 2; i++) {
    Xa(i) = GX0 + SIZE * Xa(i);
    Ya(i) = GY0 - SIZE * Ya(i);
  }
  GX3 = Xa(1); GY3 = Ya(1); GX4 = Xa(2); GY4 = Ya(2);
  HYOUJI_s = "nn";
  DrawRunRiseArrows();
  WaitAnyKey();

  TextStatement(3, XI1, YI1 + 70, "<解答>");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "x=1 のとき y=1^2=");
  TextStatement(3, XI2, YI1, "1");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "x=3 のとき y=3^2=");
  TextStatement(3, XI2, YI1, "9");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "だから、変化の割合は");
  TextStatement(0, XI1, YI1 + 80, "ﾀyの増加量/xの増加量ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ9-1/3-1ﾀ=");
  WaitAnyKey();
  // The same arrows again, now labelled 2 and 8, before the fraction 8/2.
  HYOUJI_s = "yy";
  DrawRunRiseArrows();
  TextStatement(0, XI2, YI1, "ﾀ8/2ﾀ=");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "4");
  WaitAnyKey();
  TextStatement(7, 44, 570, "教科書P109 問1　をしなさい。");
}

// Question 1: the rate of change of y=2x^2 from 3 to 5.
void Orvanti::RateQuestion1AnswerScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 132;
  YI1 = 30;
  TextStatement(7, XI1, YI1, "問1 解答");
  TextStatement(0, XI1, YI1 + 50, "x=3 のとき y=2×3^2=2×9=");
  TextStatement(3, XI2, YI1, "18");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "x=5 のとき y=2×5^2=2×25=");
  TextStatement(3, XI2, YI1, "50");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "だから、変化の割合は");
  TextStatement(0, XI1, YI1 + 80, "ﾀyの増加量/xの増加量ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ50-18/5-3ﾀ=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ32/2ﾀ=");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "16");
}

// Question 2 on y=1/2x^2, drawn whole at once.
void Orvanti::RateQuestion2AnswerScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 132;
  YI1 = 30;
  TextStatement(7, XI1, YI1, "問2 解答");
  TextStatement(3, XI1 - 88, YI1 + 50, "(1)");
  TextStatement(0, XI2, YI1, "x=2 のとき y=ﾀ1/2ﾀ×2^2=ﾀ1/2ﾀ×4=");
  TextStatement(3, XI2, YI1, "2");
  TextStatement(0, XI1, YI1 + 80, "x=4 のとき y=ﾀ1/2ﾀ×4^2=ﾀ1/2ﾀ×16=");
  TextStatement(3, XI2, YI1, "8");
  TextStatement(0, XI1, YI1 + 70, "だから、変化の割合は");
  TextStatement(0, XI1, YI1 + 70, "ﾀyの増加量/xの増加量ﾀ");
  TextStatement(0, XI2, YI1, "=ﾀ8-2/4-2ﾀ=");
  TextStatement(0, XI2, YI1, "ﾀ6/2ﾀ=");
  TextStatement(5, XI2, YI1, "3");
  TextStatement(3, XI1 - 88, YI1 + 90, "(2)変化の割合は");
  TextStatement(0, XI1, YI1 + 70, "ﾀ1/2ﾀ×(-6-2)=ﾀ1/2ﾀ×(-8)=");
  TextStatement(5, XI2, YI1, "-4");
}

// The run and the rise from A to B, labelled or not; the rise arrow is
// drawn over once more in colour 7, its label staying colour 3.
void Orvanti::LineRunRiseArrows(const std::string& hyouji) {
  GX3 = Xa(11); GY3 = Ya(11);
  GX4 = Xa(12); GY4 = Ya(12);
  HYOUJI_s = hyouji;
  DrawRunRiseArrows();
  ArrowBetween(GX4, GY3, GX4, GY4, 7);
}

// Point A or B of the parabola with its guides to both axes and the
// numbers there (the x number at dx, the y number at dx2, dy2 from the axis
// and the point).
void Orvanti::LinePointWithGuides(float i, const std::string& name, const std::string& xText,
                                  float dx, const std::string& yText, float dx2, float dy2) {
  XG = Xa(i); YG = Ya(i); R = 7; CCC3 = 5;
  AAA_s = name; KASANARIX = -20; KASANARIY = 0;
  PlotLabeledPoint();
  Xa(10 + i) = GX;
  Ya(10 + i) = GY;
  DrawLine(Xa(10 + i), Ya(10 + i), Xa(10 + i), GY0, 3);
  MathTextAt(3, Xa(10 + i) + dx, GY0, xText);
  DrawLine(Xa(10 + i), Ya(10 + i), GX0, Ya(10 + i), 3);
  MathTextAt(3, GX0 + dx2, Ya(10 + i) + dy2, yText);
}

// Task 5: the line through A(-1, 1) and B(3, 9) of y=x^2, its slope the
// rate of change between them.
void Orvanti::LineThroughTwoPointsScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 60;
  YI1 = 30;
  SetPenWidth(5);
  TextStatement(0, XI1 - 30, YI1, "課5 y=x^2 のグラフ上に2点A(-1,1),");
  TextStatement(0, XI1, YI1 + 50, "B(3,9)がある。直線ABの式を求めなさい。");
  GGX = 880; GGY = 80; SIZE = 40;
  AA1 = -4; AA2 = 4; BB1 = -1; BB2 = 12;
  CCC2 = 0;
  DrawCoordinatePlane();
  PlotParabola(1, 0, "");
  IROIRO = 3; AA = 2; BB = 3; CCC3 = 5; AAA_s = "";
  PlotFunctionGraph();
  MathTextAt(0, GX2 - 96, GY1 - 40, "y=x^2");
  Xa(1) = -1; Ya(1) = Xa(1) * Xa(1);
  Xa(2) = 3; Ya(2) = Xa(2) * Xa(2);
  LinePointWithGuides(1, "A", "-1", -32, "1", 0, -46);
  LinePointWithGuides(2, "B", "3", -16, "9", -28, -24);
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 70, "<解答>");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "求める式を y=ax+b とすると、");
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 80, "a");
  LineRunRiseArrows("nn");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ9-1/3-(-1)ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ8/3+1ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ8/4ﾀ");
  LineRunRiseArrows("yy");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "=2");
  WaitAnyKey();
  TextStatement(7, XI2, YI1, "(y=x^2の変化の割合)");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, "y=2x+b ");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "にx=-1,y=1 を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "1=2×(-1)+b");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "1=-2+b");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "b=1+2");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "=3");
  WaitAnyKey();
  // Beside the substitution, both from the end of "=3"; the cursor stays.
  MathTextAt(5, XI2 + 96, YI1 - 75, "答　y=2x+3");
  WaitAnyKey();
  MathTextAt(3, XI2 + 96, YI1 - 25, "変化の割合は直線ABの傾き");
}

// Task 6: the line through the points of y=1/2x^2 at x=2 and x=4, from
// the short rule of the rate of change.
void Orvanti::LineFromRateProblemScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 44;
  YI1 = 30;
  TextStatement(0, XI1 - 30, YI1, "課6 y=ﾀ1/2ﾀx^2 のグラフ上で、x=2,x=4に対応する");
  TextStatement(0, XI1, YI1 + 60, "2点を通る直線の式を求めなさい。");
  WaitAnyKey();
  TextStatement(7, XI1, YI1 + 50, "<解答>");
  TextStatement(0, XI1, YI1 + 50, "変化の割合は、");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ1/2ﾀ*(2+4)=ﾀ1/2ﾀ*6=3 で、");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, "x=2 のとき、y=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ1/2ﾀ*2^2=ﾀ1/2ﾀ*4=2 だから");
  TextStatement(0, XI1, YI1 + 60, "y=3x+b として、x=2,y=2 を代入して");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "2=3*2+b");
  TextStatement(0, XI1, YI1 + 60, "2=6+b");
  TextStatement(0, XI1, YI1 + 60, "b=2-6");
  TextStatement(3, XI2, YI1, "=-4");
  TextStatement(5, XI1, YI1 + 80, "答 y=3x-4");
}

}  // namespace lesson
