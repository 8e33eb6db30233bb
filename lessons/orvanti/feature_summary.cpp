// Topic 4 of orvanti: the summaries of the features.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::SummaryMenu() {}

}  // namespace lesson
