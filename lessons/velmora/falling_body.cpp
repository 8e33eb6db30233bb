// The falling ball: a ball dropped down a tower, as often as asked, its
// strobe picture, the two problems on y=4.9x^2, and the answers of the
// textbook question the scene sets.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::FallingBodyScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  // The tower and the ball's rest point on its centre line.
  Xa(31) = 1120;
  Ya(31) = 18;
  Xa(32) = Xa(31) + 96;
  Ya(32) = Ya(31) + 592;
  Xa(33) = Xa(31) + 48;
  Ya(33) = Ya(31) + 32;
  DrawBox(Xa(31), Ya(31), Xa(32), Ya(32), 0, 13);
  FillCircle(Xa(33), Ya(33), 16, 0, 9);
  // The ball falls again until exactly 1 is entered.
  RunDrillLoop([&] { AnimateFallingBall(); });
  DrawFallStrobe();
  WaitAnyKey();

  XI1 = 44;
  YI1 = 30;
  TextStatement(3, 44, 30, "課3");
  TextStatement(0, XI2, YI1, " x秒間にym落ちるとき、y=4.9x^2 となります。");
  TextStatement(3, 44, 90, "(1)");
  TextStatement(0, XI2, YI1, "2秒間では、何m落ちますか。");
  WaitAnyKey();
  TextStatement(0, 120, 150, "y=4.9x^2 に x=2　を代入して");
  WaitAnyKey();
  TextStatement(0, 132, 220, "y=4.9×2^2=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "4.9×4=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "19.6 ");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "答 19.6m");
  WaitAnyKey();
  TextStatement(3, 44, 290, "(2)");
  TextStatement(0, XI2, YI1, "高さ40mから落とすと、何秒で地面に着きますか。");
  WaitAnyKey();
  TextStatement(0, 120, 350, "y=4.9x^2 に y=40　を代入して");
  WaitAnyKey();
  TextStatement(0, 120, 420, "40=4.9x^2");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, " x^2=40÷4.9=");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "ﾀ400/49ﾀ");
  WaitAnyKey();
  TextStatement(0, XI2, YI1, "  x=#ﾀ400/49ﾀﾝ ");
  WaitAnyKey();
  TextStatement(0, 120, 490, "x=ﾀ20/7ﾀ");
  WaitAnyKey();
  TextStatement(5, XI2, YI1, "   答 ﾀ20/7ﾀ秒");
  WaitAnyKey();
  TextStatement(3, 44, 570, "教科書P117 問1　をしなさい。");
}

// One fall in 31 frames: the ball drops 560 (II/30)^2 below its rest point.
// Each frame repaints only the tower, which covers the ball before it.
void Velmora::AnimateFallingBall() {
  DrawBox(Xa(31), Ya(31), Xa(32), Ya(32), 0, 13);
  FillCircle(Xa(33), Ya(33), 16, 9, 9);
  II = 0;
  do {
    DrawBox(Xa(31), Ya(31), Xa(32), Ya(32), 0, 13);
    Xa(1) = Xa(33);
    Ya(1) = Ya(33) + 4.9f * II * II * 16 * 35 / (4.9f * 30 * 30);
    FillCircle(Xa(1), Ya(1) - 16, 16, 5, 5);
    Wait(10);
  } while ((II += 1) <= 30);
}

// The same fall at seven equal steps of time, all on one picture.
void Velmora::DrawFallStrobe() {
  DrawBox(Xa(31), Ya(31), Xa(32), Ya(32), 0, 13);
  FillCircle(Xa(33), Ya(33), 16, 5, 5);
  II = 0;
  do {
    Xa(1) = Xa(33);
    Ya(1) = Ya(33) + 4.9f * II * II * 16 * 35 / (4.9f * 6 * 6);
    FillCircle(Xa(1), Ya(1) - 16, 16, 5, 5);
  } while ((II += 1) <= 6);
}

void Velmora::FallingBodyAnswerScene() {
  DrawBoxRel(0, 0, 1320, 1300, 15, 15);
  XI1 = 44;
  YI1 = 30;
  TextStatement(7, XI1 + 88, YI1, "<問1 解答>");
  TextStatement(7, XI1, YI1 + 60, "(1)");
  TextStatement(0, XI2, YI1, "y=ﾀ1/4ﾀx^2 に x=4　を代入して");
  TextStatement(0, XI1 + 88, YI1 + 80, "y=ﾀ1/4ﾀ×4^2=4");
  TextStatement(5, XI2, YI1, "  答 4m");
  WaitAnyKey();
  TextStatement(7, XI1, YI1 + 90, "(2)");
  TextStatement(0, XI2, YI1, "y=ﾀ1/4ﾀx^2 に y=1　を代入して");
  TextStatement(0, XI1 + 76, YI1 + 80, "1=ﾀ1/4ﾀx^2");
  TextStatement(0, XI2, YI1, " x^2=4");
  TextStatement(0, XI1 + 76, YI1 + 70, "x=2");
  TextStatement(5, XI2, YI1, "   答 2秒");
}

}  // namespace lesson
