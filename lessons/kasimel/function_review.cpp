#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::FunctionReviewMenu() {}

}  // namespace lesson
