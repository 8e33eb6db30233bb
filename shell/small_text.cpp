// Small text: short texts without markup (tick and axis numbers) in bold at
// 15 points with a fixed advance for each class of character, and the boxes
// that hold one or two centred lines of it.
#include <string>

#include "shell/formula_text.h"

namespace lesson {

void FormulaText::DrawSmallText() {
  // Tested first: an empty text draws nothing but still resets the font.
  TX = X;
  TY = Y;
  for (;;) {
    DR = GetPenWidth();
    LEM = static_cast<float>(Len(AA_s));
    if (LEM == 0) {
      SetBold(false);
      SetPenWidth(DR);
      SetFontSize(16);
      return;
    }
    A_s = Left(AA_s, 1);
    AA_s = Mid(AA_s, 2);
    R_s = A_s;
    NAG = static_cast<float>(Len(R_s));
    I = 1;
    B_s = A_s;
    TA2 = static_cast<float>(LenB(B_s));
    SetBold(true);
    SetFontSize(15);
    TX = X;
    TY = Y;
    if (B_s == "." || B_s == ",") {
      DrawText(TX, TY, 3, 2, CCC1, B_s);
      TX = TX + 8;
    } else if (B_s == "(") {
      DrawText(TX - 8, TY, 3, 2, CCC1, B_s);
      TX = TX + 12;
    } else if (B_s == ")") {
      DrawText(TX, TY, 3, 2, CCC1, B_s);
      TX = TX + 8;
    } else if (B_s == " ") {
      TX = TX + 20;
    } else if (TA2 == 2) {
      DrawText(TX, TY, 2, 2, CCC1, B_s);
      TX = TX + 30;
    } else if (B_s == "a" || B_s == "x" || B_s == "c") {
      SetFace("Times New Roman");
      SetFontSize(8);
      SetItalic(true);
      DrawText(TX + 4, TY - 12, 7, 4, CCC1, B_s);
      SetFace("ゴシック");
      SetItalic(false);
      B_s = "";
      TX = TX + 20;
    } else if (B_s == "y") {
      DrawText(TX, TY - 6, 3, 2, CCC1, B_s);
      TX = TX + 20;
    } else {
      DrawText(TX, TY, 3, 2, CCC1, B_s);
      TX = TX + 20;
    }
    I = 2;
    X = TX;
    Y = TY;
  }
}

void FormulaText::MeasureSmallText() {
  XX1 = X;
  YY1 = Y;
  AA1_s = A_s;
  AA_s = A_s;
  X = 0;
  Y = 1800;
  DrawSmallText();
  LLT = X;
  X = XX1;
  Y = YY1;
  AA_s = AA1_s;
}

void FormulaText::DrawSmallCaptionBox() {
  X1 = X;
  Y1 = Y;
  MOTOA_s = A_s;
  MeasureSmallText();
  LT1 = CentringInset(HABA, LLT);
  Y3 = Y1 + TATE;
  DrawBox(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  Y2 = Y1 + IntPart((TATE - 26) / 2);
  X = X1 + LT1;
  Y = Y2;
  AA_s = MOTOA_s;
  DrawSmallText();
  X = X1 + HABA;
  Y = Y1;
}

void FormulaText::DrawSmallTwoLineBox() {
  X1 = X;
  Y1 = Y;
  Y2 = Y1 + IntPart((TATE / 2 - 26) / 2);
  A_s = A1_s;
  MOTOA_s = A1_s;
  MeasureSmallText();
  LT1 = CentringInset(HABA, LLT);
  Y3 = Y1 + TATE;
  DrawBox(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  // Alone, the upper line moves down towards the middle.
  Y22 = A2_s.empty() ? Y2 + 15 : Y2;
  X = X1 + LT1;
  Y = Y22;
  AA_s = MOTOA_s;
  DrawSmallText();

  A_s = A2_s;
  MOTOA_s = A2_s;
  MeasureSmallText();
  LT1 = CentringInset(HABA, LLT);
  Y4 = Y2 + 30;
  X = X1 + LT1;
  Y = Y4;
  AA_s = MOTOA_s;
  DrawSmallText();
  X = X1 + HABA;
  Y = Y1;
}

}  // namespace lesson
