#include <utility>

#include "figures/figures.h"

namespace lesson {

void Figures::DrawArrow() {
  // One arrow with its head at (ZX0, ZY0), its tail at (ZX, ZY).
  auto drawOne = [&] {
    DrawLine(ZX, ZY, ZX0, ZY0, CCC2);
    // An arrow of no length has no direction: the shaft only.
    if (!UnitDirection(ZX, ZY, ZX0, ZY0)) return;
    EX = ZX0 - NAGASA * DX;
    EY = ZY0 - NAGASA * DY;
    ZX1 = EX - (NAGASA / 2) * DY;
    ZY1 = EY + (NAGASA / 2) * DX;
    ZX2 = EX + (NAGASA / 2) * DY;
    ZY2 = EY - (NAGASA / 2) * DX;
    DrawLine(ZX1, ZY1, ZX0, ZY0, CCC2);
    DrawLine(ZX2, ZY2, ZX0, ZY0, CCC2);
  };
  const bool headAtStart = MUKI == -1;
  if (!headAtStart) {
    std::swap(ZX0, ZX);
    std::swap(ZY0, ZY);
  }
  drawOne();
  if (YA == 2) {
    // The second head goes to the caller's end point, which the first pass
    // left in ZX, ZY only when its head was at the start.
    YA = 0;
    if (headAtStart) {
      std::swap(ZX0, ZX);
      std::swap(ZY0, ZY);
    }
    drawOne();
  }
  MUKI = 0;
}

}  // namespace lesson
