// Table cells and small text: box corners, text insets and tops, the
// one-cell text shift, and the small-text advances and measuring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula_probe.h"

namespace lesson {
namespace {

// A cell at (100, 200) with its colours set as a value table does.
void SetCell(FormulaProbe& p, float haba, float tate, const std::string& text) {
  p.X = 100;
  p.Y = 200;
  p.HABA = haba;
  p.TATE = tate;
  p.A_s = text;
  p.CCC1 = 0;
  p.CCC2 = 3;
  p.CCC3 = 15;
}

TEST(FormulaTableCell, CentresTheTextInTheBox) {
  const struct {
    std::string text;
    float haba, tate;
    std::vector<std::string> ops;
  } cases[] = {
      // "12" is 54 wide: inset 17, top 3 below the box's top.
      {"12", 88, 50,
       {"B 100,200-188,250 3/15", "T 117,203 3x3 G16 b c0 '1'", "T 144,203 3x3 G16 b c0 '2'"}},
      // An odd difference keeps its half unit.
      {"1", 68, 50, {"B 100,200-168,250 3/15", "T 120.5,203 3x3 G16 b c0 '1'"}},
      // A text wider than the box starts at its left edge.
      {"1234", 88, 50,
       {"B 100,200-188,250 3/15", "T 100,203 3x3 G16 b c0 '1'", "T 127,203 3x3 G16 b c0 '2'",
        "T 154,203 3x3 G16 b c0 '3'", "T 181,203 3x3 G16 b c0 '4'"}},
      // A fraction mark, even one without a partner, raises the text by 3.
      {"ﾀ1", 88, 50, {"B 100,200-188,250 3/15", "T 130.5,200 3x3 G16 b c0 '1'"}},
      {"ﾀ1/2ﾀ", 88, 50,
       {"B 100,200-188,250 3/15", "L 128,225-160,225 p4 c0", "T 128,228 4x2 G16 b c0 '2'",
        "T 128,190 4x2 G16 b c0 '1'"}},
      // Boxes lower than 44 put the text above the box's top (floor).
      {"1", 54, 43, {"B 100,200-154,243 3/15", "T 113.5,199 3x3 G16 b c0 '1'"}},
      {"1", 54, 40, {"B 100,200-154,240 3/15", "T 113.5,198 3x3 G16 b c0 '1'"}},
      {"1", 54, 60, {"B 100,200-154,260 3/15", "T 113.5,208 3x3 G16 b c0 '1'"}},
      {"", 88, 50, {"B 100,200-188,250 3/15"}},
      {"", 88, 80, {"B 100,200-188,280 3/15"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("cell text: " + c.text);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, c.haba, c.tate, c.text);
    p.DrawTableCell();
    EXPECT_EQ(bench.VisibleLines(), c.ops);
    EXPECT_EQ(p.X, 100 + c.haba);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.HABA, c.haba);
    EXPECT_EQ(p.TATE, c.tate);
    EXPECT_EQ(p.AA_s, "");
    EXPECT_EQ(p.MOTOA_s, c.text);
    EXPECT_EQ(p.N2, c.tate >= 80 ? 30 : 20);
  }
}

TEST(FormulaTableCell, TextShiftServesOneCellOnly) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  SetCell(p, 88, 50, "12");
  p.AAAX = 40;
  p.AAAY = -5;
  p.DrawTableCell();
  EXPECT_EQ(bench.VisibleLines().at(1), "T 157,198 3x3 G16 b c0 '1'");
  EXPECT_EQ(p.AAAX, 0);
  EXPECT_EQ(p.AAAY, 0);
  // The next cell of the row, drawn without setting X, is centred again.
  p.A_s = "12";
  p.DrawTableCell();
  const std::vector<std::string> lines = bench.VisibleLines();
  EXPECT_EQ(lines.at(3), "B 188,200-276,250 3/15");
  EXPECT_EQ(lines.at(4), "T 205,203 3x3 G16 b c0 '1'");
  EXPECT_EQ(p.X, 276);

  // The other two cells leave a shift in place.
  p.AAAX = 40;
  p.A_s = "1";
  p.DrawTableCellAroundText();
  p.A1_s = "1";
  p.A2_s = "2";
  p.DrawTwoLineCell();
  EXPECT_EQ(p.AAAX, 40);
}

TEST(FormulaTableCell, AroundTextCentresTheBoxOnTheLine) {
  const struct {
    float tate;
    std::string box;
  } cases[] = {{50, "B 100,197-232,247 3/13"}, {60, "B 100,192-232,252 3/13"}};
  for (const auto& c : cases) {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 132, c.tate, "ﾀ1/2ﾀ");
    p.CCC1 = 5;
    p.CCC3 = 13;
    p.DrawTableCellAroundText();
    const std::vector<std::string> lines = bench.VisibleLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], c.box);
    // The text stands on the line itself, a fraction included.
    EXPECT_EQ(lines[1], "L 150,225-182,225 p4 c5");
    EXPECT_EQ(p.X, 232);
    EXPECT_EQ(p.Y, 200);
  }
}

