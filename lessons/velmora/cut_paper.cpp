// Topic 3 of velmora: cut paper.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::CutPaperMenu() {}

}  // namespace lesson
