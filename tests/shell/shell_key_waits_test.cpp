// Key waits and the prompt strip: boxes, texts, clearings, and what each
// routine puts back (colour, pen width) or leaves for its caller.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/shell/shell_fixture.h"

namespace lesson::testing {
namespace {

std::vector<RecordedOp> Texts(const std::vector<RecordedOp>& ops) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "text") out.push_back(op);
  return out;
}

TEST(WaitAnyKey, AnyKeyEndsItAndIsLeftInI) {
  for (const char* key : {"\r", "\b", "\f", "a", "1", " ", "あ"}) {
    Rig rig(key);
    rig.shell.WaitAnyKey();
    EXPECT_EQ(rig.shell.I_s, key);
    EXPECT_EQ(rig.rt.keysLeft(), 0u);
  }
}

TEST(WaitAnyKey, DrawsItsBoxAndPutsColourAndPenBack) {
  Rig rig("x");
  rig.shell.CCC1 = 3;
  rig.shell.SetPenWidth(5);
  rig.shell.WaitAnyKey();
  EXPECT_EQ(rig.shell.CCC1, 3);
  EXPECT_EQ(rig.shell.CCC0, 3);
  EXPECT_EQ(rig.shell.GetPenWidth(), 5);
  EXPECT_EQ(rig.shell.DR, 5);
  EXPECT_EQ(rig.shell.X, 320);
  EXPECT_EQ(rig.shell.Y, 666);
  EXPECT_EQ(rig.shell.AA_s, "");

  const std::vector<RecordedOp>& ops = rig.ops();
  ASSERT_TRUE(IsBox(ops[0], 96, 657, 400, 693, 13, 4));
  EXPECT_EQ(ops[0].pen, 3);
  const std::vector<RecordedOp> texts = Texts(ops);
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0].text, "何");
  EXPECT_EQ(texts[0].x, 128);
  EXPECT_EQ(texts[0].y, 666);
  EXPECT_EQ(texts[0].colour, 9);
  EXPECT_EQ(texts[11].x, 128 + 11 * 16);
  EXPECT_TRUE(IsBox(ops.back(), 0, 657, 400, 693, 15, 15));
  // A scene's text at y 660 right of x 400 is outside that clearing.
  EXPECT_LE(ops.back().x2, 400);

  // The next text of the scene is drawn in colour 3 again.
  rig.shell.DrawText(10, 10, 1, 1, rig.shell.CCC1, "a");
  EXPECT_EQ(rig.ops().back().colour, 3);
  EXPECT_EQ(rig.ops().back().pen, 5);
}

TEST(WaitAnyKey, LeavesTheSceneVariablesAlone) {
  Rig rig("x");
  TestShell& s = rig.shell;
  s.II = 4;
  s.IJ = 2;
  s.XI1 = 40;
  s.XI2 = 300;
  s.YI1 = 120;
  s.HABA = 90;
  s.TATE = 50;
  s.CCC2 = 3;
  s.CCC3 = 13;
  s.T(1) = 2.5f;
  s.T_s(1) = "2.5";
  s.WaitAnyKey();
  EXPECT_EQ(s.II, 4);
  EXPECT_EQ(s.IJ, 2);
  EXPECT_EQ(s.XI1, 40);
  EXPECT_EQ(s.XI2, 300);
  EXPECT_EQ(s.YI1, 120);
  EXPECT_EQ(s.HABA, 90);
  EXPECT_EQ(s.TATE, 50);
  EXPECT_EQ(s.CCC2, 3);
  EXPECT_EQ(s.CCC3, 13);
  EXPECT_EQ(s.T(1), 2.5f);
  EXPECT_EQ(s.T_s(1), "2.5");
}

TEST(WaitKeyWithMessage, WiderBoxCallerTextWholeBandCleared) {
  for (const char* key : {"1", "\r", "q"}) {
    Rig rig(key);
    rig.shell.CCC1 = 7;
    rig.shell.SetPenWidth(4);
    rig.shell.AA_s = "1で次へ:他のキーで動く";
    rig.shell.WaitKeyWithMessage();
    EXPECT_EQ(rig.shell.I_s, key);
    EXPECT_EQ(rig.shell.AA_s, "");
    EXPECT_EQ(rig.shell.CCC1, 7);
    EXPECT_EQ(rig.shell.GetPenWidth(), 4);
    EXPECT_EQ(rig.shell.Y, 666);
    const std::vector<RecordedOp>& ops = rig.ops();
    ASSERT_TRUE(IsBox(ops[0], 16, 657, 496, 693, 13, 4));
    EXPECT_EQ(ops[0].pen, 3);
    const std::vector<RecordedOp> texts = Texts(ops);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].x, 48);
    EXPECT_EQ(texts[0].y, 666);
    EXPECT_EQ(texts[0].colour, 9);
    EXPECT_EQ(rig.shell.X, 48 + 16 * static_cast<float>(texts.size()));
    EXPECT_TRUE(IsBox(ops.back(), 0, 657, 992, 720, 15, 15));
  }
}

