// Prompt text: full-width conversion, the 16-unit pitch, the raise of "^",
// the full-width period, blanks, and the font state a prompt leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula_probe.h"

namespace lesson {
namespace {

struct PromptCase {
  std::string text;
  float x;                          // where the text starts (y 200)
  float endX;
  std::vector<std::string> ops;     // the visible characters drawn
};

const std::vector<PromptCase> kPromptCases = {
    {"y=ax^2 a>0", 100, 244,
     {"T 100,200 1x1 G16 b c0 'ｙ'", "T 116,200 1x1 G16 b c0 '＝'", "T 132,200 1x1 G16 b c0 'ａ'",
      "T 148,200 1x1 G16 b c0 'χ'", "T 164,196 1x1 G16 b c0 '2'", "T 196,200 1x1 G16 b c0 'ａ'",
      "T 212,200 1x1 G16 b c0 '＞'", "T 228,200 1x1 G16 b c0 '０'"}},
    {"入力", 1008, 1040, {"T 1008,200 1x1 G16 b c0 '入'", "T 1024,200 1x1 G16 b c0 '力'"}},
    {"P124(章の問題A)", 0, 176,
     {"T 0,200 1x1 G16 b c0 'Ｐ'", "T 16,200 1x1 G16 b c0 '１'", "T 32,200 1x1 G16 b c0 '２'",
      "T 48,200 1x1 G16 b c0 '４'", "T 64,200 1x1 G16 b c0 '（'", "T 80,200 1x1 G16 b c0 '章'",
      "T 96,200 1x1 G16 b c0 'の'", "T 112,200 1x1 G16 b c0 '問'", "T 128,200 1x1 G16 b c0 '題'",
      "T 144,200 1x1 G16 b c0 'Α'", "T 160,200 1x1 G16 b c0 '）'"}},
    // The full-width period stands 4 left of its cell and takes no room.
    {"1.5", 100, 132,
     {"T 100,200 1x1 G16 b c0 '１'", "T 112,200 1x1 G16 b c0 '．'", "T 116,200 1x1 G16 b c0 '５'"}},
    {"1．5", 100, 132,
     {"T 100,200 1x1 G16 b c0 '１'", "T 112,200 1x1 G16 b c0 '．'", "T 116,200 1x1 G16 b c0 '５'"}},
    // A raised "." keeps its half width and its 16 units.
    {"^.5", 100, 132, {"T 100,196 1x1 G16 b c0 '.'", "T 116,200 1x1 G16 b c0 '５'"}},
    // A raise before a full-width character is used up on it.
    {"^あ2", 100, 132, {"T 100,200 1x1 G16 b c0 'あ'", "T 116,200 1x1 G16 b c0 '２'"}},
    // A blank after "^" takes the raise; the character after it is converted.
    {"^ 2", 100, 132, {"T 116,200 1x1 G16 b c0 '２'"}},
    // Characters in neither table stay half-width, 4 higher.
    {"z#ｱ", 100, 148,
     {"T 100,196 1x1 G16 b c0 'z'", "T 116,196 1x1 G16 b c0 '#'", "T 132,196 1x1 G16 b c0 'ｱ'"}},
    {"/-*ﾀ!", 100, 180,
     {"T 100,200 1x1 G16 b c0 '÷'", "T 116,200 1x1 G16 b c0 '－'", "T 132,200 1x1 G16 b c0 '×'",
      "T 148,200 1x1 G16 b c0 '―'", "T 164,200 1x1 G16 b c0 '√'"}},
    // A full-width space and a half-width blank: 32 units of gap.
    {"1　 2", 100, 164, {"T 100,200 1x1 G16 b c0 '１'", "T 116,200 1x1 G16 b c0 '　'",
                         "T 148,200 1x1 G16 b c0 '２'"}},
    {"何かキーを押して下さい。", 128, 320,
     {"T 128,200 1x1 G16 b c0 '何'", "T 144,200 1x1 G16 b c0 'か'", "T 160,200 1x1 G16 b c0 'キ'",
      "T 176,200 1x1 G16 b c0 'ー'", "T 192,200 1x1 G16 b c0 'を'", "T 208,200 1x1 G16 b c0 '押'",
      "T 224,200 1x1 G16 b c0 'し'", "T 240,200 1x1 G16 b c0 'て'", "T 256,200 1x1 G16 b c0 '下'",
      "T 272,200 1x1 G16 b c0 'さ'", "T 288,200 1x1 G16 b c0 'い'", "T 304,200 1x1 G16 b c0 '。'"}},
};

TEST(FormulaPromptText, DrawsEachCharacterInItsCell) {
  for (const PromptCase& c : kPromptCases) {
    SCOPED_TRACE("text: " + c.text);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = c.x;
    p.Y = 200;
    p.CCC1 = 0;
    p.AA_s = c.text;
    p.DrawPlainText();
    EXPECT_EQ(bench.VisibleLines(), c.ops);
    EXPECT_EQ(p.X, c.endX);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.AA_s, "");
    EXPECT_EQ(p.JYOU, 0);
    EXPECT_EQ(p.LEM, 0);
    EXPECT_TRUE(bench.screen.State().bold);  // a prompt leaves bold on
  }
}

TEST(FormulaPromptText, OptionLineWithALeadingBlankStartsOneCellIn) {
  FormulaBench bench(true, 3);
  FormulaProbe& p = bench.probe;
  p.X = 16;
  p.Y = 666;
  p.CCC1 = 0;
  p.AA_s = " ①表式,変化の様子　②グラフ　③ジェットコースター　④終了";
  p.DrawPlainText();
  const std::vector<RecordedOp> ops = bench.Visible();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(OpLine(ops[0]), "T 32,666 1x1 G16 b c0 '①'");
  EXPECT_EQ(OpLine(ops[3]), "T 80,666 1x1 G16 b c0 '，'");
  // The blank and the 29 characters after it, 16 units each.
  EXPECT_EQ(p.X, 16 + 16 * 30);
  for (size_t k = 1; k < ops.size(); ++k) EXPECT_EQ(ops[k].x - ops[k - 1].x, 16);
}

TEST(FormulaPromptText, EmptyAndRaiseOnlyTextsDrawNothing) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.SetBold(false);
  p.X = 50;
  p.XT = 7;
  p.AA_s = "";
  p.DrawPlainText();
  EXPECT_TRUE(bench.screen.ops().empty());
  EXPECT_EQ(p.X, 50);
  EXPECT_EQ(p.XT, 7);
  EXPECT_EQ(p.JYOU, 0);
  EXPECT_FALSE(bench.screen.State().bold);

