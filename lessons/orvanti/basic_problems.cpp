// Topic 6 of orvanti: the basic problems of textbook page 113.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::BasicsMenu() {}

}  // namespace lesson
