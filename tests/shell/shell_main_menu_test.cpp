// The main-menu frame: its picture, its exact checks of the entry, the
// choice of the topic, and the menus of the three programs.
#include <gtest/gtest.h>

#include "tests/shell/shell_fixture.h"
#include "tests/support/harness.h"

namespace lesson::testing {
namespace {

TEST(MainMenu, OneShowingInOrder) {
  Rig rig("8\r");
  EXPECT_EQ(rig.shell.Run(), 0);
  const std::vector<RecordedOp>& ops = rig.ops();
  ASSERT_GE(ops.size(), 4u);
  EXPECT_TRUE(IsBox(ops[0], 0, 54, 1440, 900, 15, 15));
  EXPECT_TRUE(IsBox(ops[1], 0, 0, 1760, 1800, 15, 15));
  EXPECT_TRUE(IsBox(ops[2], 22, 10, 1342, 610, 15, 10));
  ASSERT_EQ(ops[3].op, "text");
  EXPECT_EQ(ops[3].x, 264);  // the title line starts at (264, 30) in colour 15
  EXPECT_EQ(ops[3].colour, 15);

  // The first glyph of item n (its number) at (44, 120 + 60 (n - 1)),
  // colour 13 for odd n and 15 for even n.
  std::vector<RecordedOp> starts;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.x == 44) starts.push_back(op);
  ASSERT_EQ(starts.size(), 8u);
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(starts[n - 1].text, std::to_string(n));
    EXPECT_EQ(starts[n - 1].y - starts[0].y, 60 * (n - 1));
    EXPECT_EQ(starts[n - 1].colour, n % 2 == 1 ? 13 : 15);
  }

  // The prompt, drawn twice at the same place, then the field's label.
  int prompts = 0;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == "番" && op.x == 816 && op.y == 648 && op.colour == 0)
      ++prompts;
  EXPECT_EQ(prompts, 2);

  // 8 ends at once: the prompt strip is cleared and the menu stays.
  const size_t n = ops.size();
  EXPECT_EQ(ops[n - 1].op, "end");
  EXPECT_TRUE(IsBox(ops[n - 2], 816, 640, 1872, 690, 15, 15));
  EXPECT_EQ(CountBoxes(ops, 0, 0, 1760, 1800, 15, 15), 1);
}

struct MenuCase {
  const char* keys;
  int showings;              // how often the menu was drawn
  std::vector<int> opened;   // topics opened, in order
  bool ended;                // the program end operation ran
  int noTopic = 0;           // entries that passed the checks but named no topic
};

class MenuEntry : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuEntry, ChecksAndChoice) {
  const MenuCase& c = GetParam();
  Rig rig(c.keys);
  // Item 7 has no topic here, as in a program whose item 7 is blank.
  rig.shell.topic = [](TestShell&, int k) { return k != 7; };
  EXPECT_EQ(rig.shell.Run(), 0);
  EXPECT_FALSE(rig.shell.lastFault().has_value());
  EXPECT_EQ(MenuShowings(rig.ops()), c.showings);
  EXPECT_EQ(rig.shell.opened, c.opened);
  EXPECT_EQ(Ended(rig.ops()), c.ended);
  // The whole area is cleared once per showing and once more for each entry
  // that passed the checks (before its topic, or before naming none).
  EXPECT_EQ(CountBoxes(rig.ops(), 0, 0, 1760, 1800, 15, 15),
            c.showings + static_cast<int>(c.opened.size()) + c.noTopic);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MenuEntry,
    ::testing::Values(
        // refused: drawn again
        MenuCase{"\r", 2, {}, false}, MenuCase{"0\r", 2, {}, false},
        MenuCase{"-3\r", 2, {}, false}, MenuCase{"0.5\r", 2, {}, false},
        MenuCase{".6\r", 2, {}, false}, MenuCase{"9\r", 2, {}, false},
        MenuCase{"9\r0\r8\r", 3, {}, true},
        // the last item, also in other spellings of 8
        MenuCase{"8\r", 1, {}, true}, MenuCase{"8.0\r", 1, {}, true},
        MenuCase{"08\r", 1, {}, true}, MenuCase{"16/2\r", 1, {}, true},
        // topics
        MenuCase{"3\r", 2, {3}, false}, MenuCase{"1\r2\r8\r", 3, {1, 2}, true},
        MenuCase{"1.4\r", 2, {1}, false},
        // the topic is the checked value itself: 6/2 opens 3
        MenuCase{"6/2\r", 2, {3}, false}, MenuCase{"14/2\r", 2, {7}, false},
        // passes the checks but names no topic (rounds to 8): drawn again
        MenuCase{"7.6\r", 2, {}, false, 1},
        // an item without a topic: cleared, then drawn again
        MenuCase{"7\r", 2, {7}, false},
        // a zero divisor is an entry of 0, refused like an empty one
        MenuCase{"3/0\r", 2, {}, false}, MenuCase{"1/0\r", 2, {}, false},
        MenuCase{"/\r", 2, {}, false}, MenuCase{"3/\r8\r", 2, {}, true}),
    [](const ::testing::TestParamInfo<MenuCase>& i) { return "Case" + std::to_string(i.index); });

