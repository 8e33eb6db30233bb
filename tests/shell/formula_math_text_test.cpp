// Math text: the recorded operations of whole texts (fractions, roots,
// exponents, drawn signs), the measuring, and the renderer state that
// carries from one text to the next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula_probe.h"

namespace lesson {
namespace {

struct MathCase {
  std::string text;
  float endX;                      // X after the text drawn from (100, 200)
  std::vector<std::string> ops;    // what is drawn in sight, in order
};

// Every text drawn from (100, 200) in colour 0 with pen width 5.
const std::vector<MathCase> kMathCases = {
    {"x^2", 151,
     {"T 104,178 10x7 T8 bi c0 'x'", "T 127,200 3x2 G16 b c0 '2'"}},
    {"1+2", 181,
     {"T 100,200 3x3 G16 b c0 '1'", "L 131,222-150,222 p5 c0", "L 140,210-140,234 p5 c0",
      "T 154,200 3x3 G16 b c0 '2'"}},
    // The same two inside one fraction: "x^2" 56 wide over "1+2" 96 wide.
    {"ﾀx^2/1+2ﾀ", 196,
     {"L 100,225-196,225 p4 c0", "T 100,228 4x2 G16 b c0 '1'", "L 138,242-158,242 p5 c0",
      "L 148,232-148,252 p5 c0", "T 164,228 4x2 G16 b c0 '2'", "T 124,174 12x5 T8 bi c0 'x'",
      "T 152,186 6x3 G8 b c0 '2'"}},
    {"!2ﾝ", 155,
     {"P 104,236 108,224 116,240 124,196 132,196 p3", "T 128,200 3x3 G16 b c0 '2'",
      "L 128,196-155,196 p3 c0"}},
    {"ﾀ1/2ﾀ", 132,
     {"L 100,225-132,225 p4 c0", "T 100,228 4x2 G16 b c0 '2'", "T 100,190 4x2 G16 b c0 '1'"}},
    // Tall root over a fraction: sign from x+113, fraction from x+145, the
    // root closed before the final blank.
    {"  x=#ﾀ400/49ﾀﾝ ", 368,
     {"T 158,178 10x7 T8 bi c0 'x'", "T 185,200 3x3 G14 b c0 '='",
      "P 217,236 221,224 229,260 243,186 251,186 p3", "L 245,225-341,225 p4 c0",
      "L 245,186-341,186 p3 c0", "T 261,228 4x2 G16 b c0 '4'", "T 293,228 4x2 G16 b c0 '9'",
      "T 245,190 4x2 G16 b c0 '4'", "T 277,190 4x2 G16 b c0 '0'", "T 309,190 4x2 G16 b c0 '0'"}},
    // The exponents of the numerator leave the denominator on y+28.
    {"ﾀ5^2-3^2/5-3ﾀ", 244,
     {"L 100,225-244,225 p4 c0", "T 124,228 4x2 G16 b c0 '5'", "L 162,242-182,242 p5 c0",
      "T 188,228 4x2 G16 b c0 '3'", "T 100,190 4x2 G16 b c0 '5'", "T 132,186 6x3 G8 b c0 '2'",
      "L 162,204-182,204 p5 c0", "T 188,190 4x2 G16 b c0 '3'", "T 220,186 6x3 G8 b c0 '2'"}},
    {"y=2x", 213,
     {"T 100,200 3x3 G16 b c0 'y'", "T 131,200 3x3 G14 b c0 '='", "T 159,200 3x3 G16 b c0 '2'",
      "T 190,178 10x7 T8 bi c0 'x'"}},
    {"y=ﾀ6/xﾀ", 191,
     {"T 100,200 3x3 G16 b c0 'y'", "T 131,200 3x3 G14 b c0 '='", "L 159,225-191,225 p4 c0",
      "T 163,212 12x5 T8 bi c0 'x'", "T 159,190 4x2 G16 b c0 '6'"}},
    {"a=ﾀ2/4ﾀ=ﾀ1/2ﾀ", 255,
     {"T 104,178 10x7 T8 bi c0 'a'", "T 131,200 3x3 G14 b c0 '='", "L 159,225-191,225 p4 c0",
      "T 159,228 4x2 G16 b c0 '4'", "T 159,190 4x2 G16 b c0 '2'", "T 195,200 3x3 G14 b c0 '='",
      "L 223,225-255,225 p4 c0", "T 223,228 4x2 G16 b c0 '2'", "T 223,190 4x2 G16 b c0 '1'"}},
    // A mark without a partner is dropped; the "/" is then the division sign.
    {"ﾀ1/2", 181,
     {"T 100,200 3x3 G16 b c0 '1'", "T 123,200 2x3 G16 b c0 '÷'", "T 154,200 3x3 G16 b c0 '2'"}},
    // Fractions do not nest: "1/" is the fraction, the last mark is dropped.
    {"ﾀ1/ﾀ2/3ﾀ", 213,
     {"L 100,225-132,225 p4 c0", "T 100,190 4x2 G16 b c0 '1'", "T 132,200 3x3 G16 b c0 '2'",
      "T 155,200 2x3 G16 b c0 '÷'", "T 186,200 3x3 G16 b c0 '3'"}},
    {"#2ﾝ", 159,
     {"P 104,236 108,224 116,260 130,186 138,186 p3", "T 132,200 3x3 G16 b c0 '2'",
      "L 132,186-159,186 p3 c0"}},
    // An ordinary root before a fraction: each part gets its piece of bar
    // 4 above its own top; no overline.
    {"!ﾀ1/2ﾀﾝ", 160,
     {"P 104,236 108,224 116,240 124,196 132,196 p3", "L 128,225-160,225 p4 c0",
      "T 128,228 4x2 G16 b c0 '2'", "L 128,224-160,224 p3 c0", "T 128,190 4x2 G16 b c0 '1'",
      "L 128,186-160,186 p3 c0"}},
    // A "!" in the fraction moves the denominator 8 lower, a root or an
    // exponent in the denominator 8 more.
    {"ﾀ!4ﾝ/2ﾀ", 158,
     {"L 100,225-158,225 p4 c0", "T 113,236 4x2 G16 b c0 '2'",
      "P 104,214 108,203 116,219 124,184 126,184 p3", "T 126,190 4x2 G16 b c0 '4'",
      "L 126,184-158,184 p3 c0"}},
    {"ﾀ1/2^2ﾀ", 156,
     {"L 100,225-156,225 p4 c0", "T 100,236 4x2 G16 b c0 '2'", "T 132,232 6x3 G8 b c0 '2'",
      "T 112,190 4x2 G16 b c0 '1'"}},
    // A fraction text without "/" is an empty numerator over the whole text.
    {"ﾀ12ﾀ", 164,
     {"L 100,225-164,225 p4 c0", "T 100,228 4x2 G16 b c0 '1'", "T 132,228 4x2 G16 b c0 '2'"}},
    {"ﾀﾀ", 100, {"L 100,225-100,225 p4 c0"}},
    // A double-byte character whose second byte has the code of "^" is no
    // exponent mark: the denominator stays on y+28.
    {"ﾀ1/タﾀ", 138,
     {"L 100,225-138,225 p4 c0", "T 100,228 3x3 G11 b c0 'タ'", "T 103,190 4x2 G16 b c0 '1'"}},
    {"ﾀ1/／ﾀ", 138,
     {"L 100,225-138,225 p4 c0", "T 100,228 3x3 G11 b c0 '／'", "T 103,190 4x2 G16 b c0 '1'"}},
    {"", 100, {}},
};

TEST(FormulaMathText, DrawsEachTextAsRecorded) {
  for (const MathCase& c : kMathCases) {
    SCOPED_TRACE("text: " + c.text);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 0;
    p.AA_s = c.text;
    p.DrawMathText();
    EXPECT_EQ(bench.VisibleLines(), c.ops);
    EXPECT_EQ(p.X, c.endX);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.AA_s, "");
    EXPECT_EQ(p.GetPenWidth(), 5);
    EXPECT_EQ(p.BUN, 0);
  }
}

TEST(FormulaMathText, MeasureGivesTheEndOfTheTextAndPutsBackTheCallersValues) {
  const struct {
    std::string text;
    float width;
  } cases[] = {{"", 0}, {"ﾀ1/2ﾀ", 32}, {"  x=#ﾀ400/49ﾀﾝ ", 268}, {"y=2x", 113},
               {"ﾀ5^2-3^2/5-3ﾀ", 144}, {"1+2", 81}};
  for (const auto& c : cases) {
    SCOPED_TRACE("text: " + c.text);
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 40;
    p.Y = 50;
    p.A_s = c.text;
    p.MeasureMathText();
    EXPECT_EQ(p.LLT, c.width);
    EXPECT_EQ(p.X, 40);
    EXPECT_EQ(p.Y, 50);
    EXPECT_EQ(p.A_s, c.text);
    EXPECT_EQ(p.AA_s, "");
    EXPECT_TRUE(bench.Visible().empty());
    // Nothing of the measuring reaches above y 1774.
    for (const RecordedOp& op : bench.screen.ops()) {
      if (op.op == "text") {
        EXPECT_GE(op.y, 1774);
      } else if (op.op == "line") {
        EXPECT_GE(op.y1, 1774);
      }
    }
  }
}

TEST(FormulaMathText, FractionPutsBackThePenWidthInForceAndLeavesItsParts) {
  FormulaBench bench(false, 5);
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 200;
  p.AA_s = "ﾀ400/49ﾀ";
  p.DrawMathText();
  EXPECT_EQ(p.GetPenWidth(), 5);
  EXPECT_EQ(p.DR, 5);
  EXPECT_EQ(p.RTASKAI1_s, "400");
  EXPECT_EQ(p.RTASKAI2_s, "49");
  EXPECT_EQ(p.TBSI, 96);
  EXPECT_EQ(p.TBBO, 64);
  EXPECT_EQ(p.NAGA, 96);
  EXPECT_EQ(p.TBBO1, 16);
  EXPECT_EQ(p.BSEN, 225);
  EXPECT_EQ(p.A_s, "400");
  EXPECT_EQ(p.LLT, 64);
  EXPECT_EQ(p.AA_A_s, "");
  EXPECT_EQ(p.N, 7);
}

TEST(FormulaMathText, FractionCountsBytePositionsOfWholeCharacters) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 200;
  p.AA_s = "ﾀ表!2ﾝ/√3ﾀ";
  p.DrawMathText();
  EXPECT_EQ(p.TA5, 3);  // "!" after the double-byte "表"
  EXPECT_EQ(p.TA6, 7);  // "√" after "表!2ﾝ/"
  EXPECT_EQ(p.TA1, 1);  // "√" first in the denominator
  EXPECT_EQ(p.TA2, 1);  // the runs leave the byte length of their last glyph
  // A root in the denominator and a root anywhere: the denominator 16 lower.
  bool found = false;
  for (const RecordedOp& op : bench.Visible()) {
    if (op.op == "text" && op.text == "3") {
      EXPECT_EQ(op.y, 244);
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

TEST(FormulaMathText, HalfWidthDifferenceStaysFractional) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 200;
  p.AA_s = "ﾀ1 2/3ﾀ";  // numerator 91 wide with its blank, denominator 32
  p.DrawMathText();
  const std::vector<std::string> want = {"L 100,225-191,225 p4 c0", "T 129.5,228 4x2 G16 b c0 '3'",
                                         "T 100,190 4x2 G16 b c0 '1'",
                                         "T 159,190 4x2 G16 b c0 '2'"};
  EXPECT_EQ(bench.VisibleLines(), want);
}

TEST(FormulaMathText, PendingExponentAndOpenRootCarryToTheNextText) {
  {
    SCOPED_TRACE("a \"^\" at the end of a math text raises the next one's first digit");
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 200;
    p.AA_s = "3^";
    p.DrawMathText();
    EXPECT_EQ(p.JYOU, 1);
    p.AA_s = "2";
    p.DrawMathText();
    const std::vector<std::string> want = {"T 100,200 3x3 G16 b c0 '3'",
                                           "T 127,200 3x2 G16 b c0 '2'"};
    EXPECT_EQ(bench.VisibleLines(), want);
    EXPECT_EQ(p.X, 151);
    EXPECT_EQ(p.JYOU, 0);
  }
  {
    SCOPED_TRACE("a \"^\" left by a math text raises a prompt text's first character");
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 200;
    p.AA_s = "3^";
    p.DrawMathText();
    p.X = 100;
    p.Y = 300;
    p.AA_s = "2";
    p.DrawPlainText();
    EXPECT_EQ(bench.VisibleLines().back(), "T 100,296 1x1 G16 b c0 '2'");
    EXPECT_EQ(p.JYOU, 0);
  }
  {
    SCOPED_TRACE("a \"^\" left by a prompt text raises the next math text's digit");
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 300;
    p.AA_s = "x^";
    p.DrawPlainText();
    EXPECT_EQ(p.JYOU, 1);
    p.X = 100;
    p.Y = 200;
    p.AA_s = "2";
    p.DrawMathText();
    EXPECT_EQ(bench.VisibleLines().back(), "T 100,200 3x2 G16 b c0 '2'");
    EXPECT_EQ(p.X, 124);
  }
  {
    SCOPED_TRACE("a root left open draws its bar over the next text's glyphs");
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 200;
    p.AA_s = "!2";
    p.DrawMathText();
    EXPECT_EQ(p.HROOT, 1);
    EXPECT_EQ(p.TXM, 128);
    p.X = 200;
    p.Y = 300;
    p.AA_s = "3";
    p.DrawMathText();
    const std::vector<std::string> got = bench.VisibleLines();
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[got.size() - 2], "T 200,300 3x3 G16 b c0 '3'");
    EXPECT_EQ(got.back(), "L 128,296-227,296 p3 c0");
  }
}

TEST(FormulaMathText, FontAfterATextIsGothicSixteenNotBold) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.SetItalic(false);
  p.X = 0;
  p.Y = 100;
  p.AA_s = "a=ﾀl/2ﾀ";
  p.DrawMathText();
  const PenFont& f = bench.screen.State();
  EXPECT_EQ(f.face, "ゴシック");
  EXPECT_EQ(f.size, 16);
  EXPECT_FALSE(f.bold);
  EXPECT_FALSE(f.italic);
  // A text made only of marks drawn by the renderer itself leaves the font alone.
  p.SetFace("ｺﾞｼｯｸ");
  p.SetBold(true);
  p.AA_s = "^";
  p.DrawMathText();
  EXPECT_EQ(bench.screen.State().face, "ｺﾞｼｯｸ");
  EXPECT_TRUE(bench.screen.State().bold);
}

}  // namespace
}  // namespace lesson
