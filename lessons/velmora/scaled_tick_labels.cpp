// Value labels of a plane whose grid steps stand for several units.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::DrawScaledTickLabels() {}

}  // namespace lesson
