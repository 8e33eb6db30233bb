// The lesson shell: start-up, the main-menu frame, topics and their
// sub-menus, drills, number entry, key waits and the error screen.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>
#include "shell/formula_text.h"

namespace lesson {

class Shell : public FormulaText {
 public:
  using FormulaText::FormulaText;

  // Start-up, then the main menu until the program ends. Returns the exit
  // code: 0 when the program ended or its window was closed, 3 when it was
  // closed on the error screen.
  int Run();

 protected:
  // ---- what each program supplies ----
  // The main menu's item texts, item n as the n-th; the last is "N　終了".
  virtual std::vector<std::string> MainMenuItems() = 0;
  // Runs the topic behind item k until its sub-menu's last item; false when
  // the item has no topic (the menu is then drawn again).
  virtual bool OpenTopic(int item) = 0;

  // ---- topic course ----
  void ShowTopicGoal(std::initializer_list<std::string> goalLines);
  // Reads choices until one lies in 1..n; items 1..n-1 run scene(k) and then
  // ask again, item n returns (to the main menu).
  void RunSubMenu(const std::string& optionLine, int n, const std::function<void(int)>& scene);
  // AINP = 3, then problem() and PromptNextStep until 1 is entered.
  void RunDrillLoop(const std::function<void()>& problem);

  // ---- key waits and prompt strip ----
  void WaitAnyKey();
  void WaitKeyWithMessage();
  void PromptNextStep();
  void PromptSubMenuChoice();
  void ClearPromptLine();

  // ---- lesson area and value tables ----
  void ClearLessonArea();
  void FormatTableValues();
};

// Runs a program (start-up to end); the exit code of Shell::Run.
inline int RunProgram(Shell& program) { return program.Run(); }

}  // namespace lesson
