// Rendered formulae: draws every formula the cases above name, the menus of
// the three programs and a page of cells and small text onto the raster,
// writes them as PNG sheets into the build tree (to be looked at), and
// checks on the pixels that glyphs keep to their cells and their baseline.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "formula_probe.h"
#include "platform/cairo_screen.h"
#include "tests/support/harness.h"

namespace lesson {
namespace {

std::string SheetPath(const std::string& name) { return TestOutputPath(name); }

// A probe drawing onto the raster through a recorder.
struct RasterBench {
  CairoScreen raster;
  RecordingScreen screen{&raster};
  ScriptedRuntime runtime{screen, {}};
  FormulaProbe probe;

  explicit RasterBench(bool kasimel, double scale = 1.0)
      : raster(scale), probe(runtime, kasimel) {
    probe.SetFace("ゴシック");
    probe.SetFontSize(16);
    probe.SetPenWidth(5);
  }
  void Math(float x, float y, const std::string& text, float colour = 0) {
    probe.X = x;
    probe.Y = y;
    probe.CCC1 = colour;
    probe.AA_s = text;
    probe.DrawMathText();
  }
  void Plain(float x, float y, const std::string& text, float colour = 0) {
    probe.X = x;
    probe.Y = y;
    probe.CCC1 = colour;
    probe.AA_s = text;
    probe.DrawPlainText();
  }
};

// The formulae of the math-text, glyph and fraction cases, and lesson-like lines.
const std::vector<std::vector<std::string>> kSheetColumns = {
    {"x^2", "1+2", "!2ﾝ", "ﾀ1/2ﾀ", "  x=#ﾀ400/49ﾀﾝ ", "ﾀ5^2-3^2/5-3ﾀ", "y=2x", "y=ﾀ6/xﾀ",
     "a=ﾀ2/4ﾀ=ﾀ1/2ﾀ"},
    {"ﾀx^2/1+2ﾀ", "ﾀ1/2", "ﾀ1/ﾀ2/3ﾀ", "#2ﾝ", "!ﾀ1/2ﾀﾝ", "ﾀ1 2/3ﾀ", "ﾀ!4ﾝ/2ﾀ", "ﾀ1/2^2ﾀ",
     "y=-ﾀ1/2ﾀx^2"},
    {"x*3/2@1", "∠ABC=30%", "l=2c+a", "&ABCD＃", "!12ﾝ=2!3ﾝ", "!72ﾝ=6!2ﾝ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ",
     "+ﾀ4/6ﾀ=+ﾀ2/3ﾀ", "ﾀ3/-6ﾀ=-ﾀ1/2ﾀ"},
    {"-ﾀ9/12ﾀ+ﾀ2/12ﾀ", "ﾀ-9+2/12ﾀ", "-ﾀ0/4ﾀ+ﾀ1/4ﾀ", "y=ax^2 (a>0)", "x=-2のときy=12",
     "1.5^2=2.25", "ﾀ1/タﾀ", "\\2x^", "2"},
};

TEST(FormulaSheet, MathTextSheet) {
  // At the window's size, and at four times it for a close look.
  for (const double scale : {1.0, 4.0}) {
    RasterBench bench(true, scale);
    const float colX[] = {20, 360, 700, 1010};
    for (size_t c = 0; c < kSheetColumns.size(); ++c) {
      float y = 40;
      for (const std::string& text : kSheetColumns[c]) {
        bench.Math(colX[c], y, text);
        y += 80;
      }
    }
    ASSERT_TRUE(bench.raster.WritePng(
        SheetPath(scale == 1.0 ? "formula_sheet_math.png" : "formula_sheet_math_x4.png")));
  }
}

TEST(FormulaSheet, MenuSheets) {
  const struct {
    const char* title;
    std::vector<std::string> items;
    std::string options;
  } programs[] = {
      {"kasimel",
       {"1　関数の復習・ジェットコースター", "2　斜面を転がるボール", "3　比例定数", "4　y=x^2のグラフ",
        "5　a>0のグラフ", "6　a<0のグラフ", "7　グラフのまとめ", "8　終了"},
       " ①表式,変化の様子　②グラフ　③ジェットコースター　④終了"},
      {"orvanti",
       {"1　増減", "2　変化の割合", "3　変域", "4　関数の特徴まとめ", "5　平均の速さ",
        "6　P113(関数 基本の問題)", "7　終了"},
       ""},
      {"velmora",
       {"1　ブレーキ痕、落下、振り子", "2　グラフを利用して", "3　切った紙の枚数", "4　配達料",
        "5　P124(関数 章の問題A)", "6　P125(章の問題B)", "7　", "8　終了"},
       ""},
  };
  for (const auto& prog : programs) {
    RasterBench bench(std::string(prog.title) == "kasimel");
    FormulaProbe& p = bench.probe;
    p.SetPenWidth(3);
    p.SetFace("ｺﾞｼｯｸ");
    bench.screen.Box(22, 10, 22 + 1320, 10 + 600, 15, 10);
    bench.Math(264, 30, std::string("＜") + prog.title + "　メニュー＞", 15);
    for (size_t n = 0; n < prog.items.size(); ++n) {
      bench.Math(44, 120 + 60 * static_cast<float>(n), prog.items[n], n % 2 == 0 ? 13 : 15);
    }
    bench.Plain(816, 648, "番号を入力して下さい。");
    bench.Plain(1008, 648, "入力");
    if (!prog.options.empty()) bench.Plain(16, 690, prog.options);
    ASSERT_TRUE(bench.raster.WritePng(SheetPath(std::string("formula_sheet_menu_") + prog.title +
                                                ".png")));
  }
}

TEST(FormulaSheet, CellsAndSmallTextSheet) {
  RasterBench bench(false);
  FormulaProbe& p = bench.probe;
  bench.Math(20, 20, "y=x^2の値の表");
  // A value table: headings and values in 88 x 50 cells.
  const char* xs[] = {"x", "-3", "-2", "-1", "0", "1", "2", "3"};
  const char* ys[] = {"y", "9", "4", "1", "0", "1", "4", "9"};
  p.CCC1 = 0;
  p.CCC2 = 0;
  p.CCC3 = 15;
  p.HABA = 88;
  p.TATE = 50;
  p.X = 20;
  p.Y = 90;
  for (const char* t : xs) {
    p.A_s = t;
    p.DrawTableCell();
  }
  p.X = 20;
  p.Y = 140;
  for (const char* t : ys) {
    p.A_s = t;
    p.DrawTableCell();
  }
  // Fractions and a fill-in box in a line of text.
  p.X = 20;
  p.Y = 190;
  p.HABA = 110;
  p.TATE = 55;
  for (const char* t : {"a", "ﾀ1/2ﾀ", "-ﾀ1/4ﾀ", "ﾀ9/4ﾀ", "2!3ﾝ"}) {
    p.A_s = t;
    p.DrawTableCell();
  }
  bench.Math(20, 290, "y=");
  p.X = p.X;
  p.A_s = "①";
  p.HABA = 132;
  p.TATE = 50;
  p.CCC1 = 5;
  p.CCC2 = 3;
  p.CCC3 = 13;
  p.DrawTableCellAroundText();
  p.CCC1 = 0;
  p.AA_s = "x^2";
  p.DrawMathText();
  // Caption and badge.
  p.X = 20;
  p.Y = 370;
  p.HABA = 44;
  p.TATE = 44;
  p.CCC1 = 13;
  p.CCC2 = 4;
  p.CCC3 = 3;
  p.A_s = "1";
  p.DrawTableCell();
  p.HABA = 420;
  p.TATE = 50;
  p.CCC1 = 0;
  p.CCC2 = 3;
  p.CCC3 = 13;
  p.A_s = "教科書P117 問1";
  p.DrawTableCell();
  // Two-line cell.
  p.X = 780;
  p.Y = 90;
  p.HABA = 130;
  p.TATE = 100;
  p.CCC1 = 0;
  p.CCC2 = 0;
  p.CCC3 = 15;
  p.A1_s = "変化の";
  p.A2_s = "割合";
  p.DrawTwoLineCell();
  // Small text: tick labels under a line, a caption box.
  p.SetPenWidth(1);
  bench.screen.Line(20, 480, 620, 480, 0);
  float x = 20;
  for (const char* t : {"-0.5", "0", "0.5", "1", "(3)", "12a", "y"}) {
    bench.screen.Line(x, 475, x, 485, 0);
    p.A_s = t;
    p.MeasureSmallText();
    p.X = x - p.LLT / 2;
    p.Y = 490;
    p.CCC1 = 0;
    p.AA_s = t;
    p.DrawSmallText();
    x += 90;
  }
  p.X = 700;
  p.Y = 470;
  p.HABA = 150;
  p.TATE = 60;
  p.CCC1 = 0;
  p.CCC2 = 3;
  p.CCC3 = 13;
  p.A1_s = "100g";
  p.A2_s = "400円";
  p.DrawSmallTwoLineBox();
  // Prompt strip texts.
  bench.Plain(48, 580, "y=ax^2 a>0");
  bench.Plain(128, 620, "何かキーを押して下さい。", 9);
  bench.Plain(500, 620, "1.5/-2");
  ASSERT_TRUE(bench.raster.WritePng(SheetPath("formula_sheet_cells.png")));
}

}  // namespace
}  // namespace lesson

