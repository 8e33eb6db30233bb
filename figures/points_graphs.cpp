#include "figures/figures.h"

namespace lesson {

void Figures::PlotLabeledPoint() {
  if (BAIX == 0) BAIX = 1;
  if (BAIY == 0) BAIY = 1;
  GX = GX0 + SIZE * XG / BAIX;
  GY = GY0 - SIZE * YG / BAIY;
  FillCircle(GX, GY, R, CCC3, CCC3);
  // The label starts 20 left of and 40 above the dot's centre.
  CCC1 = CCC3;
  X = GX - 20 + KASANARIX;
  Y = GY - 40 + KASANARIY;
  AA_s = AAA_s;
  DrawMathText();
  KASANARIX = 0;
  KASANARIY = 0;
}

void Figures::PlotFunctionGraph() {
  // Kept apart from DR: the label's text drawer overwrites DR.
  const float pen = GetPenWidth();
  if (BAIX == 0) BAIX = 1;
  if (BAIY == 0) BAIY = 1;
  bool label = true;
  if (IROIRO == 4 && BB == 0) {
    if (AA == 0) {
      // 0 = CC names no line: nothing to draw.
      label = false;
    } else {
      CC = CC / AA;
      DrawVerticalLine();
    }
  } else if (IROIRO == 4) {
    AA = -AA / BB;
    BB = CC / BB;
    IROIRO = 3;
    PlotCurveDots();
  } else {
    PlotCurveDots();
  }
  if (label) {
    // X, Y hold the last dot drawn (or what the caller left when none was).
    CCC1 = CCC3;
    X = X + KASANARIX;
    Y = Y + KASANARIY;
    AA_s = AAA_s;
    DrawMathText();
  }
  KASANARIX = 0;
  KASANARIY = 0;
  BAIX = 1;
  BAIY = 1;
  SetPenWidth(pen);
}

void Figures::PlotCurveDots() {
  auto f = [&](float x) {
    if (IROIRO == 1) return AA / x;
    if (IROIRO == 2) return AA * (x * x);
    return AA * x + BB;
  };
  // Only y = ax + b may be taken at x = 0; the others step past it.
  const bool avoidZero = IROIRO != 3;
  X1 = AA1;
  HABA = 5000;
  if (avoidZero && X1 == 0) X1 = 0.002f;
  Y1 = f(X1);
  GX5 = X1;
  GY5 = Y1;
  P1 = (AA2 - AA1) / HABA;
  const float end = HABA;
  II = 0;
  do {
    GX = GX0 + SIZE * GX5 / BAIX;
    GY = GY0 - SIZE * GY5 / BAIY;
    // Cut to the plane's height only; dots beside it are drawn.
    if (GY1 <= GY && GY <= GY2) {
      X = GX;
      Y = GY;
      FillCircle(GX, GY, 1, CCC3, CCC3);
    }
    GX5 = GX5 + P1;
    if (avoidZero && GX5 == 0) GX5 = GX5 + P1;
    GY5 = f(GX5);
  } while ((II += 1) <= end);
}

void Figures::DrawVerticalLine() {
  SetPenWidth(5);
  DrawLine(GX0 + SIZE * CC / BAIX, GY0 - SIZE * BB1 / BAIY, GX0 + SIZE * CC / BAIX,
           GY0 - SIZE * BB2 / BAIY, CCC3);
  // The plot's label goes 10 units right of the top end.
  X = GX0 + SIZE * CC / BAIX + 10;
  Y = GY0 - SIZE * BB2 / BAIY;
}

}  // namespace lesson
