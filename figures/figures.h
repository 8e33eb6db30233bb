// The figure library: coordinate planes, points and graphs, angles, arcs,
// marks, grid frame, polygons, arrows, line geometry and divisors.
#pragma once
#include "shell/shell.h"

namespace lesson {

class Figures : public Shell {
 public:
  using Shell::Shell;

 protected:
  void DrawCoordinatePlane();
  void DrawDecimalTickLabels();
  void PlotLabeledPoint();
  void PlotFunctionGraph();
  void DrawArrow();
  void DrawDimensionArc();
  void ComputeAngleArc();
  void DrawRightAngleMark();
  void SetUpGridFrame();
  void DrawPolygon();
  void IntersectLines();
};

}  // namespace lesson
