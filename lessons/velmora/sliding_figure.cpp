// The sliding figure of velmora's chapter problem B3: a right trapezoid
// ABCD slides along the line l onto the rectangle EFGH, one cell a key, and
// the part where they overlap is painted.
#include <string>

#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::MoveTrapezoid() {
  // A to D from their copies at offset 0; E to H and l never move.
  for (int k = 1; k <= 4; k++) Xa(k) = Xa(20 + k) + PP * SIZE;
  // Point 11: where the line CD meets the line EF (vertical).
  AX = Xa(3); AY = Ya(3);
  BX = Xa(4); BY = Ya(4);
  CX = Xa(5); CY = Ya(5);
  DX = Xa(6); DY = Ya(6);
  IntersectLines();
  Xa(11) = AX2;
  Ya(11) = AY2;
}

void Velmora::DrawSlidingFigure() {
  const auto point = [&](float i) { return Point{Xa(i), Ya(i)}; };
  DrawPolyline({point(1), point(2), point(3), point(4), point(1)}, 0);
  DrawPolyline({point(5), point(6), point(7), point(8), point(5)}, 0);
  // The overlap: none at offset 0, the triangle C, 11, F while C has not
  // passed under E, the quadrilateral C, D, E, F after that.
  if (PP > 0 && PP <= 4) {
    FillPolygon({point(3), point(11), point(6), point(3)}, 0, 13);
  } else if (PP != 0) {
    FillPolygon({point(3), point(4), point(5), point(6), point(3)}, 0, 13);
  }
  // Corner letters, above the top edge or on the line l; a letter whose
  // corner lies on a corner of the trapezoid is left out.
  const auto letter = [&](float i, bool top, const std::string& name) {
    N = i;
    MathTextAt(0, Xa(N) - 14, top ? Ya(N) - 50 : Ya(N), name);
  };
  letter(1, true, "A");
  letter(2, false, "B");
  letter(3, false, "C");
  letter(4, true, "D");
  if (PP != 4 && PP != 8) letter(5, true, "E");
  if (PP != 8) letter(7, false, "G");
  letter(8, true, "H");
  if (PP != 0 && PP != 8) letter(6, false, "F");
  DrawLine(Xa(9), Ya(9), Xa(10), Ya(10), 0);
  MathTextAt(0, Xa(9) - 14, Ya(9) - 50, "l");
}

void Velmora::AnimateSlidingFigure() {
  GGX = 640; GGY = YI1 + 70; SIZE = 30; YOKO = 18; TATE = 4;
  CCC2 = 15;
  SetUpGridFrame();
  SetPenWidth(5);
  // A, B, C, D, E, F, G, H and the ends of l in cells, counted up from the
  // frame's bottom-left corner; kept at 21 to 30 as the offset-0 copies.
  static const float kCells[11][2] = {{0, 0}, {1, 4}, {1, 0}, {9, 0}, {5, 4}, {9, 4},
                                      {9, 0}, {17, 0}, {17, 4}, {0, 0}, {18, 0}};
  for (int i = 1; i <= 10; i++) {
    Xa(i) = GX0 + SIZE * kCells[i][0];
    Ya(i) = GY0 - SIZE * kCells[i][1];
    Xa(20 + i) = Xa(i);
    Ya(20 + i) = Ya(i);
  }

  // The slide: "1" goes on; any other key moves the trapezoid one cell,
  // from offset 8 back to 0.
  PP = 0;
  AINP = 5;
  while (AINP != 1) {
    DrawSlidingFigure();
    AA_s = "1で次へ:他のキーで動く";
    WaitKeyWithMessage();
    if (I_s == "1") {
      AINP = 1;
    } else {
      DrawBox(GX1 - 30, GY1 - 60, GX2 + 100, GY2 + 100, 15);
      PP = PP + 1;
      if (PP > 8) PP = 0;
      MoveTrapezoid();
    }
  }

  // The first case of the problem: offset 3, its base x and its area y.
  ShowOverlapCase(3, 50);
  MathTextAt(3, Xa(11), Ya(11) + 30, "ycm^2");
}

void Velmora::ShowOverlapCase(float pp, float clearBelow) {
  DrawBox(GX1 - 50, GY1 - 50, GX2 + 100, GY2 + clearBelow, 15);
  PP = pp;
  MoveTrapezoid();
  DrawSlidingFigure();
  CCC1 = 3; CCC2 = 3; HOUKOU = -1; HABA = 10; TAKASA = 20; AAA_s = "xcm";
  DrawArcBetweenPoints(3, 6);
}

}  // namespace lesson
