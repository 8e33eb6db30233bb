// Sign routines on the text A_s, the left brace, and the written column
// calculation (two operands, an operator with ")" and a rule under them).
#include <string>

#include "shell/formula_text.h"

namespace lesson {

void FormulaText::FlipSign() {
  LE = static_cast<float>(Len(A_s));
  if (LE == 0) return;
  const std::string first = Left(A_s, 1);
  if (first == "-") {
    A_s = "+" + Mid(A_s, 2);
  } else if (first == "+") {
    A_s = "-" + Mid(A_s, 2);
  } else {
    A_s = "-" + A_s;
  }
}

void FormulaText::DropLeadingPlus() {
  LE = static_cast<float>(Len(A_s));
  if (Left(A_s, 1) == "+") A_s = Mid(A_s, 2);
}

void FormulaText::DropLeadingSign() {
  LE = static_cast<float>(Len(A_s));
  const std::string first = Left(A_s, 1);
  if (first == "+" || first == "-") A_s = Mid(A_s, 2);
}

void FormulaText::ParenthesizeNegative() {
  const int at = Instr(1, A_s, "-");
  TA1 = at == 0 ? 0.0f : static_cast<float>(LenB(Left(A_s, at - 1)) + 1);
  if (TA1 != 0) A_s = "(" + A_s + ")";
}

void FormulaText::DrawLeftBrace() {
  X1 = X + 35;
  X2 = X1 - 12;
  X3 = X2;
  X4 = X2 - 15;
  DR = GetPenWidth();
  Y1 = Y + 5;
  Y7 = Y + HABA - 10;
  Y4 = (Y1 + Y7) / 2;
  Y2 = Y1 + 3;
  Y3 = Y4 - 7;
  Y5 = Y4 + 7;
  Y6 = Y7 - 3;
  SetPenWidth(5);
  DrawPolyline({{X1, Y1}, {X2, Y2}, {X3, Y3}, {X4, Y4}, {X3, Y5}, {X2, Y6}, {X1, Y7}}, CCC1);
  SetPenWidth(DR);
}

void FormulaText::DrawColumnCalculation() {
  X1 = X;
  Y1 = Y;
  DR = GetPenWidth();
  A_s = A1_s;
  MeasureMathText();
  LT1 = LLT;
  A_s = A2_s;
  MeasureMathText();
  LT2 = LLT;
  LT = LT1 > LT2 ? LT1 : LT2;

  X = X1 + 54;
  Y = Y1;
  AA_s = A1_s;
  DrawMathText();

  // The operator with its ")" at the left of the second line.
  X = X1;
  Y = Y1 + TAKASA + 6;
  AA_s = ENZAN_s;
  DrawMathText();
  AA_s = ")";
  DrawMathText();

  X = X1 + 54;
  Y = Y1 + TAKASA;
  AA_s = A2_s;
  DrawMathText();

  SetPenWidth(3);
  DrawLineRel(X1 + 27, Y1 + 2 * TAKASA, LT + 30, 0, CCC2);
  SetPenWidth(DR);

  YI1 = Y1 + TAKASA;
  XI3 = X1 + 54;
  // A text that follows on the second line starts one glyph past the rule.
  XI2 = X1 + 57 + LT + 27;
}

}  // namespace lesson
