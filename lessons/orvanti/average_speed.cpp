// Topic 5 of orvanti: average speed. Its definition with a train, a roller
// coaster on y=2x^2 with a sketch of the secant, and the answers to the
// textbook's questions 7 and 8.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::AvgSpeedMenu() {
  ShowTopicGoal({" 平均の速さを求めよう。"});
  RunSubMenu("①定義　②課題　③問7　④問8　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: AvgSpeedDefinitionScene(); break;
      case 2: AvgSpeedCoasterScene(); break;
      case 3: AvgSpeedQuestion7Scene(); break;
      case 4: AvgSpeedQuestion8Scene(); break;
      default: break;
    }
  });
}

// Distance over time, then a train: 30 km in 40 minutes is 3/4 km a
// minute, 45 km an hour. One step a key press.
void Orvanti::AvgSpeedDefinitionScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  SetPenWidth(5);
  XI1 = 80; YI1 = 30;
  // the definition at the upper right; the problem starts at the first line
  MathTextAt(3, XI1 + 760, YI1 + 50, "平均の速さ=ﾀ進んだ距離/進んだ時間ﾀ");
  TextStatement(3, XI1 - 40, YI1, "課1 ");
  TextStatement(0, XI2, YI1, "A駅とB駅の距離は、30kmあります。");
  TextStatement(0, XI1, YI1 + 60, "A駅から電車に乗り、");
  TextStatement(0, XI1, YI1 + 60, "40分でB駅に着きました。");
  TextStatement(0, XI1, YI1 + 60, "電車の");
  TextStatement(3, XI2, YI1, "平均の速さ");
  TextStatement(0, XI2, YI1, "を ");
  TextStatement(3, XI2, YI1, "時速");
  TextStatement(0, XI2, YI1, "で求めなさい。");
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 70, "<解答>");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "平均の速さ＝");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ30/40ﾀ=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "ﾀ3/4ﾀ(km／m)");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 80, "時速になおすと、");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ3/4ﾀ×60=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "45(km／h)");
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 80, "答　時速45km");
}

// A roller coaster with y=2x^2: the distances at 1 s and 3 s, the average
// speed 8 m/s, and a sketch beside it. The sketch plots y=0.2x^2 and marks
// x=2 and x=9 so that the picture fits, while its labels give the
// problem's own values (1 s and 3 s, 2 m and 18 m).
void Orvanti::AvgSpeedCoasterScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  SetPenWidth(5);
  XI1 = 60; YI1 = 30;
  TextStatement(0, XI1 - 30, YI1, "課2 ジェットコースターで、時間 x秒と進んだ距離 ymに");
  TextStatement(0, XI1, YI1 + 60, "y=2x^2 という関係があるとき、");
  TextStatement(0, XI1, YI1 + 60, "1秒後から3秒後までの 平均の速さを求めなさい。");
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 70, "<解答>");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 50, "x=1 のとき y=2×1^2=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "2×1=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "x=3 のとき y=2×3^2=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "2×9=");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "18");
  XJ1 = X;  // the conclusion starts under the end of "18"
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "だから、平均の速さは");
  YJ1 = Y;
  TextStatement(0, XI1, YI1 + 80, "ﾀ進んだ距離/進んだ時間ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ18-2/3-1ﾀ=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ16/2ﾀ=");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "8");
  WaitAnyKey();
  TextStatement(5, XI1 + 80, YI1 + 80, "答　8m／s");
  WaitAnyKey();

  // The sketch: plane, curve and its name.
  GGX = 968; GGY = 120; SIZE = 20;
  AA1 = -1; AA2 = 10; BB1 = -5; BB2 = 18;
  CCC2 = 0;
  DrawCoordinatePlane();
  PlotParabola(0.2f, 0, "");
  MathTextAt(0, GX2 - 96, GY1 - 40, "y=2x^2");
  WaitAnyKey();

  // The two points with their guides to the axes.
  Xa(1) = 2; Ya(1) = Xa(1) * Xa(1) / 5;
  Xa(2) = 9; Ya(2) = Xa(2) * Xa(2) / 5;
  PlotDot(Xa(1), Ya(1), 7, 5);
  Xa(11) = GX; Ya(11) = GY;
  DrawLine(Xa(11), Ya(11), Xa(11), GY0, 3);
  MathTextAt(3, Xa(11) - 16, GY0, "1");
  WaitAnyKey();
  PlotDot(Xa(2), Ya(2), 7, 5);
  Xa(12) = GX; Ya(12) = GY;
  DrawLine(Xa(12), Ya(12), Xa(12), GY0, 3);
  MathTextAt(3, Xa(12) - 16, GY0, "3");
  WaitAnyKey();
  DrawLine(Xa(11), Ya(11), GX0, Ya(11), 3);
  MathTextAt(3, GX0 - 32, Ya(11) - 46, "2");
  WaitAnyKey();
  DrawLine(Xa(12), Ya(12), GX0, Ya(12), 3);
  MathTextAt(3, GX0 - 56, Ya(12) - 24, "18");
  WaitAnyKey();

  // The run and the rise, drawn here with the problem's numbers.
  GX3 = Xa(11); GY3 = Ya(11); GX4 = Xa(12); GY4 = Ya(12);
  ZX0 = GX3; ZY0 = GY3; ZX = GX4; ZY = GY3;
  MUKI = 1; CCC2 = 7; NAGASA = 16;
  DrawArrow();
  WaitAnyKey();
  MathTextAt(7, (GX3 + GX4) / 2 - 16, GY3, "2");
  WaitAnyKey();
  ZX0 = GX4; ZY0 = GY3; ZX = GX4; ZY = GY4;
  MUKI = 1; CCC2 = 7; NAGASA = 16;
  DrawArrow();
  WaitAnyKey();
  MathTextAt(7, GX4, (GY3 + GY4) / 2 - 16, "16");
  WaitAnyKey();

  // The secant through both points.
  IROIRO = 3; AA = 2.2f; BB = -3.6f; CCC3 = 5; AAA_s = "";
  PlotFunctionGraph();
  WaitAnyKey();

  // The average speed is the rate of change.
  TextStatement(3, XJ1, YJ1, "平均の速さは");
  YJ1 = Y;
  TextStatement(3, XJ1, YI1 + 50, "変化の割合");
  WaitAnyKey();
  TextStatement(7, 352, 580, "教科書P112 問7,問8　をしなさい。");
}

