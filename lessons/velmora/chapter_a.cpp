// Topic 5 of velmora: chapter problems A.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::ChapterAMenu() {}

}  // namespace lesson
