#include <cmath>

#include "figures/figures.h"

namespace lesson {

bool Figures::UnitDirection(float fromX, float fromY, float toX, float toY) {
  CX = toX - fromX;
  CY = toY - fromY;
  D = std::sqrt(CX * CX + CY * CY);
  if (D == 0) return false;
  DX = CX / D;
  DY = CY / D;
  return true;
}

void Figures::DrawParallelMarks() {
  // A segment of no length has no direction to mark.
  if (!UnitDirection(AX, AY, BX, BY)) return;
  BX1 = AX + CX * A / (A + B);
  BY1 = AY + CY * A / (A + B);
  EX = BX1 - NAGASA * DX;
  EY = BY1 - NAGASA * DY;
  AX1 = EX - (NAGASA / 2) * DY;
  AY1 = EY + (NAGASA / 2) * DX;
  AX2 = EX + (NAGASA / 2) * DY;
  AY2 = EY - (NAGASA / 2) * DX;
  if (HONSU <= 0 || HONSU > 6) HONSU = 1;
  // Chevrons 16 apart, the first tip 16 beyond the division point.
  const float end = HONSU;
  II = 1;
  do {
    BX1 = BX1 + 16 * DX;
    BY1 = BY1 + 16 * DY;
    AX1 = AX1 + 16 * DX;
    AY1 = AY1 + 16 * DY;
    AX2 = AX2 + 16 * DX;
    AY2 = AY2 + 16 * DY;
    DrawLine(AX1, AY1, BX1, BY1, CCC2);
    DrawLine(AX2, AY2, BX1, BY1, CCC2);
  } while ((II += 1) <= end);
}

void Figures::DrawEqualTicks() {
  if (AIDA == 0 || AIDA > 30) AIDA = 8;
  if (!UnitDirection(AX, AY, BX, BY)) return;
  EX = (AX + BX) / 2 + ITI * DX;
  EY = (AY + BY) / 2 + ITI * DY;
  if (HONSU < 0 || HONSU > 6) HONSU = 1;
  AIDA1 = AIDA;
  // Ticks across the segment, AIDA1 apart from the shifted middle toward B.
  const float end = HONSU;
  II = 1;
  do {
    AX1 = EX + AIDA * DX + NAGASA * DY;
    AY1 = EY + AIDA * DY - NAGASA * DX;
    AX2 = EX + AIDA * DX - NAGASA * DY;
    AY2 = EY + AIDA * DY + NAGASA * DX;
    DrawLine(AX1, AY1, AX2, AY2, CCC2);
    AIDA = AIDA + AIDA1;
  } while ((II += 1) <= end);
}

}  // namespace lesson
