// Table cells: filled boxes with a math text centred in them, for tables of
// values, captions, number badges and fill-in boxes.
#include "shell/formula_text.h"

namespace lesson {

float FormulaText::CentringInset(float haba, float w) {
  const float inset = (haba - w) / 2;
  return inset < 0 ? 0 : inset;
}

void FormulaText::DrawTableCell() {
  X1 = X;
  Y1 = Y;
  MOTOA_s = A_s;
  N1 = static_cast<float>(Instr(1, A_s, "ﾀ"));
  // The gap below a cell of this height, which the lessons' tables read.
  N2 = TATE >= 80 ? 30.0f : 20.0f;
  MeasureMathText();
  LT1 = CentringInset(HABA, LLT);
  // A line is taken as 44 high, 50 with a stacked fraction.
  Y2 = N1 == 0 ? Y1 + IntPart((TATE - 44) / 2) : Y1 + IntPart((TATE - 50) / 2);
  Y3 = Y1 + TATE;
  DrawBox(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  X = X1 + LT1 + AAAX;
  Y = Y2 + AAAY;
  AA_s = MOTOA_s;
  DrawMathText();
  // The text shift serves one cell only.
  AAAX = 0;
  AAAY = 0;
  X = X1 + HABA;
  Y = Y1;
}

void FormulaText::DrawTableCellAroundText() {
  X1 = X;
  Y1 = Y;
  MOTOA_s = A_s;
  N1 = static_cast<float>(Instr(1, A_s, "ﾀ"));
  N2 = TATE >= 80 ? 30.0f : 20.0f;
  MeasureMathText();
  LT1 = CentringInset(HABA, LLT);
  const float above = IntPart((TATE - 44) / 2);
  Y2 = Y1 - above;
  Y3 = Y1 + TATE - above;
  DrawBox(X1, Y2, X1 + HABA, Y3, CCC2, CCC3);
  X = X1 + LT1;
  Y = Y1;
  AA_s = MOTOA_s;
  DrawMathText();
  X = X1 + HABA;
  Y = Y1;
}

void FormulaText::DrawTwoLineCell() {
  X1 = X;
  Y1 = Y;
  MOTOA_s = A1_s;
  A_s = A1_s;
  N1 = static_cast<float>(Instr(1, A1_s, "ﾀ"));
  MeasureMathText();
  LT1 = CentringInset(HABA, LLT);
  Y2 = N1 == 0 ? Y1 + IntPart((TATE / 2 - 44) / 2) : Y1 + IntPart((TATE / 2 - 50) / 2);
  Y3 = Y1 + TATE;
  DrawBox(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  // Alone, the first line moves down towards the middle.
  Y22 = A2_s.empty() ? Y2 + 25 : Y2;
  X = X1 + LT1;
  Y = Y22;
  AA_s = MOTOA_s;
  DrawMathText();

  MOTOA_s = A2_s;
  A_s = A2_s;
  N1 = static_cast<float>(Instr(1, A2_s, "ﾀ"));
  MeasureMathText();
  LT1 = CentringInset(HABA, LLT);
  Y4 = N1 == 0 ? Y1 + 44 + IntPart((TATE / 2 - 44) / 2)
               : Y1 + 50 + IntPart((TATE / 2 - 50) / 2);
  X = X1 + LT1;
  Y = Y4;
  AA_s = MOTOA_s;
  DrawMathText();
  X = X1 + HABA;
  Y = Y1;
}

}  // namespace lesson
