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
  // Prompt text and character conversion.
  void StripSpaces();     // removes every half-width blank from A_s
  void DrawPlainText();   // AA_s at X, Y in colour CCC1, 16 units a character

  // Math text.
  void DrawMathText();     // AA_s at X, Y in colour CCC1; leaves X at the end, AA_s empty
  void MeasureMathText();  // width of A_s in LLT (drawn out of sight at y 1800)

  // Table cells and small text.
  void DrawTableCell();             // box X, Y, HABA x TATE, border CCC2, fill CCC3, A_s centred
  void DrawTableCellAroundText();   // the same box centred on the text line at Y
  void DrawSmallText();             // AA_s at 15 points, bold, at X, Y in colour CCC1
  void MeasureSmallText();          // width of A_s as DrawSmallText draws it, in LLT
};

}  // namespace lesson
