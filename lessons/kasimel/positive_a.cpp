// Topic 5 of kasimel: the graphs of y=ax^2 for a>0. The table and graph
// scenes are shared with topic 6 (a_sign_graphs.cpp).
#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::PositiveAMenu() {
  ShowTopicGoal({"①y=x^2とy=2x^2のグラフの関係を調べよう。", "②a>0の場合のグラフをかこう。"});
  RunSubMenu("①Q表点　②Qグラフ　③問2　④問3特徴　⑤終了", 5, [&](int k) {
    switch (k) {
      case 1: DoubleHeightTableScene(); break;
      case 2: DoubleHeightGraphScene(); break;
      case 3: HalfParabolaScene(); break;
      case 4: PositiveFeaturesScene(); break;
    }
  });
}

// y=1/2x^2 point by point beside the graph of y=x^2.
void Kasimel::HalfParabolaScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  GGX = 660; GGY = 50; SIZE = 28;
  AA1 = -7; AA2 = 7; BB1 = -1; BB2 = 20;
  CCC2 = 14; NASI = 1;
  DrawCoordinatePlane();
  PlotParabola(1, 7, "");
  TextStatement(7, GX2, GY1, "y=x^2");
  WaitAnyKey();

  for (int i = -4; i <= 4; i++) {
    const float x = static_cast<float>(i);
    PlotDot(x, x * x / 2, 5, 3);
    WaitAnyKey();
  }
  WaitAnyKey();

  // the curve through the nine points
  AA1 = -4; AA2 = 4;
  PlotParabola(0.5f, 3, "");
  WaitAnyKey();

  for (float x : {-6.0f, -5.0f}) {
    PlotDot(x, x * x / 2, 5, 3);
    WaitAnyKey();
  }
  WaitAnyKey();
  for (float x : {5.0f, 6.0f}) {
    PlotDot(x, x * x / 2, 5, 3);
    WaitAnyKey();
  }
  WaitAnyKey();

  AA1 = -7; AA2 = 7;
  PlotParabola(0.5f, 3, "");
  TextStatement(3, GX2, GY1 + 88, "y=ﾀ1/2ﾀx^2");
}

// The graphs of y=x^2, y=1/2x^2 and y=2x^2 and the exercise on their features.
void Kasimel::PositiveFeaturesScene() {
  DrawBox(0, 0, 1320, 1300, 15);
  GGX = 660; GGY = 50; SIZE = 28;
  AA1 = -7; AA2 = 7; BB1 = -1; BB2 = 20;
  CCC2 = 0; NASI = 0;
  DrawCoordinatePlane();
  PlotParabola(1, 5, "");
  TextStatement(5, GX2, GY1, "y=x^2");
  PlotParabola(0.5f, 3, "");
  TextStatement(3, GX2, GY1 + 88, "y=ﾀ1/2ﾀx^2");
  PlotParabola(2, 7, "");
  TextStatement(7, GX2, GY1 + 176, "y=2x^2");
  WaitAnyKey();

  XI1 = 44;
  TextStatement(0, XI1, 60, "教科書P103 問3をしなさい。");
  TextStatement(0, XI1, YI1 + 60, "グラフの特徴");
  DrawFeatureLine(80, "(1)", "①", "を通る。", XJ1, YJ1);
  DrawFeatureLine(70, "(2)", "②", "について対称である。", XJ2, YJ2);
  DrawFeatureLine(70, "(3)yの変域は、", "③", "である。", XJ3, YJ3);
  WaitAnyKey();

  DrawFeatureBox(XJ1, YJ1, "原点");
  WaitAnyKey();
  DrawFeatureBox(XJ2, YJ2, "y軸");
  WaitAnyKey();
  DrawFeatureBox(XJ3, YJ3, "y≧0");
}

}  // namespace lesson
