// Topic 2 of velmora: using graphs.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::GraphUseMenu() {}

}  // namespace lesson
