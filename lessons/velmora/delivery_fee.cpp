// Topic 4 of velmora: delivery fees.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::DeliveryFeeMenu() {}

}  // namespace lesson
