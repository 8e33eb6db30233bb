// Stacked fractions: the numerator over a bar over the denominator, both
// centred on the bar, which is as wide as the wider part.
#include <string>

#include "shell/formula_text.h"

namespace lesson {

namespace {

// Byte position (1-based, cp932 bytes) of the first whole character ch in s,
// 0 when absent. Searching by character keeps a double-byte character whose
// second byte has the same code (such as "タ" for "^") from being taken for it.
float BytePosition(const std::string& s, const std::string& ch) {
  const int at = Instr(1, s, ch);
  if (at == 0) return 0;
  return static_cast<float>(LenB(Left(s, at - 1)) + 1);
}

}  // namespace

void FormulaText::DrawFraction() {
  XT = X;
  YT = Y;
  TA5 = BytePosition(A_s, "!");
  TA6 = BytePosition(A_s, "√");

  // Numerator and denominator split at the first "/"; a text without one is
  // drawn as an empty numerator over the whole text.
  TA1 = BytePosition(A_s, "/");
  const int slash = Instr(1, A_s, "/");
  if (slash == 0) {
    RTASKAI1_s = "";
    RTASKAI2_s = A_s;
  } else {
    RTASKAI1_s = Left(A_s, slash - 1);
    RTASKAI2_s = Mid(A_s, slash + 1);
  }

  BUN = 1;
  A_s = RTASKAI1_s;
  MeasureMathText();
  TBSI = LLT;
  BUN = 1;
  A_s = RTASKAI2_s;
  MeasureMathText();
  TBBO = LLT;
  BUN = 0;

  NAGA = TBSI >= TBBO ? TBSI : TBBO;
  TBSI1 = (NAGA - TBSI) / 2;
  TBBO1 = (NAGA - TBBO) / 2;

  SetPenWidth(4);
  BSEN = YT + 25;
  DrawLine(XT, BSEN, XT + NAGA, BSEN, CCC1);
  SetPenWidth(DR);
  if (HROOT == 22) {
    // The overline of the tall root, level with the top of its sign.
    SetPenWidth(3);
    DrawLine(XT, YT - 14, XT + NAGA, YT - 14, CCC1);
    SetPenWidth(DR);
  }

  // A root or an exponent in the denominator, and a root anywhere in the
  // fraction, move the denominator down.
  TA1 = BytePosition(RTASKAI2_s, "√");
  TA2 = BytePosition(RTASKAI2_s, "^");
  Y = (TA1 == 0 && TA2 == 0) ? YT + 28 : YT + 36;
  if (TA5 != 0 || TA6 != 0) Y = Y + 8;

  X = XT + TBBO1;
  BUN = 1;
  A_s = RTASKAI2_s;
  DrawGlyphRun();

  X = XT + TBSI1;
  Y = YT - 10;
  BUN = 1;
  A_s = RTASKAI1_s;
  DrawGlyphRun();

  BUN = 0;
  X = XT + NAGA;
  Y = YT;
}

}  // namespace lesson
