// Topic 3 of orvanti: the range of y.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::RangeMenu() {}

}  // namespace lesson
