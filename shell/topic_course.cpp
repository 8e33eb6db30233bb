#include "shell/shell.h"

namespace lesson {

void Shell::ShowTopicGoal(std::initializer_list<std::string> goalLines) {
  XI1 = 44;
  YI1 = 240;
  CCC1 = 3;
  X = XI1;
  Y = YI1;
  AA_s = "<めあて>";
  DrawMathText();
  XI2 = X;
  YI1 = Y;
  for (const std::string& line : goalLines) {
    CCC1 = 0;
    X = XI1 + 32;
    Y = YI1 + 65;
    AA_s = line;
    DrawMathText();
    XI2 = X;
    YI1 = Y;
  }
}

void Shell::RunSubMenu(const std::string& optionLine, int n,
                       const std::function<void(int)>& scene) {
  const float last = static_cast<float>(n);
  for (;;) {
    AA_s = optionLine;
    PromptSubMenuChoice();
    SENTAKU = AINP;
    ClearPromptLine();
    if (!(SENTAKU >= 1 && SENTAKU <= last)) continue;
    const int k = static_cast<int>(ToWhole(SENTAKU));
    if (k >= n) return;
    scene(k);
  }
}

void Shell::RunDrillLoop(const std::function<void()>& problem) {
  AINP = 3;
  while (AINP != 1) {
    problem();
    PromptNextStep();
  }
}

}  // namespace lesson
