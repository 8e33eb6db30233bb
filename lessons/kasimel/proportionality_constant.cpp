#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::ProportionalityConstantMenu() {}

}  // namespace lesson
