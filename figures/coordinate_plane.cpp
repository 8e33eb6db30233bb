#include <cmath>

#include "figures/figures.h"

namespace lesson {

void Figures::DrawCoordinatePlane() {
  DR = GetPenWidth();
  // A scale of 0 means "never set": one value per grid step.
  if (BAIX == 0) {
    BAIX = 1;
  } else if (BAIX < 0) {
    BAIX = std::fabs(BAIX);
  }
  if (BAIY == 0) {
    BAIY = 1;
  } else if (BAIY < 0) {
    BAIY = std::fabs(BAIY);
  }
  // The ranges stay in grid steps from here on; the plots read them so.
  AA1 = AA1 / BAIX;
  AA2 = AA2 / BAIX;
  BB1 = BB1 / BAIY;
  BB2 = BB2 / BAIY;
  if (GGX == 0 && GGY == 0) {
    GGX = 640;
    GGY = 180;
  }
  GX0 = GGX + SIZE * std::fabs(AA1);
  GY0 = GGY + SIZE * BB2;
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX0 + SIZE * AA2;
  GY2 = GY0 + SIZE * std::fabs(BB1);
  SIZE1 = SIZE < 40 ? 26.0f : 30.0f;
  SetFontSize(SIZE1);

  if (CCC2 != 0) {
    // Thin grid, half a unit off the bold lines so both show.
    float end = AA2;
    II = AA1;
    do {
      SetPenWidth(1);
      DrawLine(GX0 + SIZE * II - 0.5f, GY1, GX0 + SIZE * II - 0.5f, GY2, 0);
    } while ((II += 1) <= end);
    end = BB2;
    II = BB1;
    do {
      DrawLine(GX1, GY0 - SIZE * II - 0.5f, GX2, GY0 - SIZE * II - 0.5f, 0);
    } while ((II += 1) <= end);

    // Every fifth line bold, with its step number under the x axis.
    end = AA2;
    II = AA1;
    do {
      if (Mod(II, 5) == 0) {
        SetPenWidth(3);
        DrawLine(GX0 + SIZE * II, GY1, GX0 + SIZE * II, GY2, 1);
        StepNumberText();
        if (!AA_s.empty()) {
          DrawText(GX0 + SIZE * II - SIZE1 * static_cast<float>(Len(AA_s)) / 2, GY0, 2, 1, 0,
                   AA_s);
        }
      }
    } while ((II += 1) <= end);
    // ... and beside the y axis, right-aligned against it.
    end = BB2;
    II = BB1;
    do {
      if (Mod(II, 5) == 0) {
        SetPenWidth(3);
        DrawLine(GX1, GY0 - SIZE * II, GX2, GY0 - SIZE * II, 1);
        StepNumberText();
        if (!AA_s.empty()) {
          DrawText(GX0 - SIZE1 * static_cast<float>(Len(AA_s)), GY0 - SIZE * II - SIZE1 / 2 - 4,
                   2, 1, 0, AA_s);
        }
      }
    } while ((II += 1) <= end);
  }

  // Axes over the grid.
  SetPenWidth(4);
  DrawLine(GX0, GY1, GX0, GY2, 0);
  SetPenWidth(4);
  DrawLine(GX1, GY0, GX2, GY0, 0);

  // The axis names and the origin mark.
  SetBold(true);
  SetFace("Times New Roman");
  SetFontSize(SIZE1 * 0.8f);
  SetItalic(true);
  CCC1 = 0;
  DrawText(GX2 - SIZE1 * 0.8f, GY0 - 1.5f * SIZE1, 3, 2, 0, "x");
  SetFace("ゴシック");
  SetFontSize(SIZE1);
  SetItalic(false);
  CCC1 = 0;
  AA_s = "0";
  X = GX0 - SIZE1;
  Y = GY0;
  DrawText(X, Y, 2, 1, 0, AA_s);
  AA_s = "y";
  X = GX0;
  Y = GY1 - SIZE1 / 2;
  DrawText(X, Y, 2, 1, 0, AA_s);

  SetBold(false);
  SetFontSize(16);
  SetPenWidth(DR);
  NASI = 0;
}

void Figures::StepNumberText() {
  A_s = Str(II);
  StripSpaces();
  AA_s = A_s;
  if (II == 0 || NASI == -1) AA_s = "";
  CCC1 = 0;
}

void Figures::DrawDecimalTickLabels() {
  SetFontSize(SIZE1);
  // One label: the whole part and the first decimal as one run of digits,
  // the point drawn into the gap after the whole part, a little lower.
  auto label = [&](float v, float x0, float y0, float pointDrop, bool onXAxis) {
    P1 = IntPart(std::fabs(v));
    P2 = IntPart(10 * std::fabs(v)) - 10 * P1;
    A_s = Str(P1);
    StripSpaces();
    P1_s = A_s;
    if (v < 0) P1_s = "-" + P1_s;
    A_s = Str(P2);
    StripSpaces();
    P2_s = A_s;
    if (II == 0 || Mod(II, 5) != 0) return;
    AA_s = P2 == 0 ? P1_s : P1_s + P2_s;
    CCC1 = 0;
    const float n = static_cast<float>(Len(AA_s));
    X = onXAxis ? x0 - SIZE1 * n / 2 : x0 - SIZE1 * n;
    Y = y0;
    DrawText(X, Y, 2, 1, 0, AA_s);
    if (P2 != 0) {
      X = X + SIZE1 * static_cast<float>(Len(P1_s)) - 6;
      Y = Y + pointDrop;
      DrawText(X, Y, 2, 1, 0, ".");
    }
  };
  float end = AA2;
  II = AA1;
  do {
    label(II * BAIX, GX0 + SIZE * II, GY0 + 4, 4, true);
  } while ((II += 1) <= end);
  end = BB2;
  II = BB1;
  do {
    label(II * BAIY, GX0, GY0 - SIZE * II - SIZE1 / 2, 4, false);
  } while ((II += 1) <= end);
  SetFontSize(16);
}

}  // namespace lesson
