#include "shell/shell.h"

namespace lesson {

void Shell::MainMenu() {
  const std::vector<std::string> items = MainMenuItems();
  const float last = static_cast<float>(items.size());
  for (;;) {
    ClearLessonArea();
    DrawBoxRel(0, 0, 1760, 1800, 15, 15);
    DrawBoxRel(22, 10, 1320, 600, 15, 10);
    CCC1 = 15;
    X = 264;
    Y = 30;
    AA_s = "＜" + TITLE_s + "　メニュー＞";
    DrawMathText();
    for (size_t n = 1; n <= items.size(); ++n) {
      CCC1 = (n % 2 == 1) ? 13 : 15;
      X = 44;
      Y = 120 + 60 * static_cast<float>(n - 1);
      AA_s = items[n - 1];
      DrawMathText();
    }
    // The prompt, which PromptMenuNumber draws once more at the same place.
    DrawMenuPrompt();
    PromptMenuNumber();
    ClearMenuPrompt();
    if (AINP == last) EndProgram();
    if (!(AINP >= 1 && AINP <= last)) continue;
    DrawBoxRel(0, 0, 1760, 1800, 15, 15);
    // The topic is chosen by the checked value AINP itself, so an entry such
    // as 6/2 opens the topic that the checks passed (3).
    const float k = ToWhole(AINP);
    if (k >= 1 && k <= last - 1) OpenTopic(static_cast<int>(k));
    // A topic returns here after its last sub-menu item; an item without a
    // topic, or a selector naming none, draws the menu again as well.
  }
}

}  // namespace lesson
