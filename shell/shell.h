// The lesson shell: start-up, the main-menu frame, topics and their
// sub-menus, drills, number entry, key waits and the error screen.
//
// Control moves only between the main menu, a topic and its scenes, as
// loops and returns: MainMenu loops, OpenTopic runs a topic, the topic's
// RunSubMenu loops over its scenes and returns on its last item. A fault
// unwinds to Run, which shows the error screen; closing the window unwinds
// to Run as well.
#pragma once
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>
#include "platform/fault.h"
#include "shell/formula_text.h"

namespace lesson {

class Shell : public FormulaText {
 public:
  using FormulaText::FormulaText;

  // Start-up, then the main menu until the program ends. Returns the exit
  // code: 0 when the program ended or its window was closed, 3 when it was
  // closed on the error screen.
  int Run();

  // The fault that ended the last Run on the error screen, if any (the
  // replay tool reports it).
  const std::optional<Fault>& lastFault() const { return lastFault_; }

 protected:
  // ---- what each program supplies ----
  // The main menu's item texts, item n as the n-th; the last is "N　終了".
  virtual std::vector<std::string> MainMenuItems() = 0;
  // Runs the topic behind item k until its sub-menu's last item; false when
  // the item has no topic (the menu is then drawn again).
  virtual bool OpenTopic(int item) = 0;

  // ---- start-up ----
  // Window, font, pen, random seed, constants and arrays, then MainMenu.
  // Returns only by an exception (program end, window closed, fault).
  void StartUp();
  // Seeds the random generator with hours + minutes + seconds of three
  // clock reads; leaves the sum in A.
  void ReseedRandom();

  // ---- main menu ----
  // Draws the menu and reads a number, again and again: the last item ends
  // the program, items with a topic open it.
  void MainMenu();

  // ---- topic course ----
  void ShowTopicGoal(std::initializer_list<std::string> goalLines);
  // Reads choices until one lies in 1..n; items 1..n-1 run scene(k) and then
  // ask again, item n returns (to the main menu).
  void RunSubMenu(const std::string& optionLine, int n, const std::function<void(int)>& scene);
  // AINP = 3, then problem() and PromptNextStep until 1 is entered.
  void RunDrillLoop(const std::function<void()>& problem);

  // ---- number entry (field at KAIX, KAIY) ----
  void PromptMenuNumber();    // the menu prompt, then an entry into AINP_s, AINP
  void ClearMenuPrompt();     // clears the menu prompt and the field
  void ReadNumberInput();     // label "入力", key loop until Enter, field cleared
  void ReadNumberKeys();      // the key loop: echoes accepted keys into AINP_s
  void ParseNumberInput();    // AINP = value of AINP_s (a/b: the quotient)
  void ClearInputRightArea(); // clears right of the field from (KAIX+80, KAIY-72)
  void FlushKeys();           // polls until no key is waiting; I_s empty

  // ---- key waits and prompt strip ----
  void WaitAnyKey();
  void WaitKeyWithMessage();
  void PromptNextStep();
  void PromptSubMenuChoice();
  void ClearPromptLine();

  // ---- error screen, lesson area and value tables ----
  // Clears the window and writes the step and code of the fault with the
  // message (the caller then waits for the window to close).
  void ShowRuntimeError(const Fault& fault);
  void ClearLessonArea();
  void FormatTableValues();

 private:
  // Empties the number field: the typed text and the echo position.
  void EmptyNumberField();
  // The main menu's prompt "番号を入力して下さい。" left of the number field.
  void DrawMenuPrompt();
  // Polls the keyboard into I_s until a key comes (an empty poll sleeps on
  // the window's events, so waiting takes no processor time).
  void WaitForKey();

  std::optional<Fault> lastFault_;
};

// Runs a program (start-up to end); the exit code of Shell::Run.
inline int RunProgram(Shell& program) { return program.Run(); }

}  // namespace lesson
