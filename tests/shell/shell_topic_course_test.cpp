// The course of a topic: goal banner, sub-menu loop, drill loop; and the
// value-table texts and lesson-area clearing that scenes lean on.
#include <gtest/gtest.h>

#include "tests/shell/shell_fixture.h"

namespace lesson::testing {
namespace {

TEST(ShowTopicGoal, HeadingAndGoalLines) {
  struct Case {
    std::initializer_list<std::string> lines;
    float lastY;
  };
  for (const Case& c : {Case{{"関数の復習"}, 305}, Case{{"一行目", "二行目"}, 370}}) {
    Rig rig("");
    rig.shell.ShowTopicGoal(c.lines);
    EXPECT_EQ(rig.shell.XI1, 44);
    EXPECT_EQ(rig.shell.YI1, c.lastY);
    EXPECT_EQ(rig.shell.Y, c.lastY);
    EXPECT_EQ(rig.shell.XI2, rig.shell.X);
    EXPECT_GT(rig.shell.XI2, 76);
    EXPECT_EQ(rig.shell.CCC1, 0);
    EXPECT_EQ(rig.shell.AA_s, "");
    // Heading in colour 3 from (44, 240); each goal line in colour 0 from
    // x 76, 65 below the line before. Nothing is cleared.
    const std::vector<RecordedOp> texts = rig.OpsOf("text");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].x, 44);
    EXPECT_EQ(texts[0].colour, 3);
    std::vector<float> lineStarts;
    for (const RecordedOp& t : texts)
      if (t.colour == 0 && t.x == 76) lineStarts.push_back(t.y);
    ASSERT_EQ(lineStarts.size(), c.lines.size());
    for (size_t i = 0; i < lineStarts.size(); ++i) EXPECT_EQ(lineStarts[i], 305 + 65 * i);
    EXPECT_EQ(rig.OpsOf("box").size(), 0u);
  }
}

// Counts the option lines drawn: the first character of the line at 16.
int OptionLines(const Rig& rig) {
  int n = 0;
  for (const RecordedOp& t : rig.OpsOf("text"))
    if (t.x == 16 && t.y == 666 && t.colour == 0) ++n;
  return n;
}

TEST(RunSubMenu, RefusesOutOfRangeAndRunsScenesUntilTheLastItem) {
  Rig rig("5\r0\r9\r\r-1\r3/0\r2\r2.0\r4/2\r1.5\r1\r3\r4\r");
  std::vector<int> scenes;
  rig.shell.RunSubMenu("①一　②二　③三　④終了", 4, [&](int k) { scenes.push_back(k); });
  EXPECT_EQ(scenes, (std::vector<int>{2, 2, 2, 2, 1, 3}));
  EXPECT_EQ(rig.shell.SENTAKU, 4);
  EXPECT_EQ(rig.rt.keysLeft(), 0u);
  EXPECT_EQ(OptionLines(rig), 13);
  EXPECT_EQ(CountBoxes(rig.ops(), 0, 657, 992, 720, 15, 15), 13);
  // The band is the only thing the sub-menu clears.
  for (const RecordedOp& op : rig.OpsOf("box")) {
    EXPECT_EQ(op.fill, 15);
    EXPECT_GE(op.y1, 640);
  }
}

TEST(RunSubMenu, EachSubMenuChecksItsOwnCount) {
  for (int n : {3, 6, 9}) {
    Rig rig(std::to_string(n + 1) + "\r" + std::to_string(n) + "\r");
    int runs = 0;
    rig.shell.RunSubMenu("①　②　③終了", n, [&](int) { ++runs; });
    EXPECT_EQ(runs, 0) << n;
    EXPECT_EQ(OptionLines(rig), 2) << n;
  }
}