namespace lesson {
namespace {

// The ink of single text operations, rendered alone at four pixels a unit.
class InkGauge {
 public:
  struct Box {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
  };

  Box Of(const RecordedOp& op) {
    raster_.Clear();
    raster_.SetFace(op.face);
    raster_.SetSize(op.size);
    raster_.SetBold(op.bold);
    raster_.SetItalic(op.italic);
    raster_.SetPenWidth(op.pen);
    // The raster shows "ℓ" for an "l" of its own: hand it back the letter.
    const std::string text = op.face == "MT Extra" && op.text == "ℓ" ? "l" : op.text;
    raster_.Text(op.x, op.y, op.m1, op.m2, op.colour, text);
    return Scan(op.x - 40, op.y - 40, op.x + 140, op.y + 120);
  }

 private:
  Box Scan(float x1, float y1, float x2, float y2) {
    cairo_surface_t* s = raster_.surface();
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const double k = raster_.scale();
    const int px1 = std::max(0, static_cast<int>(x1 * k));
    const int py1 = std::max(0, static_cast<int>(y1 * k));
    const int px2 = std::min(raster_.pixelWidth(), static_cast<int>(x2 * k));
    const int py2 = std::min(raster_.pixelHeight(), static_cast<int>(y2 * k));
    Box b;
    for (int py = py1; py < py2; ++py) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + py * stride);
      for (int px = px1; px < px2; ++px) {
        // Count a pixel as ink when it is at least half covered.
        const uint32_t v = row[px] & 0xffffff;
        const int grey = ((v >> 16) & 0xff) + ((v >> 8) & 0xff) + (v & 0xff);
        if (grey > 3 * 128) continue;
        const float x = static_cast<float>(px / k), y = static_cast<float>(py / k);
        const float step = static_cast<float>(1 / k);
        if (b.empty) {
          b = {x, y, x + step, y + step, false};
        } else {
          b.left = std::min(b.left, x);
          b.top = std::min(b.top, y);
          b.right = std::max(b.right, x + step);
          b.bottom = std::max(b.bottom, y + step);
        }
      }
    }
    return b;
  }

