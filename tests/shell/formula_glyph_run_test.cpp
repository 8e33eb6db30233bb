// Glyph runs: each row of the glyph table, the substitutions, the markers,
// the drawn signs and the bars of open roots, on and off a fraction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula_probe.h"

namespace lesson {
namespace {

struct RunCase {
  std::string run;
  bool inFraction;               // BUN = 1
  bool kasimel;                  // "＃" is a parallelogram sign
  float advance;                 // X after the run, counted from 100
  std::vector<std::string> ops;  // drawn from (100, 200)
};

const std::vector<RunCase> kRunCases = {
    {".", false, false, 8, {"T 97,214 3x2 G16 b c0 '.'"}},
    {"'", false, false, 12, {"T 100,200 3x3 G16 b c0 '''"}},
    {"%", false, false, 12, {"T 100,200 3x3 G16 b c0 '°'"}},
    {"°", true, false, 12, {"T 100,200 3x3 G16 b c0 '°'"}},
    {"=", false, false, 32, {"T 104,200 3x3 G14 b c0 '='"}},
    {"a", true, false, 32, {"T 104,184 12x5 T8 bi c0 'a'"}},
    {"c", false, false, 27, {"T 104,178 10x7 T8 bi c0 'c'"}},
    {"l", false, false, 32, {"T 100,200 6x3 E16 b c0 'ℓ'"}},
    {"-", true, false, 32, {"L 106,214-126,214 p5 c0"}},
    {"+", true, false, 32, {"L 106,214-126,214 p5 c0", "L 116,204-116,224 p5 c0"}},
    {"-", false, false, 27, {"L 104,220-123,220 p5 c0"}},
    {"*", false, false, 27, {"T 96,200 2x3 G16 b c0 '×'"}},
    {"/", false, false, 27, {"T 96,200 2x3 G16 b c0 '÷'"}},
    {"@", false, false, 27, {"T 96,200 2x3 G16 b c0 '±'"}},
    // Inside a fraction the three signs are plain double-byte characters.
    {"/", true, false, 38, {"T 100,200 3x3 G11 b c0 '÷'"}},
    {"*", true, false, 38, {"T 100,200 3x3 G11 b c0 '×'"}},
    {" ", false, false, 27, {}},
    {" ", true, false, 27, {}},
    {"あ", false, false, 34, {"T 100,200 2x3 G16 b c0 'あ'"}},
    {"あ", true, false, 38, {"T 100,200 3x3 G11 b c0 'あ'"}},
    {"Z", false, false, 27, {"T 100,200 3x3 G16 b c0 'Z'"}},
    {"Z", true, false, 32, {"T 100,200 4x2 G16 b c0 'Z'"}},
    {"&", false, false, 36, {"P 104,240 125,240 132,208 111,208 104,240 p5"}},
    {"＃", false, true, 36, {"P 110,208 104,236 126,236 132,208 110,208 p5"}},
    {"＃", false, false, 34, {"T 100,200 2x3 G16 b c0 '＃'"}},
    {"＃", true, false, 38, {"T 100,200 3x3 G11 b c0 '＃'"}},
    {"!", true, false, 26, {"P 104,224 108,213 116,229 124,194 126,194 p3"}},
    {"!", false, false, 28, {"P 104,236 108,224 116,240 124,196 132,196 p3"}},
    // The empty run makes one pass with an empty character.
    {"", false, false, 27, {}},
    {"", true, false, 32, {}},
    // Exponents: the exponent rows take any character, in the Gothic face.
    {"^2", false, false, 24, {"T 100,200 3x2 G16 b c0 '2'"}},
    {"^2", true, false, 24, {"T 100,196 6x3 G8 b c0 '2'"}},
    {"\\2", false, false, 24, {"T 100,190 6x3 G8 b c0 '2'"}},
    {"^a", false, false, 24, {"T 100,200 3x2 G16 b c0 'a'"}},
    {"^+", false, false, 24, {"T 100,200 3x2 G16 b c0 '+'"}},
    {"^ ", false, false, 24, {"T 100,200 3x2 G16 b c0 ' '"}},
    // ".", "'", "°", "=" and the drawn signs leave the exponent pending.
    {"^.2", false, false, 32, {"T 97,214 3x2 G16 b c0 '.'", "T 108,200 3x2 G16 b c0 '2'"}},
    {"^=2", false, false, 56, {"T 104,200 3x3 G14 b c0 '='", "T 132,200 3x2 G16 b c0 '2'"}},
    {"^&2", false, false, 60,
     {"P 104,240 125,240 132,208 111,208 104,240 p5", "T 136,200 3x2 G16 b c0 '2'"}},
    // Bars of an open root: each glyph draws it from the end of the sign.
    {"!23ﾝ4", false, false, 109,
     {"P 104,236 108,224 116,240 124,196 132,196 p3", "T 128,200 3x3 G16 b c0 '2'",
      "L 128,196-155,196 p3 c0", "T 155,200 3x3 G16 b c0 '3'", "L 128,196-182,196 p3 c0",
      "T 182,200 3x3 G16 b c0 '4'"}},
    {"! ", false, false, 55,
     {"P 104,236 108,224 116,240 124,196 132,196 p3", "L 128,196-155,196 p3 c0"}},
    {"!2", true, false, 58,
     {"P 104,224 108,213 116,229 124,194 126,194 p3", "T 126,200 4x2 G16 b c0 '2'",
      "L 126,194-158,194 p3 c0"}},
    // A parallelogram sign under a root gets no bar; the bar restarts after it.
    {"!&2", false, false, 91,
     {"P 104,236 108,224 116,240 124,196 132,196 p3",
      "P 132,240 153,240 160,208 139,208 132,240 p5", "T 164,200 3x3 G16 b c0 '2'",
      "L 164,196-191,196 p3 c0"}},
};

TEST(FormulaGlyphRun, EachRowDrawsItsGlyphAndAdvances) {
  for (const RunCase& c : kRunCases) {
    SCOPED_TRACE("run: '" + c.run + "'" + (c.inFraction ? " in a fraction" : "") +
                 (c.kasimel ? " in kasimel" : ""));
    FormulaBench bench(c.kasimel, 5);
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 0;
    p.BUN = c.inFraction ? 1 : 0;
    p.A_s = c.run;
    p.DrawGlyphRun();
    EXPECT_EQ(bench.VisibleLines(), c.ops);
    EXPECT_EQ(p.X, 100 + c.advance);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.A_s, c.run);
    EXPECT_EQ(p.GetPenWidth(), 5);
    EXPECT_EQ(p.DR, 5);
    const PenFont& f = bench.screen.State();
    EXPECT_EQ(f.face, "ゴシック");
    EXPECT_EQ(f.size, 16);
    EXPECT_FALSE(f.bold);
    EXPECT_FALSE(f.italic);
  }
}

TEST(FormulaGlyphRun, MarkersCarryOverAndTheHigherExponentComesFirst) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 200;
  p.A_s = "\\^";
  p.DrawGlyphRun();
  EXPECT_EQ(p.JYOUK, 1);
  EXPECT_EQ(p.JYOU, 1);
  EXPECT_EQ(p.X, 100);
  // Both pending: the higher exponent takes the first character, the plain
  // exponent the next.
  p.A_s = "23";
  p.DrawGlyphRun();
  const std::vector<std::string> want = {"T 100,190 6x3 G8 b c0 '2'", "T 124,200 3x2 G16 b c0 '3'"};
  EXPECT_EQ(bench.VisibleLines(), want);
  EXPECT_EQ(p.JYOUK, 0);
  EXPECT_EQ(p.JYOU, 0);
  EXPECT_EQ(p.X, 148);
}

TEST(FormulaGlyphRun, LeavesTheWorkingVariables) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X = 10;
  p.Y = 20;
  p.A_s = "2あx";
  p.DrawGlyphRun();
  EXPECT_EQ(p.R_s, "2あx");
  EXPECT_EQ(p.NAG, 3);
  EXPECT_EQ(p.I, 4);
  EXPECT_EQ(p.B_s, "");   // an italic letter empties it
  EXPECT_EQ(p.TA2, 1);
  EXPECT_EQ(p.TX, 98);
  EXPECT_EQ(p.TY, 20);
  EXPECT_EQ(p.TXM, 98);
  p.A_s = "";
  p.DrawGlyphRun();
  EXPECT_EQ(p.I, 2);
  EXPECT_EQ(p.TA2, 0);
}

TEST(FormulaGlyphRun, ItalicStateIsNotTouchedAtTheStartOfARun) {
  // A slant left on by a caller survives a run without italic letters.
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.SetItalic(true);
  p.X = 0;
  p.Y = 100;
  p.A_s = "2";
  p.DrawGlyphRun();
  EXPECT_TRUE(bench.screen.ops().back().italic);
  EXPECT_TRUE(bench.screen.State().italic);
}

}  // namespace
}  // namespace lesson
