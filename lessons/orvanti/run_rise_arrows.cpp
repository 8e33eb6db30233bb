// The run-and-rise arrows between two points of a plane.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::DrawRunRiseArrows() {}

}  // namespace lesson
