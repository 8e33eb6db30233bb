#include <cmath>

#include "figures/figures.h"

namespace lesson {

void Figures::HalfEllipsePoint(float degrees) {
  HH = degrees * PI / 180;
  ZX3 = ZX2 + RR * std::cos(HH);
  // The height is scaled by RR / RR as the figure is laid out; a segment of
  // no length has no ellipse, and every point falls on P0.
  ZY3 = RR == 0 ? ZY2 : ZY2 - TAKASA / RR * RR * std::sin(HH);
  ZX1 = ZX3;
  ZY1 = ZY3;
  ComputePointAngle();
  R = std::sqrt((ZX3 - ZX0) * (ZX3 - ZX0) + (ZY3 - ZY0) * (ZY3 - ZY0));
  ZX = ZX0 + R * std::cos(H + HHP);
  ZY = ZY0 - R * std::sin(H + HHP);
}

void Figures::LaySegmentFlat() {
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
}

void Figures::DrawDimensionArc() {
  // Heights below 16 count in steps of 16 units; the adjusted value stays.
  if (TAKASA > 0 && TAKASA < 16) {
    TAKASA = TAKASA * 16;
  } else if (TAKASA < 0) {
    TAKASA = std::fabs(TAKASA);
  }
  LaySegmentFlat();
  if (HOUKOU > 0) {
    D1 = 180;
    D2 = 360;
  } else {
    D1 = 0;
    D2 = 180;
  }
  // The dots: the first parameter always; a step that is not positive never
  // reaches the end, so it gives that one dot only.
  const float step = HABA;
  const float end = D2;
  II = D1;
  for (;;) {
    HalfEllipsePoint(II);
    FillCircle(ZX, ZY, 0.5f, CCC2, CCC2);
    II = II + step;
    if (!(step > 0) || II > end) break;
  }
  // The apex, where the label goes.
  HalfEllipsePoint((D1 + D2) / 2);
  ZX2 = ZX12;
  ZY2 = ZY12;
  ZX1 = ZX11;
  ZY1 = ZY11;
  ZX0 = ZX;
  ZY0 = ZY;
  NAGASA = 0;
  ITI = HOUKOU;
  PlaceAngleLabel();
  AAA_s = "";
}

}  // namespace lesson
