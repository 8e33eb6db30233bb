#include "lessons/kasimel/kasimel.h"

namespace lesson {

Kasimel::Kasimel(Runtime& rt) : Figures(rt, ProgramConfig{"kasimel", true}) {}

std::vector<std::string> Kasimel::MainMenuItems() {
  return {
      "1　関数の復習・ジェットコースター",
      "2　斜面を転がるボール",
      "3　比例定数",
      "4　y=x^2のグラフ",
      "5　a>0のグラフ",
      "6　a<0のグラフ",
      "7　グラフのまとめ",
      "8　終了",
  };
}

bool Kasimel::OpenTopic(int item) {
  switch (item) {
    case 1: FunctionReviewMenu(); return true;
    case 2: RollingBallMenu(); return true;
    case 3: ProportionalityConstantMenu(); return true;
    case 4: ParabolaGraphMenu(); return true;
    case 5: PositiveAMenu(); return true;
    case 6: NegativeAMenu(); return true;
    case 7: GraphSummaryMenu(); return true;
    default: return false;
  }
}

std::unique_ptr<Shell> MakeKasimel(Runtime& rt) { return std::make_unique<Kasimel>(rt); }

}  // namespace lesson
