// The figures of topic 3: a square prism and a cube in oblique view, and a
// disc with its radius, each on a grid frame right of the text column.
#include "lessons/kasimel/kasimel.h"

namespace lesson {

// The eight corners of a box 6 cells wide, 5 deep (drawn 5 across and 1 up)
// and `height` high, in cells: odd corners on top, each even one below the
// odd one before it.
void Kasimel::SetBoxVertices(float height) {
  A = 6;
  B = 5;
  Xa(1) = 0;
  Xa(2) = Xa(1);
  Xa(3) = Xa(1) + A;
  Xa(4) = Xa(3);
  Xa(5) = Xa(1) + A + B;
  Xa(6) = Xa(5);
  Xa(7) = Xa(1) + B;
  Xa(8) = Xa(7);
  A = height;
  B = 1;
  Ya(1) = height;
  Ya(2) = Ya(1) - A;
  Ya(3) = Ya(1);
  Ya(4) = Ya(3) - A;
  Ya(5) = Ya(3) + B;
  Ya(6) = Ya(5) - A;
  Ya(7) = Ya(5);
  Ya(8) = Ya(7) - A;
}

// Turns the figure's points from cells into window units on the current
// frame. Only the points 1 to `last` that the figure has just set are
// converted: converting stale entries as well would multiply them by SIZE
// at every drawing and, after a few dozen drawings, overflow.
void Kasimel::ConvertFigurePoints(float last) {
  II = 1;
  do {
    Xa(II) = GX0 + SIZE * Xa(II);
    Ya(II) = GY0 - SIZE * Ya(II);
  } while ((II += 1) <= last);
}

// One visible face through DrawPolygon: its four corners into T(1..4) and
// the vertex table; labels "" for none, "1" for the (emptied) list.
void Kasimel::DrawFace(float v1, float v2, float v3, float v4, const std::string& labels) {
  T(1) = v1;
  T(2) = v2;
  T(3) = v3;
  T(4) = v4;
  II = 1;
  do {
    G(II, 1) = Xa(T(II));
    G(II, 2) = Ya(T(II));
  } while ((II += 1) <= 4);
  if (labels == "1") {
    Xa_s(1) = "";
    Xa_s(2) = "";
    Xa_s(3) = "";
    Xa_s(4) = "";
  }
  CCC2 = 0;
  KAKU = 4;
  AAA_s = labels;
  DrawPolygon();
}

// A hidden edge: a straight dotted line from corner `from` towards `to`.
void Kasimel::DrawDottedEdge(float from, float to) {
  N1 = from;
  N2 = to;
  ZX0 = Xa(N1);
  ZY0 = Ya(N1);
  ZX1 = Xa(N2);
  ZY1 = Ya(N2);
  CCC2 = 0;
  HOUKOU = 1;
  HABA = 7;
  TAKASA = 0;
  AAA_s = "";
  DrawDimensionArc();
}

// A labelled length: a dotted half-ellipse 16 deep from corner `from` to
// `to`, bowing to `side`, with its label beyond the apex.
void Kasimel::MarkEdge(float from, float to, float side, const std::string& label, float colour) {
  N1 = from;
  N2 = to;
  ZX0 = Xa(N1);
  ZY0 = Ya(N1);
  ZX1 = Xa(N2);
  ZY1 = Ya(N2);
  CCC1 = colour;
  CCC2 = 3;
  HOUKOU = side;
  HABA = 7;
  TAKASA = 1;
  AAA_s = label;
  DrawDimensionArc();
}

// The box in oblique view on a frame 12 by `rows` cells at (748, 130): the
// three visible faces at the width in SIZE1, the hidden corner's three edges
// dotted, and the marks of the base's depth and front and of the height,
// labelled in `labelColour`. Drawn at pen width 4 (each face sets it back).
void Kasimel::DrawObliqueBox(float rows, float height, const std::string& heightLabel,
                             float labelColour) {
  GGX = 748;
  GGY = 130;
  YOKO = 12;
  TATE = rows;
  SIZE = 30;
  CCC2 = 15;
  SetUpGridFrame();
  CCC2 = 0;
  SetPenWidth(4);
  SetBoxVertices(height);
  ConvertFigurePoints(8);
  DrawFace(7, 1, 3, 5, "");
  DrawFace(1, 2, 4, 3, "1");
  DrawFace(3, 4, 6, 5, "1");
  DrawDottedEdge(7, 8);
  DrawDottedEdge(2, 8);
  DrawDottedEdge(6, 8);
  MarkEdge(4, 6, 1, "x㎝", labelColour);
  MarkEdge(2, 4, 1, "x㎝", labelColour);
  MarkEdge(5, 6, -1, heightLabel, labelColour);
}

// The square prism: base x by x, height 5 (drawn 6 by 5 by 10 cells); its
// faces are outlined at width 5.
void Kasimel::DrawSquarePrism() {
  SIZE1 = 5;
  DrawObliqueBox(11, 10, "5㎝", 0);
  SetPenWidth(3);
}

// The cube of edge x (6 cells each way); its faces are outlined at the
// width its caller put in SIZE1.
void Kasimel::DrawCube() {
  DrawObliqueBox(6, 6, "x㎝", 3);
  SetPenWidth(2);
}

// The disc of radius x with its area y: radius, dotted radius mark and the
// label "ycm^2" inside.
void Kasimel::DrawCircleArea() {
  GGX = 748;
  GGY = 30;
  YOKO = 10;
  TATE = 10;
  SIZE = 30;
  CCC2 = 15;
  SetUpGridFrame();
  Xa(1) = 5;
  Ya(1) = 5;
  Xa(2) = 10;
  Ya(2) = 5;
  Xa(3) = 4;
  Ya(3) = 8;
  ConvertFigurePoints(3);
  A = 1;
  FillCircle(Xa(A), Ya(A), 5 * SIZE, 0, 13);
  M = 1;
  N = 2;
  DrawLine(Xa(M), Ya(M), Xa(N), Ya(N), 0);
  N1 = 1;
  N2 = 2;
  ZX0 = Xa(N1);
  ZY0 = Ya(N1);
  ZX1 = Xa(N2);
  ZY1 = Ya(N2);
  CCC1 = 3;
  CCC2 = 3;
  HOUKOU = 1;
  HABA = 5;
  TAKASA = -20;
  AAA_s = "x㎝";
  DrawDimensionArc();
  CCC1 = 3;
  X = Xa(3);
  Y = Ya(3);
  AA_s = "ycm^2";
  DrawMathText();
}

}  // namespace lesson
