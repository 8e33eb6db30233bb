#include "lessons/kasimel/kasimel.h"

namespace lesson {

void Kasimel::GraphSummaryMenu() {}

}  // namespace lesson
