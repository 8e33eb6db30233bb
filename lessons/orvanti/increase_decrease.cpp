// Topic 1 of orvanti: increase and decrease.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::IncDecMenu() {}

}  // namespace lesson
