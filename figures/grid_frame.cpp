#include "figures/figures.h"

namespace lesson {

void Figures::SetUpGridFrame() {
  DR = GetPenWidth();
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX1 + SIZE * YOKO;
  GY2 = GY1 + SIZE * TATE;
  GX0 = GX1;
  GY0 = GY2;
  if (CCC2 != 15) {
    // Graph paper: every fifth line thick in colour 14, counted from the
    // left edge and from the bottom edge.
    CCC3 = 14;
    float end = YOKO;
    II = 0;
    do {
      if (Mod(II, 5) == 0) {
        SetPenWidth(3);
        DrawLine(GX1 + SIZE * II, GY1, GX1 + SIZE * II, GY2, CCC3);
      } else {
        SetPenWidth(1);
        DrawLine(GX1 + SIZE * II, GY1, GX1 + SIZE * II, GY2, CCC2);
      }
    } while ((II += 1) <= end);
    end = TATE;
    II = 0;
    do {
      if (Mod(II, 5) == 0) {
        SetPenWidth(3);
        DrawLine(GX1, GY2 - SIZE * II, GX2, GY2 - SIZE * II, CCC3);
      } else {
        SetPenWidth(1);
        DrawLine(GX1, GY2 - SIZE * II, GX2, GY2 - SIZE * II, CCC2);
      }
    } while ((II += 1) <= end);
  }
  SetPenWidth(DR);
}

}  // namespace lesson
