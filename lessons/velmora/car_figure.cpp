// The car of the braking-mark scene, seen from above and driving to the
// right: its outline on a grid frame of 11 by 6 cells of 20 units, the car
// itself, the motion lines behind it and the squeal zig-zags of a skid.
#include "lessons/velmora/velmora.h"

namespace lesson {

void Velmora::SetUpCarShape() {
  YOKO = 11;
  TATE = 6;
  SIZE = 20;
  CCC2 = 15;
  SetUpGridFrame();  // origin (GGX, GGY + 120); draws nothing in colour 15
  // The outline in grid units: 1-4 the body, 5-8 the front part, 9, 10,
  // 12, 13 the tyre bars, 11 the half-disc's centre, 14, 15 the corner strokes.
  static const float kT[16] = {0, 1, 1, 7, 7, 7, 7, 10, 10, 8, 8, 8, 9, 9, 9.5f, 9.5f};
  static const float kF[16] = {0, 5, 1, 1, 5, 4.5f, 1.5f, 1.5f, 4.5f,
                               4.5f, 1.5f, 3, 4.5f, 1.5f, 4.5f, 1.5f};
  II = 1;
  do {
    const int i = static_cast<int>(II);
    T(II) = kT[i];
    F(II) = kF[i];
    Xa(II) = GX0 + SIZE * T(II);
    Ya(II) = GY0 - SIZE * F(II);
  } while ((II += 1) <= 15);
}

void Velmora::DrawCar() {
  SetPenWidth(3);
  DrawBox(Xa(1), Ya(1), Xa(3), Ya(3), 0, 9);  // body
  DrawBox(Xa(5), Ya(5), Xa(7), Ya(7), 0, 13);  // front part
  // The half of the disc ahead of its centre.
  A = 11;
  FillCircle(Xa(A), Ya(A), 3 * SIZE / 2, 0, 11, 0.75f, 0.25f);
  // Tyre bars just outside the front part's long edges.
  SetPenWidth(10);
  DrawLine(Xa(9), Ya(9) - 5, Xa(12), Ya(12) - 5, 0);
  DrawLine(Xa(10), Ya(10) + 5, Xa(13), Ya(13) + 5, 0);
  // Corner strokes.
  SetPenWidth(5);
  DrawLine(Xa(14), Ya(14), Xa(14), Ya(14) - SIZE / 4, 0);
  DrawLine(Xa(15), Ya(15), Xa(15), Ya(15) + SIZE / 4, 0);
  SetPenWidth(2);
}

void Velmora::DrawSpeedLines() {
  SetPenWidth(2);
  const float x1 = Xa(1) - SIZE;
  const float x2 = Xa(1) - SIZE - SIZE / 2;
  DrawLine(x1, Ya(11), x2, Ya(11), 0);
  DrawLine(x1, Ya(11) - SIZE / 2, x2, Ya(11) - SIZE / 2, 0);
  DrawLine(x1, Ya(11) + SIZE / 2, x2, Ya(11) + SIZE / 2, 0);
}

void Velmora::DrawSkidSqueal() {
  SetPenWidth(5);
  // A start point and three steps, each from the point before it.
  auto zigzag = [&](float x, float y, float dx1, float dy1, float dx2, float dy2, float dx3,
                    float dy3) {
    const Point p0{x, y};
    const Point p1{p0.x + dx1, p0.y + dy1};
    const Point p2{p1.x + dx2, p1.y + dy2};
    const Point p3{p2.x + dx3, p2.y + dy3};
    DrawPolyline({p0, p1, p2, p3}, 0);
  };
  const float s = SIZE;
  // At the front tyres: two climbing above the car, two descending below it.
  zigzag(Xa(12), Ya(12) - 20, s / 2, -s / 2, s / 4, s / 3, s / 2, -s / 2);
  zigzag(Xa(12), Ya(12) - 20 - s / 2, s / 2, -s / 1.5f, s / 4, s / 3, s / 2, -s / 2);
  zigzag(Xa(13), Ya(13) + 20, s / 2, s / 2, s / 4, -s / 3, s / 2, s / 2);
  zigzag(Xa(13), Ya(13) + 20 + s / 2, s / 2, s / 1.5f, s / 4, -s / 3, s / 2, s / 2);
  // Smaller ones at the middle of the body.
  zigzag(Xa(1) + 3 * s, Ya(12) - 20, s / 4, -s / 3, s / 8, s / 6, s / 4, -s / 4);
  zigzag(Xa(1) + 3 * s, Ya(12) - 20 - s / 2, s / 4, -s / 2, s / 8, s / 6, s / 4, -s / 3);
  zigzag(Xa(1) + 3 * s, Ya(13) + 20, s / 4, s / 3, s / 8, -s / 6, s / 4, s / 4);
  zigzag(Xa(1) + 3 * s, Ya(13) + 20 + s / 2, s / 4, s / 3, s / 8, -s / 6, s / 4, s / 4);
  SetPenWidth(2);
}

}  // namespace lesson
