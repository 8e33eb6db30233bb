// A small program for the shell's tests: a main menu of the given items
// whose topics the test supplies, on a scripted runtime and a recording
// screen. Every routine of the shell is reachable from the test.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "shell/shell.h"

namespace lesson::testing {

class TestShell : public Shell {
 public:
  using Topic = std::function<bool(TestShell&, int)>;

  TestShell(Runtime& rt, std::vector<std::string> items, std::string title = "kasimel")
      : Shell(rt, ProgramConfig{std::move(title), false}), items_(std::move(items)) {}

  // Called when the menu starts (MainMenuItems is read once, on entry).
  std::function<void(TestShell&)> onMenuEntered;
  // Runs the topic of item k; by default every item but the last opens an
  // empty topic that returns at once.
  Topic topic;
  std::vector<int> opened;

  using Shell::ClearInputRightArea;
  using Shell::ClearLessonArea;
  using Shell::ClearMenuPrompt;
  using Shell::ClearPromptLine;
  using Shell::DrawText;
  using Shell::FlushKeys;
  using Shell::FormatTableValues;
  using Shell::GetPenWidth;
  using Shell::ParseNumberInput;
  using Shell::PromptMenuNumber;
  using Shell::PromptNextStep;
  using Shell::PromptSubMenuChoice;
  using Shell::RandomDraw;
  using Shell::ReadNumberInput;
  using Shell::ReseedRandom;
  using Shell::RunDrillLoop;
  using Shell::RunSubMenu;
  using Shell::SetPenWidth;
  using Shell::ShowTopicGoal;
  using Shell::WaitAnyKey;
  using Shell::WaitKeyWithMessage;

 protected:
  std::vector<std::string> MainMenuItems() override {
    if (onMenuEntered) onMenuEntered(*this);
    return items_;
  }
  bool OpenTopic(int item) override {
    opened.push_back(item);
    return topic ? topic(*this, item) : true;
  }

 private:
  std::vector<std::string> items_;
};

// A test shell with its runtime: keys with C escapes (\r Enter, \b, \f).
struct Rig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  TestShell shell;

  // inner: a screen the recorder forwards to (a raster for pictures).
  explicit Rig(const std::string& keys, std::vector<std::string> items = DefaultItems(),
               const std::string& clock = "00:00:00", Screen* inner = nullptr)
      : screen(inner), rt(screen, ScriptedRuntime::ParseKeys(keys), clock),
        shell(rt, std::move(items)) {
    shell.KAIX = 1056;
    shell.KAIY = 648;
  }

  static std::vector<std::string> DefaultItems() {
    return {"1　一", "2　二", "3　三", "4　四", "5　五", "6　六", "7　七", "8　終了"};
  }

  const std::vector<RecordedOp>& ops() const { return screen.ops(); }

  // Ops of one kind, from the recorder's log.
  std::vector<RecordedOp> OpsOf(const std::string& kind) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : screen.ops())
      if (op.op == kind) out.push_back(op);
    return out;
  }
};

// Box ops with the given corners, border and fill.
inline bool IsBox(const RecordedOp& op, float x1, float y1, float x2, float y2, int border,
                  int fill) {
  return op.op == "box" && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 &&
         op.border == border && op.fill == fill;
}

inline int CountBoxes(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2,
                      int border, int fill) {
  int n = 0;
  for (const RecordedOp& op : ops)
    if (IsBox(op, x1, y1, x2, y2, border, fill)) ++n;
  return n;
}

// How often the main menu's panel was drawn: once per showing of the menu.
inline int MenuShowings(const std::vector<RecordedOp>& ops) {
  return CountBoxes(ops, 22, 10, 1342, 610, 15, 10);
}

inline bool Ended(const std::vector<RecordedOp>& ops) {
  return !ops.empty() && ops.back().op == "end";
}

}  // namespace lesson::testing
