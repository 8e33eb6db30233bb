// Topic 5 of orvanti: average speed.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::AvgSpeedMenu() {}

}  // namespace lesson