struct NextStepCase {
  const char* keys;
  float value;
  float colour;
};

TEST(PromptNextStep, ReadsANumberAndClearsItsBox) {
  const NextStepCase cases[] = {
      {"1\r", 1, 5}, {"1.0\r", 1, 5}, {"2/2\r", 1, 5}, {"01\r", 1, 5},
      {"\r", 0, 0},  {"2\r", 2, 5},   {"3/0\r", 0, 5},
  };
  for (const NextStepCase& c : cases) {
    Rig rig(c.keys);
    rig.shell.SetPenWidth(5);
    rig.shell.PromptNextStep();
    EXPECT_EQ(rig.shell.AINP, c.value) << c.keys;
    EXPECT_EQ(rig.shell.CCC1, c.colour) << c.keys;
    EXPECT_EQ(rig.shell.GetPenWidth(), 5) << c.keys;
    const std::vector<RecordedOp>& ops = rig.ops();
    ASSERT_TRUE(IsBox(ops[0], 96, 639, 400, 675, 13, 12)) << c.keys;
    EXPECT_EQ(ops[0].pen, 2);
    const std::vector<RecordedOp> texts = Texts(ops);
    EXPECT_EQ(texts[0].text, "次");
    EXPECT_EQ(texts[0].x, 128);
    EXPECT_EQ(texts[0].y, 648);
    EXPECT_EQ(texts[0].colour, 9);
    // The entry's own clear, then the strip above it, then the box.
    const size_t n = ops.size();
    ASSERT_GE(n, 3u);
    EXPECT_TRUE(IsBox(ops[n - 3], 1008, 640, 1248, 670, 15, 15));
    EXPECT_TRUE(IsBox(ops[n - 2], 1008, 639, 1168, 666, 15, 15));
    EXPECT_TRUE(IsBox(ops[n - 1], 96, 639, 400, 675, 15, 15));
    EXPECT_EQ(ops[n - 1].pen, 2);
  }
}

TEST(PromptNextStep, LeavesTablesAndCursorAlone) {
  Rig rig("2\r");
  TestShell& s = rig.shell;
  s.II = 3;
  s.XI1 = 40;
  s.YI1 = 200;
  s.XI2 = 500;
  s.F(2) = -1;
  s.F_s(2) = "-1";
  s.PromptNextStep();
  EXPECT_EQ(s.II, 3);
  EXPECT_EQ(s.XI1, 40);
  EXPECT_EQ(s.YI1, 200);
  EXPECT_EQ(s.XI2, 500);
  EXPECT_EQ(s.F(2), -1);
  EXPECT_EQ(s.F_s(2), "-1");
}

TEST(PromptSubMenuChoice, OptionLineStaysUntilClearPromptLine) {
  Rig rig("2\r");
  rig.shell.AA_s = " ①表式,変化の様子　②グラフ　③ジェットコースター　④終了";
  rig.shell.PromptSubMenuChoice();
  EXPECT_EQ(rig.shell.AINP, 2);
  EXPECT_EQ(rig.shell.AA_s, "");
  EXPECT_EQ(rig.shell.CCC1, 5);
  const std::vector<RecordedOp> texts = Texts(rig.ops());
  // The leading half-width blank takes a 16-unit step: "①" stands at 32.
  const auto first = std::find_if(texts.begin(), texts.end(),
                                  [](const RecordedOp& t) { return t.text == "①"; });
  ASSERT_NE(first, texts.end());
  EXPECT_EQ(first->x, 32);
  EXPECT_EQ(first->y, 666);
  EXPECT_EQ(first->colour, 0);
  // The option line is not cleared by the prompt.
  for (const RecordedOp& op : rig.ops())
    EXPECT_FALSE(op.op == "box" && op.y1 <= 666 && op.y2 >= 690 && op.x1 <= 32);

  rig.shell.ClearPromptLine();
  EXPECT_TRUE(IsBox(rig.ops().back(), 0, 657, 992, 720, 15, 15));
}

}  // namespace
}  // namespace lesson::testing
