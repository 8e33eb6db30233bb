#include "lessons/velmora/velmora.h"

namespace lesson {

Velmora::Velmora(Runtime& rt) : Figures(rt, ProgramConfig{"velmora", false}) {}

std::vector<std::string> Velmora::MainMenuItems() {
  return {
      "1　ブレーキ痕、落下、振り子",
      "2　グラフを利用して",
      "3　切った紙の枚数",
      "4　配達料",
      "5　P124(関数 章の問題A)",
      "6　P125(章の問題B)",
      "7　",
      "8　終了",
  };
}

bool Velmora::OpenTopic(int item) {
  // Item 7 has no topic: the menu is drawn again.
  switch (item) {
    case 1: BrakingFallMenu(); return true;
    case 2: GraphUseMenu(); return true;
    case 3: CutPaperMenu(); return true;
    case 4: DeliveryFeeMenu(); return true;
    case 5: ChapterAMenu(); return true;
    case 6: ChapterBMenu(); return true;
    default: return false;
  }
}

std::unique_ptr<Shell> MakeVelmora(Runtime& rt) { return std::make_unique<Velmora>(rt); }

}  // namespace lesson
