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
  switch (item) {
    case 1: IncDecMenu(); return true;
    case 2: RateMenu(); return true;
    case 3: RangeMenu(); return true;
    case 4: SummaryMenu(); return true;
    case 5: AvgSpeedMenu(); return true;
    case 6: BasicsMenu(); return true;
    default: return false;
  }
}

std::unique_ptr<Shell> MakeOrvanti(Runtime& rt) { return std::make_unique<Orvanti>(rt); }

}  // namespace lesson
