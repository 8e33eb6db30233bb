// The math-text renderer: reads a line of math text one character at a
// time, draws stacked fractions and the tall root itself, and hands every
// other character to the glyph-run renderer.
#include <string>

#include "shell/formula_text.h"

namespace lesson {

void FormulaText::DrawMathText() {
  // Tested first: an empty text draws nothing.
  for (;;) {
    DR = GetPenWidth();
    LEM = static_cast<float>(Len(AA_s));
    if (LEM == 0) {
      SetPenWidth(DR);
      return;
    }
    A_s = Left(AA_s, 1);
    AA_s = Mid(AA_s, 2);

    if (A_s == "ﾀ") {
      // A fraction runs to the next mark; a mark without a partner is dropped.
      N = static_cast<float>(Instr(1, AA_s, "ﾀ"));
      if (N == 0) continue;
      A_s = Left(AA_s, N - 1);
      AA_A_s = Right(AA_s, LEM - N - 1);
      // The fraction's measuring runs this renderer again on the same shared
      // variables; only the rest of the text, kept in AA_A_s, is needed after it.
      DrawFraction();
      AA_s = AA_A_s;
      continue;
    }
    if (A_s == "#") {
      // The tall radical sign over the fraction that follows.
      SetPenWidth(3);
      DrawPolyline({{X + 4, Y + 36}, {X + 8, Y + 24}, {X + 16, Y + 60}, {X + 30, Y - 14},
                    {X + 38, Y - 14}},
                   CCC1);
      B_s = "";
      HROOT = 22;
      SetPenWidth(DR);
      X = X + 32;
      TXM = X;
      continue;
    }
    if (A_s == "^") {
      JYOU = 1;
      continue;
    }
    DrawGlyphRun();
  }
}

void FormulaText::MeasureMathText() {
  // The saved position and text belong to this call: a fraction in the text
  // measures its parts with nested calls of this routine.
  const float keptX = X;
  const float keptY = Y;
  const std::string keptA = A_s;
  X = 0;
  Y = 1800;
  AA_s = A_s;
  DrawMathText();
  LLT = X;
  X = keptX;
  Y = keptY;
  A_s = keptA;
}

}  // namespace lesson
