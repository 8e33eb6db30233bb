// kasimel: the function y=ax^2 and its graph. Main menu and seven topics.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "figures/figures.h"

namespace lesson {

class Kasimel : public Figures {
 public:
  explicit Kasimel(Runtime& rt);

 protected:
  std::vector<std::string> MainMenuItems() override;
  bool OpenTopic(int item) override;

  // ---- topics 1 to 3 (function review, rolling ball, proportionality constant) ----
  void FunctionReviewMenu();
  void RollingBallMenu();
  void ProportionalityConstantMenu();
  // scenes of topics 1 to 3 (add declarations here)
  // topic 1: review of functions, roller coaster
  void FunctionReviewTablesScene();
  void FunctionReviewGraphsScene();
  void DrawReviewGraphs();
  void RollerCoasterScene();
  // topic 2: the ball on the slope
  void DrawSlope();
  void BallRollScene();
  void AnimateRollingBall();
  void BallStroboscopeScene();
  void BallDistanceTableScene();
  void DrawDistanceScale();
  void BallFormulaScene();
  // topic 3: the constant of proportionality
  void PrismVolumeScene();
  void ConstantQuestion1AnswerScene();
  void ConstantQuestion2AnswerScene();
  void ConstantDrillScene();
  void MakeConstantProblem();
  void ConstantQuestion3AnswerScene();
  // solid figures of topic 3
  void DrawSquarePrism();
  void DrawCube();
  void DrawObliqueBox(float rows, float height, const std::string& heightLabel,
                      float labelColour);
  void DrawCircleArea();
  void SetBoxVertices(float height);
  void ConvertFigurePoints(float last);
  void DrawFace(float v1, float v2, float v3, float v4, const std::string& labels);
  void DrawDottedEdge(float from, float to);
  void MarkEdge(float from, float to, float side, const std::string& label, float colour);

  // ---- topics 4 to 7 (graph of y=x^2, a>0, a<0, summary) ----
  void ParabolaGraphMenu();
  void PositiveAMenu();
  void NegativeAMenu();
  void GraphSummaryMenu();
  // scenes of topics 4 to 7 (add declarations here)
  // topic 4: the graph of y=x^2
  void CoordinateReviewScene();
  void PickRandomPoint();
  void SquareTableScene();
  void NearOriginScene();
  void SquareFeaturesScene();
  // topic 5: a>0
  void DoubleHeightTableScene();
  void DoubleHeightGraphScene();
  void HalfParabolaScene();
  void PositiveFeaturesScene();
  // topic 6: a<0
  void MirrorTableScene();
  void MirrorGraphScene();
  void NegativeHalfScene();
  void NegativeFeaturesScene();
  // the twin scenes of topics 5 and 6 (mirror: the a<0 twin)
  void TwinTableScene(bool mirror);
  void TwinGraphScene(bool mirror);
  void SetTwinTableValues(bool mirror);
  // the plane right of the table, and the graph the new one is derived from
  // (y=x^2 or y=2x^2, colour 7) with its label shifted down by labelDy
  void DrawTwinPlane(bool mirror);
  void PlotTwinKnownGraph(bool mirror, float labelDy);
  // Helpers of topics 4 to 7:
  // the answer box of a feature line (132 x 50, border 3, fill 13, text 5)
  void DrawFeatureBox(float x, float y, const std::string& text);
  // One line of a feature exercise, dy below the last: `lead` at XI1, the
  // numbered box 20 to its right (its place kept in xj, yj), then `tail` 20
  // right of the box.
  void DrawFeatureLine(float dy, const std::string& lead, const std::string& number,
                       const std::string& tail, float& xj, float& yj);
  // topic 7: summary of the graphs
  void OpeningWidthScene();
  void MatchGraphsScene();
  void ParabolaTermsScene();
  void GraphSummaryScene();
};

std::unique_ptr<Shell> MakeKasimel(Runtime& rt);

}  // namespace lesson
