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

  // ---- topics 4 to 7 (graph of y=x^2, a>0, a<0, summary) ----
  void ParabolaGraphMenu();
  void PositiveAMenu();
  void NegativeAMenu();
  void GraphSummaryMenu();
  // scenes of topics 4 to 7 (add declarations here)
};

std::unique_ptr<Shell> MakeKasimel(Runtime& rt);

}  // namespace lesson
