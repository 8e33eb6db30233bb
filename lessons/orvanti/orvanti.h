// orvanti: how the values of y=ax^2 change. Main menu and six topics.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "figures/figures.h"

namespace lesson {

class Orvanti : public Figures {
 public:
  explicit Orvanti(Runtime& rt);

 protected:
  std::vector<std::string> MainMenuItems() override;
  bool OpenTopic(int item) override;

  // ---- topic entries (items 1 to 6 of the main menu) ----
  // Each runs its goal banner and sub-menu and returns on the sub-menu's
  // last item. Add a topic to OpenTopic when its entry is built.
  void IncDecMenu();     // 1 increase and decrease
  void RateMenu();       // 2 rate of change
  void RangeMenu();      // 3 ranges of y
  void SummaryMenu();    // 4 summary of the features
  void AvgSpeedMenu();   // 5 average speed
  void BasicsMenu();     // 6 textbook page 113 problems

  // ---- the run-and-rise arrows between two points of the current plane ----
  // From (GX3, GY3) to (GX4, GY4), ordered left to right in place: the run
  // arrow in colour 7, the rise arrow in colour 3, pen width 5 left set;
  // X_s, Y_s the run and the rise in grid steps of SIZE; HYOUJI_s "y?" and
  // "?y" ask for the run and the rise label.
  void DrawRunRiseArrows();
  void LabelRunArrow();   // X_s in colour 7 over the middle of the run arrow
  void LabelRiseArrow();  // Y_s in colour 3 beside the rise arrow

  // ---- scenes and helpers of topics 1 to 3 ----
  // topic 1: increase and decrease (the twins share one scene each)
  void IncDecLinearRisingScene();
  void IncDecLinearFallingScene();
  void IncDecParabolaUpScene();
  void IncDecParabolaDownScene();
  void IncDecLinearScene(bool falling);
  void IncDecParabolaScene(bool down);
  void IncDecOpening(const std::string& heading);
  void IncDecAnswerLine(float dy, const std::string& condition, const std::string& word);
  // an arrow from (x0, y0) to (x1, y1), head at (x1, y1), 16 long
  void ArrowBetween(float x0, float y0, float x1, float y1, float colour);
  // value points of the current plane to window units in X(1), Y(1), ...
  void MapPlanePoints(std::initializer_list<Point> points);
  // topic 2: the rate of change
  void RateLinearTableScene();
  void RateParabolaTableScene();
  void RateTableScene(bool parabola);
  std::string RateIncreaseText(bool parabola, float j);
  void RateTwoPointScene();
  void RateQuestion1AnswerScene();
  void RateQuestion2AnswerScene();
  void LineThroughTwoPointsScene();
  void LinePointWithGuides(float i, const std::string& name, const std::string& xText, float dx,
                           const std::string& yText, float dx2, float dy2);
  void LineRunRiseArrows(const std::string& hyouji);
  void LineFromRateProblemScene();
  // the rate drill
  void RateDrillScene();
  void MakeRateProblem();
  void MakeRateProblemWithA();
  void ShowRateProblem(bool second);
  // drill helpers: a whole number 1..k with a random sign (sign draw in P),
  // a random interval F(1) < F(2), the coefficient text of T(1) in T_s(1),
  // and an answer box (haba by 60, border 3, fill 13, text 5) on a line
  float RandomSigned(float k);
  void RandomInterval();
  void CoefficientText();
  void DrillAnswerBox(float x, float y, float haba, const std::string& text);
  // topic 3: the range of y
  void RangeDrillScene();
  void RangeDrill2Scene();
  void MakeLinearRangeProblem();
  void MakeParabolaRangeProblem();
  void ShowRangeProblem(bool second, const std::string& question, float w);
  void RangeGraphScene();
  void RangePlane();
  void DotParabola();
  void PlotParabolaOver(float a, float b);
  void PlotRangeOnParabola();
  void RangeDoubleArrow();
  std::string NumberText(float v);
  void RangeAnswersScene();

  // ---- scenes and helpers of topics 4 to 6 ----
  // topic 4: y=ax+b and y=ax^2 side by side
  void SummaryShapeScene();
  void SummaryIncDecScene();
  void SummaryRateScene();
  // The heading cell of a summary panel (490 x 50, text 0, border 3, fill
  // 13) at (XI1, YI1); the cursor moves behind it.
  void SummaryHeadingCell(const std::string& text);
  // A fill-in box 50 high at (x, y): text 5, border 3, fill 13; drawn first
  // with its circled number, later at the same corner with the answer.
  void FillInBox(float x, float y, float width, const std::string& text);
  // The empty box dx right of the cursor (XI2, YI1), its corner kept in
  // (xs, ys) for the answer.
  void OpenFillInBox(float& xs, float& ys, float dx, float width, const std::string& number);
  // A plane with its axes only (CCC2 0) at (ggx, ggy).
  void SummaryPlane(float ggx, float ggy, float size, float aa1, float aa2, float bb1,
                    float bb2, float nasi);
  // Entries 1 to n of X(), Y() from plane values to window units on the
  // plane drawn last.
  void MapPointList(float n);
  // Slope triangles between the consecutive points 1 to n of X(), Y().
  void DrawSlopeTriangles(float n);
  // topic 5: average speed
  void AvgSpeedDefinitionScene();
  void AvgSpeedCoasterScene();
  void AvgSpeedQuestion7Scene();
  void AvgSpeedQuestion8Scene();
  // topic 6: textbook page 113
  void BasicsProblems12Scene();
  void BasicsProblem3Scene();
  void BasicsProblem4Scene();
  void BasicsProblem5Scene();
  void BasicsProblem6Scene();
  // The title cell of the page-113 answers at (XI1, YI1) = (72, 30); the
  // cursor moves behind it.
  void BasicsTitleCell();
};

std::unique_ptr<Shell> MakeOrvanti(Runtime& rt);

}  // namespace lesson
