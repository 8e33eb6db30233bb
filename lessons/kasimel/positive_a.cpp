#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::PositiveAMenu() {}

}  // namespace lesson
