// Lesson steps that the scenes of every program repeat: a text statement,
// a value cell, a parabola, a dot.
#include "figures/figures.h"

namespace lesson {

void Figures::TextStatement(float colour, float x, float y, const std::string& text) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_s = text;
  DrawMathText();
  XI2 = X;
  YI1 = Y;
}

void Figures::MathTextAt(float colour, float x, float y, const std::string& text) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_s = text;
  DrawMathText();
}

void Figures::DrawValueCell(float colour, const std::string& text) {
  HABA = 88;
  TATE = 50;
  CCC1 = colour;
  CCC2 = 0;
  CCC3 = 15;
  A_s = text;
  DrawTableCell();
}

void Figures::PlotParabola(float a, float colour, const std::string& label) {
  IROIRO = 2; AA = a; CCC3 = colour; AAA_s = label;
  PlotFunctionGraph();
}

void Figures::PlotDot(float x, float y, float r, float colour) {
  XG = x; YG = y; R = r; CCC3 = colour; AAA_s = "";
  PlotLabeledPoint();
}

}  // namespace lesson
