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

void Figures::DrawCell(float width, float textColour, float border, float fill,
                       const std::string& text, float height) {
  HABA = width;
  TATE = height;
  CCC1 = textColour;
  CCC2 = border;
  CCC3 = fill;
  A_s = text;
  DrawTableCell();
}

void Figures::CellStatement(float width, float textColour, float border, float fill,
                            const std::string& text, float height) {
  DrawCell(width, textColour, border, fill, text, height);
  XI2 = X;
  YI1 = Y;
}

void Figures::DrawValueCell(float colour, const std::string& text) {
  DrawCell(88, colour, 0, 15, text);
}

void Figures::PageTitleCell(float width, const std::string& title) {
  X = XI1;
  Y = YI1;
  CellStatement(width, 0, 3, 13, title, 48);
}

void Figures::ProblemNumberCell(float x, float y, const std::string& number) {
  X = x;
  Y = y;
  CellStatement(44, 13, 4, 3, number, 44);
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
