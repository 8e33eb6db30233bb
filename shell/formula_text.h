// Formula text: prompt text, math text with stacked fractions, roots and
// powers, table cells, small text, and the fraction, root and sign routines
// whose results are math texts. Every routine reads and leaves the shared
// variables named in its comment.
#pragma once
#include "shell/engine.h"

namespace lesson {

class FormulaText : public Engine {
 public:
  using Engine::Engine;

 protected:
  // ---- Prompt text and character conversion ----
  void StripSpaces();     // removes every half-width blank from A_s
  // The text through StripSpaces (passed in A_s, which it leaves holding the
  // result), as the arithmetic routines write their number texts.
  std::string StripSpacesOf(const std::string& text);
  // B_s (one character) through the full-width tables; leaves N1, N and
  // HENK1_s, HENK2_s, HENK_s, HENK3_s.
  void ToFullWidth();
  // The run A_s from X, Y in colour CCC1, 16 units a character; XT after it.
  // Leaves bold on, A_s without blanks, LE, I, B_s, L, JYOU.
  void DrawPlainRun();
  void DrawPlainText();   // AA_s at X, Y in colour CCC1, 16 units a character

  // ---- Math text ----
  void DrawMathText();     // AA_s at X, Y in colour CCC1; leaves X at the end, AA_s empty
  void MeasureMathText();  // width of A_s in LLT (drawn out of sight at y 1800)
  // The run A_s from X, Y in colour CCC1 (BUN 1: a fraction part); X after it.
  void DrawGlyphRun();
  // The fraction text A_s (numerator "/" denominator) stacked at X, Y;
  // X at the bar's right end, BUN 0, the pen width DR put back.
  void DrawFraction();

  // ---- Table cells ----
  // Inset that centres a text of width w in a box haba wide, kept fractional;
  // a text wider than the box starts at its left edge (inset 0).
  static float CentringInset(float haba, float w);
  void DrawTableCell();             // box X, Y, HABA x TATE, border CCC2, fill CCC3, A_s centred
  void DrawTableCellAroundText();   // the same box centred on the text line at Y
  void DrawTwoLineCell();           // the box of DrawTableCell with A1_s over A2_s

  // ---- Small text ----
  void DrawSmallText();             // AA_s at 15 points, bold, at X, Y in colour CCC1
  void MeasureSmallText();          // width of A_s as DrawSmallText draws it, in LLT
  void DrawSmallCaptionBox();       // box X, Y, HABA x TATE with A_s centred in small text
  void DrawSmallTwoLineBox();       // the same box with A1_s over A2_s

  // ---- Fraction and root arithmetic (results as math texts) ----
  void ReduceFraction();    // DS/DB to lowest terms; YAK, YAK1, A1_s..A31_s, TKAI1_s, TKAI2_s
  void ComputeGcdLcm();     // X3 = gcd of DS and DB, X4 = DS*DB/X3
  void AddFractions();      // DSM1/DBM1 + DSM2/DBM2 over a common denominator DB
  void StripMarkup();       // removes every "^", "ﾝ", "ﾀ" and "=" from A_s
  void SimplifyRoot();      // the root of R1B as R1A times the root of the rest

  // ---- Sign, brace and column routines ----
  void FlipSign();              // A_s: leading "-" <-> "+", "-" before an unsigned text
  void DropLeadingPlus();       // A_s without a leading "+"
  void DropLeadingSign();       // A_s without a leading "+" or "-"
  void ParenthesizeNegative();  // A_s in parentheses when it holds a "-"
  void DrawLeftBrace();         // a left brace in the space at X, Y, HABA high, colour CCC1
  // A1_s over ENZAN_s ")" A2_s at X, Y, lines TAKASA apart, and a rule under them.
  void DrawColumnCalculation();
};

}  // namespace lesson
