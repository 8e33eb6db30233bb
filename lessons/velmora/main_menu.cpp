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
  // Items 1 to 6 lead to BrakingFallMenu, GraphUseMenu, CutPaperMenu,
  // DeliveryFeeMenu, ChapterAMenu and ChapterBMenu; a topic not built yet
  // names no topic. Item 7 has no topic: the menu is drawn again.
  switch (item) {
    default: return false;
  }
}

std::unique_ptr<Shell> MakeVelmora(Runtime& rt) { return std::make_unique<Velmora>(rt); }

}  // namespace lesson