// Question 7: the average speed from 1 s to 5 s, then a quick one.
void Orvanti::AvgSpeedQuestion7Scene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 132; YI1 = 30;
  TextStatement(7, XI1, YI1, "問7 解答");
  TextStatement(3, XI1 - 88, YI1 + 50, "(1)");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "x=1 のとき y=2×1^2=2×1=");
  TextStatement(3, XI2, YI1, "2");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 80, "x=5 のとき y=2×5^2=2×25=");
  TextStatement(3, XI2, YI1, "50");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 60, "だから、平均の速さは");
  TextStatement(0, XI1, YI1 + 80, "ﾀ進んだ距離/進んだ時間ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "=ﾀ50-2/5-1ﾀ=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ48/4ﾀ=");
  TextStatement(5, XI2, YI1, "12(m／s)");
  TextStatement(3, XI1 - 88, YI1 + 90, "(2)平均の速さは");
  WaitAnyKey();
  TextStatement(0, XI1, YI1 + 70, "2×(4+0)=2×4=");
  TextStatement(5, XI2, YI1, "8(m／s)");
}

// Question 8: faster and faster; the table of times, distances and the
// average speed of each second, all at once.
void Orvanti::AvgSpeedQuestion8Scene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 60; YI1 = 30;
  TextStatement(7, XI1, YI1, "問8 解答");
  TextStatement(5, XI2 + 88, YI1, "だんだん速くなる");

  // One cell of the table at the cursor; the cursor moves behind it.
  auto cell = [&](float width, float text, float fill, const std::string& s) {
    CellStatement(width, text, 3, fill, s);
  };
  auto rowHead = [&](float width, float text, float fill, const std::string& s) {
    X = XI1; Y = YI1 + 50;
    cell(width, text, fill, s);
  };

  TATE = 50;
  X = XI1; Y = YI1 + 70;
  cell(192, 3, 13, "進んだ時間");
  for (int k = 1; k <= 5; k++) cell(64, 3, 13, "1");
  rowHead(160, 0, 15, "x");
  // x from 0 to 5, y = 2x^2 and the distance covered in each second
  II = 1;
  do {
    T(II) = II - 1;
    F(II) = 2 * ((II - 1) * (II - 1));
  } while ((II += 1) <= 6);
  II = 1;
  do {
    F(10 + II) = F(II + 1) - F(II);
  } while ((II += 1) <= 5);
  FormatTableValues();
  for (II = 1; II <= 6; II += 1) cell(64, 0, 15, T_s(II));
  rowHead(160, 0, 15, "y");
  for (II = 1; II <= 6; II += 1) cell(64, 0, 15, F_s(II));
  rowHead(192, 3, 13, "進んだ距離");
  for (II = 1; II <= 5; II += 1) cell(64, 3, 13, F_s(10 + II));
  rowHead(192, 5, 15, "平均の速さ");
  for (II = 1; II <= 5; II += 1) cell(64, 5, 15, F_s(10 + II));
}

}  // namespace lesson