TEST(MainMenu, DrawnAnewAfterEveryTopic) {
  Rig rig("2\r8\r");
  rig.shell.topic = [](TestShell& s, int) {
    s.DrawText(500, 300, 1, 1, 0, "topic picture");
    return true;
  };
  EXPECT_EQ(rig.shell.Run(), 0);
  const std::vector<RecordedOp>& ops = rig.ops();
  size_t topicAt = 0;
  for (size_t i = 0; i < ops.size(); ++i)
    if (ops[i].op == "text" && ops[i].text == "topic picture") topicAt = i;
  ASSERT_GT(topicAt, 0u);
  ASSERT_GT(ops.size(), topicAt + 4);
  EXPECT_TRUE(IsBox(ops[topicAt + 1], 0, 54, 1440, 900, 15, 15));
  EXPECT_TRUE(IsBox(ops[topicAt + 2], 0, 0, 1760, 1800, 15, 15));
  EXPECT_TRUE(IsBox(ops[topicAt + 3], 22, 10, 1342, 610, 15, 10));
}

TEST(MainMenu, TheMenuItemsAreReadOncePerRun) {
  Rig rig("9\r9\r8\r");
  int reads = 0;
  rig.shell.onMenuEntered = [&](TestShell&) { ++reads; };
  EXPECT_EQ(rig.shell.Run(), 0);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(MenuShowings(rig.ops()), 3);
}

// ---- the three programs ----

int ItemStarts(const ScriptedRun& run) {
  int n = 0;
  for (const RecordedOp& op : run.ops)
    if (op.op == "text" && op.x == 44 && op.text.size() == 1 && op.text[0] >= '1' &&
        op.text[0] <= '9')
      ++n;
  return n;
}

struct ProgramCase {
  const char* program;
  const char* keys;
  int showings;
  int items;  // item lines per showing
  bool ended;
};

class ProgramMenu : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramMenu, LastItemAndRefusals) {
  const ProgramCase& c = GetParam();
  const ScriptedRun run = RunScripted(c.program, c.keys);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(run.faulted);
  EXPECT_EQ(MenuShowings(run.ops), c.showings);
  EXPECT_EQ(ItemStarts(run), c.showings * c.items);
  EXPECT_EQ(Ended(run.ops), c.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramMenu,
    ::testing::Values(ProgramCase{"kasimel", "8\r", 1, 8, true},
                      ProgramCase{"kasimel", "9\r0\r\r8.0\r", 4, 8, true},
                      ProgramCase{"kasimel", "16/2\r", 1, 8, true},
                      ProgramCase{"orvanti", "7\r", 1, 7, true},
                      ProgramCase{"orvanti", "8\r0\r\r7\r", 4, 7, true},
                      ProgramCase{"velmora", "8\r", 1, 8, true},
                      ProgramCase{"velmora", "7\r9\r8\r", 3, 8, true}),
    [](const ::testing::TestParamInfo<ProgramCase>& i) {
      return std::string(i.param.program) + std::to_string(i.index);
    });

TEST(ProgramMenu, VelmoraItemSevenClearsAndDrawsTheMenuAgain) {
  const ScriptedRun run = RunScripted("velmora", "7\r8\r");
  EXPECT_EQ(CountBoxes(run.ops, 0, 0, 1760, 1800, 15, 15), 3);
  EXPECT_EQ(MenuShowings(run.ops), 2);
  EXPECT_TRUE(Ended(run.ops));
}

TEST(ProgramMenu, BackFromATopicTheMenuIsComplete) {
  // Item 1 of kasimel, then 4 (its sub-menu's last item), then 8.
  const ScriptedRun run = RunScripted("kasimel", "1\r4\r8\r");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(run.faulted);
  EXPECT_TRUE(Ended(run.ops));
  ASSERT_GE(MenuShowings(run.ops), 2);
  // The last showing: title at x 264 in colour 15, item 1 in colour 13.
  size_t panel = 0;
  for (size_t i = 0; i < run.ops.size(); ++i)
    if (IsBox(run.ops[i], 22, 10, 1342, 610, 15, 10)) panel = i;
  ASSERT_LT(panel + 1, run.ops.size());
  EXPECT_TRUE(IsBox(run.ops[panel - 1], 0, 0, 1760, 1800, 15, 15));
  EXPECT_EQ(run.ops[panel + 1].x, 264);
  EXPECT_EQ(run.ops[panel + 1].colour, 15);
  bool item1 = false;
  for (size_t i = panel; i < run.ops.size(); ++i)
    if (run.ops[i].op == "text" && run.ops[i].x == 44 && run.ops[i].text == "1")
      item1 = run.ops[i].colour == 13;
  EXPECT_TRUE(item1);
}

}  // namespace
}  // namespace lesson::testing
