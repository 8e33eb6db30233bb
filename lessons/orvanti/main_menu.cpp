#include "lessons/orvanti/orvanti.h"

namespace lesson {

Orvanti::Orvanti(Runtime& rt) : Figures(rt, ProgramConfig{"orvanti", false}) {}

std::vector<std::string> Orvanti::MainMenuItems() {
  return {
      "1　増減",
      "2　変化の割合",
      "3　変域",
      "4　関数の特徴まとめ",
      "5　平均の速さ",
      "6　P113(関数 基本の問題)",
      "7　終了",
  };
}

bool Orvanti::OpenTopic(int item) {
  // Items 1 to 6 lead to IncDecMenu, RateMenu, RangeMenu, SummaryMenu,
  // AvgSpeedMenu and BasicsMenu; a topic not built yet names no topic.
  switch (item) {
    default: return false;
  }
}

std::unique_ptr<Shell> MakeOrvanti(Runtime& rt) { return std::make_unique<Orvanti>(rt); }

}  // namespace lesson
