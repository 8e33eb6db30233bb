// Topic 6 of kasimel: the graphs of y=ax^2 for a<0. The table and graph
// scenes are shared with topic 5 (a_sign_graphs.cpp).
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::NegativeAMenu() {
  ShowTopicGoal({"①y=2x^2とy=-2x^2のグラフの関係を調べよう。", "②a<0の場合のグラフをかこう。"});
  RunSubMenu("①Q表点　②グラフ　③問4　④問5特徴　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: MirrorTableScene(); break;
      case 2: MirrorGraphScene(); break;
      case 3: NegativeHalfScene(); break;
      case 4: NegativeFeaturesScene(); break;
    }
  });
}

// Beside y=1/2x^2, each point (x, x^2/2) followed by its mirror (x, -x^2/2),
// then the graph of y=-1/2x^2.
void Kasimel::NegativeHalfScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  GGX = 440; GGY = 30; SIZE = 32;
  AA1 = -6; AA2 = 6; BB1 = -10; BB2 = 10;
  CCC2 = 14; NASI = 1;
  DrawCoordinatePlane();
  PlotParabola(0.5f, 7, "");
  TextStatement(7, GX2, GY1, "y=ﾀ1/2ﾀx^2");
  WaitAnyKey();

  for (int i = -4; i <= 4; i++) {
    const float x = static_cast<float>(i);
    PlotDot(x, x * x / 2, 5, 7);
    WaitAnyKey();
    PlotDot(x, -(x * x / 2), 5, 3);
    WaitAnyKey();
  }

  KASANARIX = 40; KASANARIY = -120;
  PlotParabola(-0.5f, 3, "y=-ﾀ1/2ﾀx^2");
  TextStatement(0, 44, 60, "教科書P104");
  TextStatement(0, 44, YI1 + 50, " 問5をしなさい。");
}

// The graphs of y=2x^2, y=1/2x^2, y=-1/2x^2 and y=-2x^2, their features and
// the range of y by the sign of a.
void Kasimel::NegativeFeaturesScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  GGX = 660; GGY = 50; SIZE = 28;
  AA1 = -6; AA2 = 6; BB1 = -10; BB2 = 10;
  CCC2 = 0; NASI = 0;
  DrawCoordinatePlane();
  PlotParabola(2, 0, "");
  TextStatement(0, GX2, GY1, "y=2x^2");
  PlotParabola(0.5f, 3, "");
  TextStatement(3, GX2, GY1 + 88, "y=ﾀ1/2ﾀx^2");
  PlotParabola(-0.5f, 7, "");
  TextStatement(7, GX2, GY1 + 176, "y=-ﾀ1/2ﾀx^2");
  PlotParabola(-2, 5, "");
  TextStatement(5, GX2, GY1 + 264, "y=-2x^2");
  WaitAnyKey();

  XI1 = 44;
  TextStatement(3, XI1, 60, "教科書P104 問5 解答");
  TextStatement(0, XI1, YI1 + 60, "グラフの特徴");
  DrawFeatureLine(80, "(1)", "①", "を通る", XJ1, YJ1);
  DrawFeatureLine(70, "(2)", "②", "について対称", XJ2, YJ2);
  // line (3) has no box here: two answer lines follow it
  TextStatement(0, XI1, YI1 + 70, "(3)yの変域は、");
  WaitAnyKey();

  DrawFeatureBox(XJ1, YJ1, "原点");
  WaitAnyKey();
  DrawFeatureBox(XJ2, YJ2, "y軸");
  WaitAnyKey();
  // the boxes leave the text cursor on the line of (3)
  TextStatement(0, XI1 + 88, YI1 + 60, "a>0のとき、");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "y≧0");
  WaitAnyKey();
  TextStatement(0, XI1 + 88, YI1 + 60, "a<0のとき、");
  WaitAnyKey();
  TextStatement(3, XI2, YI1, "y≦0");
}

}  // namespace lesson
