#include <cmath>

#include "figures/figures.h"

namespace lesson {

void Figures::IntersectLines() {
  // Each line as slope and intercept; a vertical one is flagged apart (its
  // slope variable holds 1000 as before), so no real slope is mistaken for it.
  bool firstVertical = false;
  bool secondVertical = false;
  if (BY == AY) {
    A1 = 0;
    B1 = AY;
  } else if (BX == AX) {
    A1 = 1000;
    firstVertical = true;
  } else {
    A1 = (BY - AY) / (BX - AX);
    B1 = AY - A1 * AX;
  }
  if (DY == CY) {
    A2 = 0;
    B2 = CY;
  } else if (DX == CX) {
    A2 = 1000;
    secondVertical = true;
  } else {
    A2 = (DY - CY) / (DX - CX);
    B2 = CY - A2 * CX;
  }
  // Parallel lines (two vertical ones included) cross nowhere: the result
  // is left as it was.
  if (firstVertical && secondVertical) return;
  if (!firstVertical && !secondVertical && A1 == A2) return;
  if (firstVertical) {
    AX2 = AX;
    AY2 = A2 * AX2 + B2;
    return;
  }
  if (secondVertical) {
    AX2 = CX;
    AY2 = A1 * AX2 + B1;
    return;
  }
  AX2 = -(B2 - B1) / (A2 - A1);
  AY2 = (-A1 * (B2 - B1) + B1 * (A2 - A1)) / (A2 - A1);
}

void Figures::MarkPerpendicularFoot() {
  if (BX == AX) {
    EX = AX;
    EY = CY;
  } else if (BY == AY) {
    EX = CX;
    EY = AY;
  } else {
    AA1 = (BY - AY) / (BX - AX);
    BB1 = AY - AA1 * AX;
    AA2 = -1 / AA1;
    BB2 = CY - AA2 * CX;
    EX = -(BB1 - BB2) / (AA1 - AA2);
    EY = (AA1 * BB2 - AA2 * BB1) / (AA1 - AA2);
  }
  FillCircle(EX, EY, 2, 15, 15);
}

void Figures::ComputePointOnLine() {
  // CX < 0: the x at height CY is sought; CY < 0: the y at CX.
  if (BX == AX) {
    // A vertical line has one x at every height and no single y.
    if (CX < 0) {
      X1 = AX;
      Y1 = CY;
    }
    return;
  }
  if (AY == BY) {
    // A horizontal line has one y at every x and no single x.
    if (CY < 0) {
      X1 = CX;
      Y1 = AY;
    }
    return;
  }
  A = (BY - AY) / (BX - AX);
  B = AY - A * AX;
  if (CX < 0) {
    X1 = (CY - B) / A;
    Y1 = CY;
  }
  if (CY < 0) {
    Y1 = A * CX + B;
    X1 = CX;
  }
}

void Figures::RotatePoint() {
  ZX11 = ZX0;
  ZY11 = ZY0;
  ZX12 = ZX1;
  ZY12 = ZY1;
  CX = ZX1 - ZX0;
  CY = ZY1 - ZY0;
  RR = std::sqrt(CX * CX + CY * CY) / 2;
  ZX2 = ZX0 + RR;
  ZY2 = ZY0;
  ComputePointAngle();
  H = HHP;
  HalfEllipsePoint(KAKUDO);
}

}  // namespace lesson