TEST(RunSubMenu, OptionLineIsDrawnAgainAfterAScene) {
  Rig rig("1\r2\r");
  rig.shell.RunSubMenu("①場面　②終了", 2, [&](int) {
    // The scene's last picture stays under the option line.
    rig.shell.DrawText(40, 100, 1, 1, 0, "場面の絵");
  });
  const std::vector<RecordedOp>& ops = rig.ops();
  size_t sceneAt = 0;
  for (size_t i = 0; i < ops.size(); ++i)
    if (ops[i].op == "text" && ops[i].text == "場面の絵") sceneAt = i;
  ASSERT_GT(sceneAt, 0u);
  bool optionAfter = false;
  for (size_t i = sceneAt + 1; i < ops.size(); ++i) {
    if (ops[i].op == "text" && ops[i].x == 16 && ops[i].y == 666) optionAfter = true;
    EXPECT_FALSE(ops[i].op == "box" && ops[i].y1 < 600) << "nothing above the strip is cleared";
  }
  EXPECT_TRUE(optionAfter);
}

struct DrillCase {
  const char* keys;
  int problems;
};

TEST(RunDrillLoop, EndsOnlyOnExactlyOne) {
  const DrillCase cases[] = {
      {"1\r", 1},    {"1.0\r", 1},    {"01\r", 1},           {"2/2\r", 1},
      {"2\r1\r", 2}, {"0\r\r1\r", 3}, {"1.5\r.5\r1\r", 3},   {"3/0\r1\r", 2},
  };
  for (const DrillCase& c : cases) {
    Rig rig(c.keys);
    int problems = 0;
    rig.shell.RunDrillLoop([&] { ++problems; });
    EXPECT_EQ(problems, c.problems) << c.keys;
    EXPECT_EQ(rig.shell.AINP, 1) << c.keys;
    EXPECT_EQ(rig.rt.keysLeft(), 0u) << c.keys;
    EXPECT_EQ(CountBoxes(rig.ops(), 96, 639, 400, 675, 13, 12), c.problems) << c.keys;
  }
}

TEST(RunDrillLoop, StartsAfreshWithThree) {
  // A second loop of the same scene runs its first problem even though the
  // first loop left AINP at 1.
  Rig rig("1\r1\r");
  int problems = 0;
  rig.shell.RunDrillLoop([&] { ++problems; });
  rig.shell.RunDrillLoop([&] {
    EXPECT_EQ(rig.shell.AINP, 3);
    ++problems;
  });
  EXPECT_EQ(problems, 2);
}

TEST(FormatTableValues, NumberTextsWithoutBlanks) {
  Rig rig("");
  TestShell& s = rig.shell;
  s.T_s(0) = "kept";
  s.F_s(0) = "kept too";
  s.T(0) = 9;
  s.F(0) = 9;
  s.T(1) = 0.5f;
  s.T(2) = -0.5f;
  s.T(3) = -2;
  s.T(4) = 41;
  s.T(5) = -0.0f;
  s.T(6) = 0.9f * 0.9f;
  s.T(80) = 1.0f / 3;
  s.T_s(7) = "old";  // T(7) is 0: its text becomes "0"
  s.F(1) = 2100;
  s.F(40) = 2.5f;
  s.I_s = "k";
  s.FormatTableValues();
  EXPECT_EQ(s.T_s(0), "kept");
  EXPECT_EQ(s.F_s(0), "kept too");
  EXPECT_EQ(s.T_s(1), ".5");
  EXPECT_EQ(s.T_s(2), "-.5");
  EXPECT_EQ(s.T_s(3), "-2");
  EXPECT_EQ(s.T_s(4), "41");
  EXPECT_EQ(s.T_s(5), "0");
  EXPECT_EQ(s.T_s(6), ".81");
  EXPECT_EQ(s.T_s(7), "0");
  EXPECT_EQ(s.T_s(80), ".3333333");
  EXPECT_EQ(s.F_s(1), "2100");
  EXPECT_EQ(s.F_s(39), "0");
  EXPECT_EQ(s.F_s(40), "2.5");
  EXPECT_EQ(s.I, 41);
  EXPECT_EQ(s.A_s, "2.5");
  EXPECT_EQ(s.I_s, "k");
  EXPECT_TRUE(rig.ops().empty()) << "it draws nothing";
}

TEST(ClearLessonArea, OneWhiteBox) {
  Rig rig("");
  rig.shell.ClearLessonArea();
  ASSERT_EQ(rig.ops().size(), 1u);
  EXPECT_TRUE(IsBox(rig.ops()[0], 0, 54, 1440, 900, 15, 15));
}

}  // namespace
}  // namespace lesson::testing
