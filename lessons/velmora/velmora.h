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
  void DrawScaledTickLabels();

  // ---- scenes and helpers of topic 1 ----

  // ---- scenes and helpers of topics 2 to 4 ----

  // ---- scenes and helpers of topics 5 and 6 ----
  // The header of a chapter problem at the text cursor (XI1, YI1): the page
  // cell pageWidth by 48 (border 3, fill 13) and, 44 after it, the 44 by 44
  // problem-number cell (text 13, border 4, fill 3); the cursor follows both.
  void DrawChapterHeader(float pageWidth, const std::string& page, const std::string& number);
  // Question (2) of a rate-of-change problem for y = ax^2: the values at
  // x = 3 ("9a") and at a second x, the rate of change, then a solved from
  // it to the right of the working, from XJ1, YJ1 (96 after "9a").
  void SolveRateForCoefficient(const std::string& second, const std::string& secondValue,
                               const std::string& rate, const std::string& rateValue,
                               const std::string& equation, const std::string& solving,
                               const std::string& answer);
  // topic 5: chapter problems A
  void GraphFeaturesScene();
  void CoefficientFromPointScene();
  void RateOfChangeScene();
  void RangeOfYScene();
  void MovingPointTriangleScene();
  // topic 6: chapter problems B
  void CoefficientFromRateScene();
  void ParabolaTriangleScene();
  void SlidingOverlapScene();
  // the sliding figure: trapezoid ABCD at offset PP over rectangle EFGH
  void DrawSlidingFigure();
  void AnimateSlidingFigure();
  void MoveTrapezoid();  // points 1 to 4 to offset PP, point 11 from CD x EF
  // One case of the overlap: the figure's area cleared down to clearBelow
  // under the frame, the figure at offset pp and the mark "xcm" under FC.
  void ShowOverlapCase(float pp, float clearBelow);
  // DrawDimensionArc from figure point `from` to `to` (entries of X(), Y());
  // the caller sets HOUKOU, HABA, TAKASA, CCC2, AAA_s and CCC1 first.
  void DrawArcBetweenPoints(float from, float to);
};

std::unique_ptr<Shell> MakeVelmora(Runtime& rt);

}  // namespace lesson