  p.AA_s = "^^";
  p.DrawPlainText();
  EXPECT_TRUE(bench.screen.ops().empty());
  EXPECT_EQ(p.X, 50);
  EXPECT_EQ(p.JYOU, 1);
  EXPECT_FALSE(bench.screen.State().bold);
}

TEST(FormulaPromptText, EchoOfTypedKeysLeavesTheirTablePositions) {
  // The number entry echoes one key at a time through the run drawer.
  const struct {
    std::string key;
    std::string shown;
    float n;
  } keys[] = {{"-", "－", 16}, {".", "．", 19}, {"/", "÷", 14}, {"0", "０", 2},
              {"5", "５", 7},  {"9", "９", 11}};
  for (const auto& k : keys) {
    SCOPED_TRACE("key " + k.key);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.CCC1 = 5;
    p.X = 1056;
    p.Y = 648;
    p.A_s = k.key;
    p.DrawPlainRun();
    EXPECT_EQ(p.B_s, k.shown);
    EXPECT_EQ(p.N1, 0);
    EXPECT_EQ(p.N, k.n);
    EXPECT_EQ(p.XT, k.key == "." ? 1056 : 1072);
    EXPECT_EQ(p.LE, 1);
    EXPECT_EQ(p.L, 0);
  }
}

TEST(FormulaPromptText, ToFullWidthLooksInTheLetterTableFirst) {
  const struct {
    std::string in, out;
    float n1, n;
  } cases[] = {{"A", "Α", 4, 0},   {"X", "Ｘ", 2, 0},  {"Z", "Ｚ", 27, 0}, {"x", "χ", 0, 34},
               {"w", "ｗ", 0, 58}, {"~", "△", 0, 59}, {":", "：", 0, 60}, {"ﾀ", "―", 0, 17},
               {" ", "　", 1, 0},  {"z", "z", 0, 0},   {"あ", "あ", 0, 0}, {"^", "^", 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE("character " + c.in);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.B_s = c.in;
    p.ToFullWidth();
    EXPECT_EQ(p.B_s, c.out);
    EXPECT_EQ(p.N1, c.n1);
    EXPECT_EQ(p.N, c.n);
  }
}

TEST(FormulaPromptText, StripSpacesRemovesHalfWidthBlanksOnly) {
  const struct {
    std::string in, out;
  } cases[] = {{" 12", "12"}, {"-3", "-3"}, {"", ""}, {"1 2 3", "123"}, {"a　b", "a　b"},
               {" .5", ".5"}, {"表 式", "表式"}};
  for (const auto& c : cases) {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.A_s = c.in;
    p.StripSpaces();
    EXPECT_EQ(p.A_s, c.out) << "from '" << c.in << "'";
    EXPECT_EQ(p.X9_s, c.out);
  }
}

}  // namespace
}  // namespace lesson
