// velmora: applying y=ax^2. Main menu and six topics.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "figures/figures.h"

namespace lesson {

class Velmora : public Figures {
 public:
  explicit Velmora(Runtime& rt);

 protected:
  std::vector<std::string> MainMenuItems() override;
  bool OpenTopic(int item) override;

  // ---- topic entries (items 1 to 6 of the main menu; item 7 has none) ----
  // Each runs its goal banner and sub-menu and returns on the sub-menu's
  // last item. Add a topic to OpenTopic when its entry is built.
  void BrakingFallMenu();   // 1 braking marks and falling bodies
  void GraphUseMenu();      // 2 using graphs
  void CutPaperMenu();      // 3 cut paper
  void DeliveryFeeMenu();   // 4 delivery fees
  void ChapterAMenu();      // 5 chapter problems A
  void ChapterBMenu();      // 6 chapter problems B

  // ---- value labels of a plane whose grid steps stand for several units ----
  // Every fifth grid line of the plane (AA1..AA2, BB1..BB2 in grid steps,
  // origin GX0, GY0, SIZE, SIZE1) labelled with step times BAIX or BAIY in
  // small text; the origin is left to the plane. Changes none of its inputs.
  void DrawScaledTickLabels();
  // P1_s: the label of the value P1 ("0.5", "-50"); P2 = |P1|, P2_s its text.
  void ScaledTickLabelText();

  // ---- scenes and helpers of topic 1 ----
  // the car, seen from above: outline in T(), F() and X(), Y() 1..15 on a
  // frame of 11 by 6 cells of 20 at GGX, GGY; each drawing ends at pen 2
  void SetUpCarShape();
  void DrawCar();
  void DrawSpeedLines();
  void DrawSkidSqueal();
  // the table of speeds and braking marks at X(0), Y(0): leaves its column
  // edges in X(1..7), its row lines in Y(1..3), YI1 = Y(1) and pen 5
  void DrawBrakingTable();
  // the scenes of the sub-menu, items 1 to 7
  void BrakingMarkIntroScene();
  void AnimateBraking();
  // the "！" over the braking car's front part
  void DrawBrakeMark();
  void BrakingTableScene();
  // arc n (1..8) of the ratios on the braking table, with or without its label
  void DrawBrakingRatioArc(int n, bool labelled);
  // a cell of the table's open column at (X(6), y), haba wide, border 3
  void DrawOpenColumnCell(float y, float haba, float colour, float fill, const std::string& text);
  // clear, margins, pen 5 and the heading "走行していた速さは?" with the way
  // of the scene `gap` further on the line
  void OpenSpeedQuestion(float xi0, float xi1, float yi1, float gap, const std::string& way);
  void BrakingGraphScene();
  void BrakingFormulaScene();
  void RainBrakingScene();
  void FallingBodyScene();
  void AnimateFallingBall();
  void DrawFallStrobe();
  void FallingBodyAnswerScene();

  // ---- scenes and helpers of topics 2 to 4 ----

  // ---- scenes and helpers of topics 5 and 6 ----
};

std::unique_ptr<Shell> MakeVelmora(Runtime& rt);

}  // namespace lesson
