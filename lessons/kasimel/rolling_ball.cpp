#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::RollingBallMenu() {}

}  // namespace lesson