  CairoScreen raster_{4.0};
};

std::vector<RecordedOp> DrawnTexts(const std::string& math, bool inFraction = false) {
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 100;
  p.CCC1 = 0;
  if (inFraction) {
    p.BUN = 1;
    p.A_s = math;
    p.DrawGlyphRun();
  } else {
    p.AA_s = math;
    p.DrawMathText();
  }
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : bench.Visible()) {
    if (op.op == "text") out.push_back(op);
  }
  return out;
}

TEST(FormulaInk, LettersAndPeriodsSitOnTheBaselineOfTheDigitsBesideThem) {
  // Each case: a run, the index of the digit that gives the baseline and the
  // indices of the glyphs that must stand on it.
  const struct {
    std::string text;
    bool inFraction;
    size_t digit;
    std::vector<size_t> onBaseline;
  } cases[] = {
      {"2xac2", false, 0, {1, 2, 3, 4}},  // italic letters of the text line
      {"2l2", false, 0, {1, 2}},          // the script ell
      {"1.5", false, 0, {1, 2}},          // the period
      {"2xac", true, 0, {1, 2, 3}},       // italic letters in a fraction part
      {"２あＸ", false, 0, {2}},          // full-width digits and letters
  };
  InkGauge gauge;
  for (const auto& c : cases) {
    SCOPED_TRACE("run: " + c.text + (c.inFraction ? " in a fraction" : ""));
    const std::vector<RecordedOp> ops = DrawnTexts(c.text, c.inFraction);
    const float baseline = gauge.Of(ops.at(c.digit)).bottom;
    for (size_t k : c.onBaseline) {
      const InkGauge::Box b = gauge.Of(ops.at(k));
      ASSERT_FALSE(b.empty) << ops[k].text;
      EXPECT_NEAR(b.bottom, baseline, 1.25) << "'" << ops[k].text << "' off the baseline";
    }
  }
  // Small text: the period on the digits' baseline too.
  FormulaBench bench;
  FormulaProbe& p = bench.probe;
  p.X = 100;
  p.Y = 100;
  p.AA_s = "0.5";
  p.DrawSmallText();
  const std::vector<RecordedOp> small = bench.Visible();
  const float smallBase = gauge.Of(small.at(0)).bottom;
  EXPECT_NEAR(gauge.Of(small.at(1)).bottom, smallBase, 1.25);
}

