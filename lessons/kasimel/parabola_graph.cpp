#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::ParabolaGraphMenu() {}

}  // namespace lesson
