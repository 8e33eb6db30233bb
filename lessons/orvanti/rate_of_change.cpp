// Topic 2 of orvanti: the rate of change.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::RateMenu() {}

}  // namespace lesson
