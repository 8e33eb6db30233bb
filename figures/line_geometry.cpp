#include "figures/figures.h"

namespace lesson {

namespace {

// A line through two points as slope and intercept. A horizontal one (the
// test comes first, so one point twice counts as horizontal) has slope 0
// and its y; a vertical one is flagged apart, its slope variable holding
// 1000 as before and its intercept left alone, so that no real slope of
// 1000 is mistaken for it. True for a vertical line.
bool ReadLine(float x1, float y1, float x2, float y2, float& slope, float& intercept) {
  if (y2 == y1) {
    slope = 0;
    intercept = y1;
    return false;
  }
  if (x2 == x1) {
    slope = 1000;
    return true;
  }
  slope = (y2 - y1) / (x2 - x1);
  intercept = y1 - slope * x1;
  return false;
}

}  // namespace

void Figures::IntersectLines() {
  const bool firstVertical = ReadLine(AX, AY, BX, BY, A1, B1);
  const bool secondVertical = ReadLine(CX, CY, DX, DY, A2, B2);
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
  LaySegmentFlat();
  HalfEllipsePoint(KAKUDO);
}

}  // namespace lesson