TEST(FormulaInk, NeighbouringGlyphsKeepAGap) {
  const struct {
    std::string text;
    bool inFraction;
  } cases[] = {{"y=ax^2 (a>0)", false}, {"x*3/2@1", false}, {"l=2c+a", false},
               {"2x+3a-c", false},      {"∠ABC=30%", false}, {"x=-2のときy=12", false},
               {"2x+3a-c", true},       {"6/x*a", true},     {"1.5^2=2.25", false},
               {"ac'x", false}};
  InkGauge gauge;
  for (const auto& c : cases) {
    SCOPED_TRACE("run: " + c.text + (c.inFraction ? " in a fraction" : ""));
    const std::vector<RecordedOp> ops = DrawnTexts(c.text, c.inFraction);
    for (size_t k = 1; k < ops.size(); ++k) {
      const InkGauge::Box a = gauge.Of(ops[k - 1]);
      const InkGauge::Box b = gauge.Of(ops[k]);
      if (a.empty || b.empty) continue;
      EXPECT_LE(a.right + 2, b.left)
          << "'" << ops[k - 1].text << "' runs into '" << ops[k].text << "': gap "
          << b.left - a.right;
    }
  }
}

// A decimal point stands in the middle of the gap between its digits, apart
// from both, in the math text and in the small text.
TEST(FormulaInk, DecimalPointSitsBetweenItsDigits) {
  auto smallOps = [](const std::string& text) {
    FormulaBench bench;
    FormulaProbe& p = bench.probe;
    p.X = 100;
    p.Y = 100;
    p.AA_s = text;
    p.DrawSmallText();
    return bench.Visible();
  };
  const struct {
    std::string text;
    bool small;
  } cases[] = {{"2.25", false}, {"6.8", false}, {"-0.5", true}, {"10.25", true}};
  InkGauge gauge;
  for (const auto& c : cases) {
    SCOPED_TRACE("text: " + c.text + (c.small ? " in small text" : ""));
    const std::vector<RecordedOp> ops = c.small ? smallOps(c.text) : DrawnTexts(c.text);
    size_t dot = 0;
    while (dot < ops.size() && ops[dot].text != ".") ++dot;
    ASSERT_TRUE(dot > 0 && dot + 1 < ops.size());
    const InkGauge::Box before = gauge.Of(ops[dot - 1]);
    const InkGauge::Box point = gauge.Of(ops[dot]);
    const InkGauge::Box after = gauge.Of(ops[dot + 1]);
    const float left = point.left - before.right;
    const float right = after.left - point.right;
    EXPECT_GE(left, 1) << "the point touches the digit before it";
    EXPECT_GE(right, 1) << "the point touches the digit after it";
    EXPECT_NEAR(left, right, 1.5) << "gaps " << left << " and " << right;
    // Round, not stretched across.
    EXPECT_NEAR(point.right - point.left, point.bottom - point.top, 1.0);
  }
}

}  // namespace
}  // namespace lesson
