#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::NegativeAMenu() {}

}  // namespace lesson
