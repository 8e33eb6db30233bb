// The figure library: coordinate planes, points and graphs, angles, arcs,
// marks, grid frame, polygons, arrows, line geometry and divisors.
//
// Every routine takes its inputs from the shared variables and leaves its
// results and working values there; the comments name what each one reads
// and what it leaves. Positions are window units, y downward; values on a
// plane map to (GX0 + SIZE * x / BAIX, GY0 - SIZE * y / BAIY).
#pragma once
#include <string>

#include "shell/shell.h"

namespace lesson {

class Figures : public Shell {
 public:
  using Shell::Shell;

 protected:
  // ---- coordinate plane ----
  // GGX, GGY (both 0: 640, 180), SIZE, BAIX, BAIY, AA1..BB2 in values, CCC2
  // (0: axes only), NASI (-1: no step numbers). Normalises BAIX, BAIY, divides
  // the ranges in place, sets GX0..GY2 and SIZE1, resets NASI.
  void DrawCoordinatePlane();
  // Values of every fifth grid line with at most one decimal, from the scale
  // BAIX, BAIY as they stand (set again after the plane).
  void DrawDecimalTickLabels();

  // ---- points and function graphs ----
  // Dot of radius R in colour CCC3 at value (XG, YG), label AAA_s; leaves GX, GY.
  void PlotLabeledPoint();
  // Graph of kind IROIRO (1: AA/x, 2: AA*x^2, 3: AA*x+BB, 4: AA*x+BB*y=CC) over
  // AA1..AA2 in 5001 dots, label AAA_s at the last dot drawn; BAIX = BAIY = 1 after.
  void PlotFunctionGraph();
  void PlotCurveDots();     // the dot loop of the function plot
  void DrawVerticalLine();  // x = CC from BB1 to BB2, the kind 4 line with BB = 0

  // ---- angles and angle marks (P0 = ZX0, ZY0; P1 = ZX1, ZY1; P2 = ZX2, ZY2) ----
  void ComputePointAngle();   // HHP, HH: direction of P1 seen from P0; PI
  void ComputeAngleArc();     // HH1..HH5, HHP, PI for the arms P1, P2 (ITI -1: other sweep)
  void FormatAngleDegrees();  // KAKUDO_s: the angle in degrees, at most one decimal
  void PlaceAngleLabel();     // AAA_s on the bisector, NAGASA from P0
  void DrawAngleArc();        // HONSU arcs (or a sector) and the label
  void DrawRightAngleMark();  // corner of side NAGASA in colour CCC2

  // ---- dimension arcs ----
  // Dotted half-ellipse from P0 (ZX0, ZY0) to P1 (ZX1, ZY1), bow TAKASA on the
  // side HOUKOU, dots every HABA degrees in colour CCC2, label AAA_s at the apex.
  void DrawDimensionArc();

  // ---- segment marks on AB (AX, AY)-(BX, BY) ----
  void DrawParallelMarks();  // HONSU chevrons from the point dividing AB as A : B
  void DrawEqualTicks();     // HONSU ticks AIDA apart, from the middle moved ITI toward B

  // ---- grid frame ----
  // YOKO x TATE cells of SIZE at GGX, GGY; origin at the bottom-left corner;
  // graph paper unless CCC2 is 15.
  void SetUpGridFrame();

  // ---- polygons ----
  // Outline through G(1..KAKU) at pen width SIZE1 in colour CCC2; labels by
  // letter from AAA_s, or from Xa_s() when AAA_s is "1".
  void DrawPolygon();
  void LabelVerticesByLetter();
  void LabelVerticesFromList();

  // ---- arrows ----
  // Shaft (ZX0, ZY0)-(ZX, ZY) in colour CCC2, head NAGASA long at the end
  // (MUKI -1: at the start), a second head when YA is 2. Leaves the tip of the
  // last head in ZX0, ZY0.
  void DrawArrow();

  // ---- line geometry ----
  void IntersectLines();         // AB x CD -> AX2, AY2
  void MarkPerpendicularFoot();  // foot E (EX, EY) from C onto AB, dotted in colour 15
  void ComputePointOnLine();     // X1, Y1: point of AB at the given CX or CY
  void RotatePoint();            // ZX, ZY: point KAKUDO degrees along the half-ellipse

  // ---- divisors and prime factors ----
  void ListDivisorPairs();    // DY -> P, X(1..P), Y(1..P), KOSUU
  void FactorizePrimes();     // SOSU -> Q, G(k, 1..2), cofactor in G(10, 1)
  void DrawLadderDivision();  // the ladder of the primes found, at XTAKE, YTAKE

  // ---- lesson steps that every program's scenes repeat ----
  // One text statement: CCC1, X, Y, AA_s set, the math text drawn, and the
  // text cursor moved behind it (XI2 = X, YI1 = Y).
  void TextStatement(float colour, float x, float y, const std::string& text);
  // The math text alone, the cursor left where it was (answers in slots).
  void MathTextAt(float colour, float x, float y, const std::string& text);
  // One table cell `width` by `height` at (X, Y): border and fill colours,
  // its math text in `textColour`; X is left at the cell's right edge.
  void DrawCell(float width, float textColour, float border, float fill, const std::string& text,
                float height = 50);
  // The same cell, after which the text cursor stands at its right edge
  // (XI2 = X, YI1 = Y).
  void CellStatement(float width, float textColour, float border, float fill,
                     const std::string& text, float height = 50);
  // One value cell 88 by 50, border 0, fill 15, its text in `colour`.
  void DrawValueCell(float colour, const std::string& text);
  // A page heading: the title cell `width` by 48 at the text cursor (XI1,
  // YI1), border 3, fill 13; the cursor moves behind it.
  void PageTitleCell(float width, const std::string& title);
  // A problem number: the 44 by 44 cell at (x, y), border 4, fill 3, its
  // number in colour 13; the cursor moves behind it.
  void ProblemNumberCell(float x, float y, const std::string& number);
  // y = a*x^2 over AA1..AA2 in colour, label at its last dot
  void PlotParabola(float a, float colour, const std::string& label);
  // an unlabelled dot of radius r at the value point (x, y)
  void PlotDot(float x, float y, float r, float colour);

 private:
  // Lays the segment P0 (ZX0, ZY0) - P1 (ZX1, ZY1) flat to the right of P0:
  // copies of the ends in ZX11..ZY12, CX, CY = P1 - P0, RR half its length,
  // ZX2, ZY2 its middle laid flat, H its direction (and PI).
  void LaySegmentFlat();
  // The point of the half-ellipse over P0 (ZX0, ZY0) at the parameter
  // `degrees`, for the segment laid flat (centre ZX2, ZY2, half-length RR,
  // height TAKASA) and turned by H: leaves it in ZX, ZY, the unturned point in
  // ZX3, ZY3 and ZX1, ZY1, its direction in HHP, HH and its distance in R.
  void HalfEllipsePoint(float degrees);
  // The step number of grid step II in AA_s (empty at 0 and when NASI is
  // -1), its text also in A_s; CCC1 = 0.
  void StepNumberText();
  // CX, CY, D and the unit vector DX, DY from one point to another; false,
  // with DX, DY left alone, when the points coincide.
  bool UnitDirection(float fromX, float fromY, float toX, float toY);
  // Places the label of vertex i of the polygon of kaku vertices.
  void PlaceVertexLabel(float i, float kaku, const std::string& label);
};

}  // namespace lesson
