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
};

std::unique_ptr<Shell> MakeVelmora(Runtime& rt);

}  // namespace lesson
