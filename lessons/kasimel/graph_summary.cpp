// Topic 7 of kasimel: the summary of the graphs of y=ax^2. The opening of
// the graphs, matching three graphs, parabola, axis and vertex, and the
// features of the graph.
#include <cmath>
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::GraphSummaryMenu() {
  ShowTopicGoal({"y=ax^2のグラフの特徴をまとめよう。"});
  RunSubMenu("①問6　②課題　③放物線　④まとめ特徴　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: OpeningWidthScene(); break;
      case 2: MatchGraphsScene(); break;
      case 3: ParabolaTermsScene(); break;
      case 4: GraphSummaryScene(); break;
    }
  });
}

// Ten parabolas from a = 1/5 to 5 and from -5 to -1/5, one a key press, each
// with its equation in its colour beside the plane.
void Kasimel::OpeningWidthScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  XI1 = 88; YI1 = 30;
  TextStatement(0, XI1 - 44, YI1, "問6 aの値が大きくなると");
  TextStatement(0, XI1, YI1 + 50, "開き方はどうなりますか。");
  YJ1 = YI1;
  GGX = 572; GGY = 50; SIZE = 28;
  AA1 = -6; AA2 = 6; BB1 = -10; BB2 = 10;
  CCC2 = 0; NASI = 0;
  DrawCoordinatePlane();
  XI1 = GX2; YI1 = 30;
  WaitAnyKey();

  struct Curve {
    float a, colour, dx, dy;
    const char* equation;
  };
  static const Curve kCurves[10] = {
      {0.2f, 0, 0, 0, "y=ﾀ1/5ﾀx^2"},    {0.5f, 3, 44, 60, "y=ﾀ1/2ﾀx^2"},
      {1, 5, 88, 60, "y=x^2"},          {2, 7, 0, 50, "y=2x^2"},
      {5, 9, 0, 50, "y=5x^2"},          {-5, 9, 10, 50, "y=-5x^2"},
      {-2, 7, 0, 50, "y=-2x^2"},        {-1, 5, 0, 50, "y=-x^2"},
      {-0.5f, 3, 0, 55, "y=-ﾀ1/2ﾀx^2"}, {-0.2f, 0, 0, 80, "y=-ﾀ1/5ﾀx^2"},
  };
  for (int i = 0; i < 10; i++) {
    const Curve& c = kCurves[i];
    PlotParabola(c.a, c.colour, "");
    TextStatement(c.colour, XI1 + c.dx, YI1 + c.dy, c.equation);
    if (i < 9) WaitAnyKey();
  }

  // The answer, back in the left column under the question.
  XI1 = 88; YI1 = YJ1;
  TextStatement(0, XI1 - 44, YI1 + 60, "①a>0のとき、");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, " 小さくなる");
  TextStatement(0, XI1 - 44, YI1 + 60, "②a<0のとき、");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 50, " 大きくなる");
  WaitAnyKey();
  TextStatement(5, XI1 - 44, YI1 + 70, "aの絶対値が大きいほど、");
  WaitAnyKey();
  TextStatement(5, XI1, YI1 + 50, "グラフの開き方は小さい");
}

// Three graphs labelled ①, ②, ③ to be matched with their functions.
void Kasimel::MatchGraphsScene() {
  DrawBox(0, 0, 1320, 1800, 15);
  XI1 = 44; YI1 = 30;
  SetPenWidth(5);
  TextStatement(0, XI1, YI1, "課 次の①～③のグラフは、");
  TextStatement(0, XI1, YI1 + 50, " どの関数のグラフですか。");
  TextStatement(0, XI1, YI1 + 90, "y=ﾀ1/4ﾀx^2,y=3x^2,y=-x^2");
  GGX = 660; GGY = 50; SIZE = 28;
  AA1 = -5; AA2 = 5; BB1 = -10; BB2 = 10;
  CCC2 = 0; NASI = 0;
  DrawCoordinatePlane();
  PlotParabola(3, 3, "①");
  PlotParabola(0.25f, 5, "②");
  KASANARIY = -50;
  PlotParabola(-1, 7, "③");
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 90, "<解答>");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 90, "①y=3x^2");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "　②y=ﾀ1/4ﾀx^2");
  WaitAnyKey();
  TextStatement(3, XI1, YI1 + 90, "③y=-x^2");
}

// The parabola y=x^2 on an undrawn frame, with the terms parabola, axis and
// vertex and their marks.
void Kasimel::ParabolaTermsScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  // The plane state set by hand: nothing of the frame is drawn.
  GGX = 792; GGY = 100; SIZE = 40;
  AA1 = -3; AA2 = 3; BB1 = -1; BB2 = 8;
  GX0 = GGX + SIZE * std::abs(AA1);
  GY0 = GGY + SIZE * BB2;
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX0 + SIZE * AA2;
  GY2 = GY0 + SIZE * std::abs(BB1);
  // The terms go down the left column; the marks on the figure are placed
  // from the origin and leave the text cursor alone.
  XI1 = 44; YI1 = 30;
  TextStatement(3, XI1, YI1, "  放物線、放物線の軸、放物線の頂点");
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 60, "1 放物線");
  WaitAnyKey();

  TextStatement(0, XI1 + 88, YI1 + 50, "y=ax^2のグラフで表される曲線");
  PlotParabola(1, 0, "");
  MathTextAt(3, GX0 - 220, GY0 - 200, "放物線");
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 60, "2 放物線の軸");
  WaitAnyKey();

  TextStatement(0, XI1 + 88, YI1 + 50, "放物線の対称の軸");
  MathTextAt(3, GX0 + 4, GY0 - 320, "軸");
  SetPenWidth(4);
  DrawLineRel(GX0, GY1, 0, 360, 0);
  SetPenWidth(3);
  WaitAnyKey();

  TextStatement(7, XI1, YI1 + 60, "3 放物線の頂点");
  WaitAnyKey();

  TextStatement(0, XI1 + 88, YI1 + 50, "軸と放物線の交点");
  MathTextAt(3, GX0 + 12, GY0, "頂点");
  PlotDot(0, 0, 8, 7);
}

// The four features of the graph of y=ax^2 beside y=1/2x^2 and y=-1/2x^2.
void Kasimel::GraphSummaryScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  GGX = 704; GGY = 150; SIZE = 40;
  AA1 = -3; AA2 = 3; BB1 = -5; BB2 = 5;
  CCC2 = 0; NASI = 0;
  DrawCoordinatePlane();
  PlotParabola(0.5f, 3, "");
  PlotParabola(-0.5f, 7, "");
  XI1 = 44;
  TextStatement(3, 44, 60, "y=ax^2のグラフ");
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 80, "(1)");
  TextStatement(5, XI2, YI1, "原点");
  TextStatement(0, XI2 + 20, YI1, "を通る");
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 70, "(2)");
  TextStatement(5, XI2, YI1, "y軸");
  TextStatement(0, XI2 + 20, YI1, "について対称な放物線");
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 70, "(3)a>0⇒");
  TextStatement(5, XI2, YI1, "上に開く");
  TextStatement(0, XI1 + 88, YI1 + 50, "a<0⇒");
  TextStatement(5, XI2, YI1, "下に開く");
  // the two graphs' labels, placed from the plane
  MathTextAt(5, GX0 - 176, GY1 - 40, "a>0");
  MathTextAt(5, GX0 - 176, GY2 - 18, "a<0");
  WaitAnyKey();

  TextStatement(0, XI1, YI1 + 70, "(4)aの絶対値が大きいほど、");
  TextStatement(5, XI1 + 88, YI1 + 50, "グラフの開き方は小さい");
}

}  // namespace lesson
