// The run-and-rise arrows between two points of a plane: a run arrow across
// from the left point, a rise arrow up or down to the right point, and on
// request the run and the rise in grid steps beside them.
#include <utility>

#include "lessons/orvanti/orvanti.h"

namespace lesson {

namespace {

// A number text between -1 and 1 gets the zero before its point that the
// number-to-text conversion leaves out: ".5" reads "0.5", "-.5" reads "-0.5".
std::string WithLeadingZero(const std::string& text) {
  if (text.rfind(".", 0) == 0) return "0" + text;
  if (text.rfind("-.", 0) == 0) return "-0" + text.substr(1);
  return text;
}

}  // namespace

void Orvanti::DrawRunRiseArrows() {
  // Point 3 becomes the left point; equal x values keep the order passed.
  if (GX3 > GX4) {
    std::swap(GX3, GX4);
    std::swap(GY3, GY4);
  }
  // Width 5 stays set after the call: what the scene draws next uses it.
  SetPenWidth(5);

  // The run arrow at the left point's height, pointing right.
  ZX0 = GX3; ZY0 = GY3; ZX = GX4; ZY = GY3;
  MUKI = 1; CCC2 = 7; NAGASA = 16;
  DrawArrow();
  // The rise arrow from the run arrow's head to the right point.
  ZX0 = GX4; ZY0 = GY3; ZX = GX4; ZY = GY4;
  MUKI = 1; CCC2 = 3; NAGASA = 16;
  DrawArrow();

  // The run and the rise in grid steps; positive rise = right point higher.
  X_s = WithLeadingZero(StripSpacesOf(Str((GX4 - GX3) / SIZE)));
  Y_s = WithLeadingZero(StripSpacesOf(Str((GY3 - GY4) / SIZE)));

  if (Mid(HYOUJI_s, 1, 1) == "y") LabelRunArrow();
  if (Mid(HYOUJI_s, 2, 1) == "y") LabelRiseArrow();
}

// The run on the triangle's side of the run arrow: 44 above its line when
// the rise goes up, on the line when it goes down.
void Orvanti::LabelRunArrow() {
  CCC1 = 7;
  X = (GX3 + GX4) / 2 - 14;
  Y = GY3 > GY4 ? GY3 - 44 : GY3;
  AA_s = X_s;
  DrawMathText();
}

// The rise beside the rise arrow, 16 above its middle.
void Orvanti::LabelRiseArrow() {
  CCC1 = 3;
  X = GX4;
  Y = (GY3 + GY4) / 2 - 16;
  AA_s = Y_s;
  DrawMathText();
}

}  // namespace lesson
