// Topic 1 of velmora: braking marks and falling bodies.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::BrakingFallMenu() {}

}  // namespace lesson