TEST(FormulaTableCell, TwoLineCellStacksItsLines) {
  {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 88, 88, "");
    p.A1_s = "12";
    p.A2_s = "3";
    p.DrawTwoLineCell();
    const std::vector<std::string> want = {"B 100,200-188,288 3/15", "T 117,200 3x3 G16 b c0 '1'",
                                           "T 144,200 3x3 G16 b c0 '2'",
                                           "T 130.5,244 3x3 G16 b c0 '3'"};
    EXPECT_EQ(bench.VisibleLines(), want);
    EXPECT_EQ(p.X, 188);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.MOTOA_s, "3");
    EXPECT_EQ(p.LLT, 27);
  }
  {
    // Alone, the first line moves 25 down and nothing else is drawn.
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 88, 88, "");
    p.A1_s = "12";
    p.A2_s = "";
    p.DrawTwoLineCell();
    const std::vector<std::string> want = {"B 100,200-188,288 3/15", "T 117,225 3x3 G16 b c0 '1'",
                                           "T 144,225 3x3 G16 b c0 '2'"};
    EXPECT_EQ(bench.VisibleLines(), want);
  }
}

TEST(FormulaSmallText, DrawsEachClassWithItsAdvance) {
  const struct {
    std::string text;
    float width;
    std::vector<std::string> ops;  // drawn from (100, 200)
  } cases[] = {
      {"-0.5", 68,
       {"T 100,200 3x2 G15 b c0 '-'", "T 120,200 3x2 G15 b c0 '0'", "T 140,200 3x2 G15 b c0 '.'",
        "T 148,200 3x2 G15 b c0 '5'"}},
      {"(3)", 40,
       {"T 92,200 3x2 G15 b c0 '('", "T 112,200 3x2 G15 b c0 '3'", "T 132,200 3x2 G15 b c0 ')'"}},
      // After an italic letter the next character is Gothic at 15 again.
      {"a2", 40, {"T 104,188 7x4 T8 bi c0 'a'", "T 120,200 3x2 G15 b c0 '2'"}},
      {"y,", 28, {"T 100,194 3x2 G15 b c0 'y'", "T 120,200 3x2 G15 b c0 ','"}},
      {"円 1", 70, {"T 100,200 2x2 G15 b c0 '円'", "T 150,200 3x2 G15 b c0 '1'"}},
      {"　", 30, {"T 100,200 2x2 G15 b c0 '　'"}},
      {"", 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("small text: " + c.text);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.A_s = c.text;
    p.MeasureSmallText();
    EXPECT_EQ(p.LLT, c.width);
    EXPECT_EQ(p.AA_s, c.text);  // the measured text stays in AA_s
    EXPECT_EQ(p.AA1_s, c.text);
    bench.screen.ClearLog();
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 0;
    p.AA_s = c.text;
    p.DrawSmallText();
    EXPECT_EQ(bench.VisibleLines(), c.ops);
    EXPECT_EQ(p.X, 100 + c.width);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.AA_s, "");
    const PenFont& f = bench.screen.State();
    EXPECT_FALSE(f.bold);
    EXPECT_EQ(f.size, 16);
    EXPECT_EQ(f.face, "ゴシック");
    EXPECT_FALSE(f.italic);
    EXPECT_EQ(p.GetPenWidth(), 5);
  }
}

TEST(FormulaSmallText, LeavesTheLastCharacter) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.A_s = "-0.5";
  p.MeasureSmallText();
  EXPECT_EQ(p.A_s, "5");
  EXPECT_EQ(p.B_s, "5");
  EXPECT_EQ(p.R_s, "5");
  p.A_s = "2a";
  p.MeasureSmallText();
  EXPECT_EQ(p.A_s, "a");
  EXPECT_EQ(p.B_s, "");
  p.A_s = "";
  p.MeasureSmallText();
  EXPECT_EQ(p.A_s, "");
  EXPECT_EQ(p.LLT, 0);
}

TEST(FormulaSmallText, BoxesCentreTheirLines) {
  {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 100, 40, "-0.5");
    p.DrawSmallCaptionBox();
    const std::vector<std::string> want = {
        "B 100,200-200,240 3/15", "T 116,207 3x2 G15 b c0 '-'", "T 136,207 3x2 G15 b c0 '0'",
        "T 156,207 3x2 G15 b c0 '.'", "T 164,207 3x2 G15 b c0 '5'"};
    EXPECT_EQ(bench.VisibleLines(), want);
    EXPECT_EQ(p.X, 200);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.MOTOA_s, "-0.5");
    EXPECT_EQ(p.LLT, 68);
    EXPECT_EQ(p.A_s, "5");
  }
  {
    // Narrow and low: inset 0, the text's top above the box (floor of -1.5).
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 30, 23, "12");
    p.DrawSmallCaptionBox();
    EXPECT_EQ(bench.VisibleLines().at(1), "T 100,198 3x2 G15 b c0 '1'");
  }
  {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 100, 80, "");
    p.A1_s = "12";
    p.A2_s = "3";
    p.DrawSmallTwoLineBox();
    const std::vector<std::string> want = {"B 100,200-200,280 3/15", "T 130,207 3x2 G15 b c0 '1'",
                                           "T 150,207 3x2 G15 b c0 '2'",
                                           "T 140,237 3x2 G15 b c0 '3'"};
    EXPECT_EQ(bench.VisibleLines(), want);
    EXPECT_EQ(p.MOTOA_s, "3");
    EXPECT_EQ(p.LLT, 20);
    EXPECT_EQ(p.X, 200);
  }
  {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    SetCell(p, 100, 80, "");
    p.A1_s = "12";
    p.A2_s = "";
    p.DrawSmallTwoLineBox();
    const std::vector<std::string> want = {"B 100,200-200,280 3/15", "T 130,222 3x2 G15 b c0 '1'",
                                           "T 150,222 3x2 G15 b c0 '2'"};
    EXPECT_EQ(bench.VisibleLines(), want);
    EXPECT_EQ(p.A_s, "");
  }
}

}  // namespace
}  // namespace lesson
