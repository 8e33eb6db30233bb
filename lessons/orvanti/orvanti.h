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
  // The problem-number cell (44 x 44, text 13, border 4, fill 3) at (x, y);
  // the cursor moves behind it.
  void BasicsNumberCell(float x, float y, const std::string& number);
};

std::unique_ptr<Shell> MakeOrvanti(Runtime& rt);

}  // namespace lesson
