// Topic 6 of velmora: chapter problems B.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::ChapterBMenu() {}

}  // namespace lesson
