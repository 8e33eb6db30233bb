#include <cmath>
#include <utility>

#include "figures/figures.h"

namespace lesson {

namespace {

// Direction of Q seen from P in radians, 0 up to a full turn, counted
// counter-clockwise with the screen's y axis taken as pointing up. Divides
// only when the y values differ; Q on P counts as pi.
float Direction(float px, float py, float qx, float qy, float pi) {
  const float dx = qx - px;
  const float dy = qy - py;
  if (dy < 0) return pi / 2 + std::atan(dx / dy);
  if (dy > 0) return pi * 3 / 2 + std::atan(dx / dy);
  if (dx > 0) return 0;
  return pi;
}

}  // namespace

void Figures::ComputePointAngle() {
  PI = 3.14159f;
  HHP = Direction(ZX0, ZY0, ZX1, ZY1, PI);
  HH = HHP * 180 / PI;
}

void Figures::ComputeAngleArc() {
  PI = 3.14159f;
  const float first = Direction(ZX0, ZY0, ZX1, ZY1, PI);
  HH1 = 1 - first / (2 * PI);
  HH3 = first;
  const float second = Direction(ZX0, ZY0, ZX2, ZY2, PI);
  HH2 = 1 - second / (2 * PI);
  HH4 = second;
  HHP = second;
  if (ITI == -1) {
    std::swap(HH1, HH2);
    std::swap(HH3, HH4);
  }
  // Bisector of the counter-clockwise sweep from HH3 to HH4; only its sine
  // and cosine are used, so it may pass a full turn.
  HH5 = (HH3 + HH4) / 2;
  if (HH4 < HH3) HH5 = HH5 + PI;
}

void Figures::FormatAngleDegrees() {
  ComputeAngleArc();
  if (HH4 < HH3) HH4 = HH4 + 2 * PI;
  HH5 = HH4 - HH3;
  HH = HH5 * 180 / PI;
  A_s = Str(ToWhole(10 * HH) / 10);
  StripSpaces();
  KAKUDO_s = A_s;
}

void Figures::PlaceAngleLabel() {
  A_s = AAA_s;
  MeasureMathText();
  ComputeAngleArc();
  N1 = static_cast<float>(Instr(1, AAA_s, "ﾀ"));
  DY = N1 > 0 ? 40.0f : 22.0f;
  // Anchor on the bisector, NAGASA from the vertex; the label's box lies
  // beyond it, seen from the vertex.
  const float c = std::cos(HH5);
  const float s = std::sin(HH5);
  const float ax = ZX0 + NAGASA * c;
  const float ay = ZY0 - NAGASA * s;
  X = ax + LLT * (c / 2 - 0.5f) + AAAX;
  Y = ay - 2 * DY * (s / 2 + 0.5f) + AAAY;
  AA_s = AAA_s;
  if (MU_DO == 1) {
    DrawSmallText();
  } else {
    DrawMathText();
  }
  ITI = 0;
  AAAX = 0;
  AAAY = 0;
  NAGASA = 0;
  MU_DO = 0;
  AAA_s = "";
}

void Figures::DrawAngleArc() {
  ComputeAngleArc();
  if (HONSU > 6) HONSU = 1;
  if (HONSU > 0) {
    // Arcs 8 units apart inside the label's distance.
    NAGASA1 = NAGASA;
    const float end = HONSU;
    II = 1;
    do {
      NAGASA1 = NAGASA1 - 8;
      if (NAGASA1 > 0) DrawCircle(ZX0, ZY0, NAGASA1, CCC3, HH2, HH1);
    } while ((II += 1) <= end);
  } else if (NAGASA > 0) {
    FillCircle(ZX0, ZY0, NAGASA, CCC2, CCC3, HH2, HH1);
  }
  PlaceAngleLabel();
  ITI = 0;
  AAA_s = "";
}

void Figures::DrawRightAngleMark() {
  ComputeAngleArc();
  ZX3 = ZX0 + NAGASA * std::cos(HH3);
  ZY3 = ZY0 - NAGASA * std::sin(HH3);
  ZX4 = ZX0 + NAGASA * std::cos(HH4);
  ZY4 = ZY0 - NAGASA * std::sin(HH4);
  ZX5 = ZX3 + NAGASA * std::cos(HH4);
  ZY5 = ZY3 - NAGASA * std::sin(HH4);
  // Only the two sides away from the arms.
  DrawPolyline({{ZX3, ZY3}, {ZX5, ZY5}, {ZX4, ZY4}}, CCC2);
}

}  // namespace lesson
