// Value labels of a plane whose grid steps stand for several units: every
// fifth grid line, counted from the origin, gets the value it stands for
// (step number times the value of one step) in small text.
#include <cmath>

#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::ScaledTickLabelText() {
  P2 = std::fabs(P1);
  A_s = Str(P2);
  StripSpaces();
  P2_s = A_s;
  P1_s = P2_s;
  // The number text has no zero before its point: ".5" is shown as "0.5".
  if (P2 > 0 && P2 < 1) P1_s = "0" + P1_s;
  if (P1 < 0) P1_s = "-" + P1_s;
}

void Velmora::DrawScaledTickLabels() {
  // x axis: centred under the grid line, 4 below the axis. The origin keeps
  // the plane's own "0".
  float end = AA2;
  II = AA1;
  do {
    P1 = II * BAIX;
    ScaledTickLabelText();
    if (II != 0 && Mod(II, 5) == 0) {
      A_s = P1_s;
      MeasureSmallText();
      CCC1 = 0;
      X = GX0 + SIZE * II - LLT / 2;
      Y = GY0 + 4;
      AA_s = P1_s;
      DrawSmallText();
    }
  } while ((II += 1) <= end);
  // y axis: right end 10 left of the axis, top half a label size above the line.
  end = BB2;
  II = BB1;
  do {
    P1 = II * BAIY;
    ScaledTickLabelText();
    if (II != 0 && Mod(II, 5) == 0) {
      A_s = P1_s;
      MeasureSmallText();
      CCC1 = 0;
      X = GX0 - LLT - 10;
      Y = GY0 - SIZE * II - SIZE1 / 2;
      AA_s = P1_s;
      DrawSmallText();
    }
  } while ((II += 1) <= end);
}

}  // namespace lesson
