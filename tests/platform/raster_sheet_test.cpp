// A sheet of every primitive and of text in all four faces at several sizes
// and size factors, each glyph run over the outline of the cells the glyph
// scaling rule gives it, written to test-output/raster_sheet.png for a look.
#include <gtest/gtest.h>

#include <string>

#include "platform/cairo_screen.h"
#include "platform/text_number.h"
#include "tests/support/harness.h"

namespace lesson {
namespace {

// Outlines the cells of text as the rule places them, then draws the text.
void CelledText(CairoScreen& s, float x, float y, float m1, float m2, int colour,
                const std::string& text) {
  const float size = s.State().size;
  const int pen = s.PenWidth();
  s.SetPenWidth(1);
  float cx = x;
  for (const std::string& ch : Chars(text)) {
    const float w = (IsHalfWidth(ch) ? size / 2 : size) * m1;
    s.Polyline({{cx, y}, {cx + w, y}, {cx + w, y + size * m2}, {cx, y + size * m2}, {cx, y}}, 14,
               false, 14);
    cx += w;
  }
  s.SetPenWidth(pen);
  s.Text(x, y, m1, m2, colour, text);
}

TEST(RasterSheet, EveryPrimitiveAndFace) {
  CairoScreen s;
  s.SetSize(16);
  s.SetBold(true);

  // Row 1: Gothic at several sizes and factors.
  float x = 10;
  struct Run {
    float size, m1, m2;
    const char* text;
  } runs[] = {{16, 1, 1, "１６点あア"}, {16, 3, 3, "y=2"},  {16, 2, 3, "×÷±"},
              {16, 4, 2, "8ｶ"},        {11, 3, 3, "あ√"}, {20.8f, 1, 1, "20.8点"},
              {30, 1, 1, "30点"},      {8, 6, 3, "x2"}};
  for (const Run& r : runs) {
    s.SetFace("ゴシック");
    s.SetSize(r.size);
    CelledText(s, x, 20, r.m1, r.m2, 0, r.text);
    for (const std::string& ch : Chars(r.text)) x += (IsHalfWidth(ch) ? r.size / 2 : r.size) * r.m1;
    x += 20;
  }
  s.SetSize(16);

  // Row 2: a math line as the glyph rows draw it: "y=ax^2" and "ℓ" beside
  // Gothic digits, italic letters at 8 points (10, 7) 22 above the line.
  float tx = 10, ty = 120;
  auto glyph = [&](const char* face, float size, bool italic, float dx, float dy, float m1,
                   float m2, int colour, const char* t, float advance) {
    s.SetFace(face);
    s.SetSize(size);
    s.SetItalic(italic);
    s.Text(tx + dx, ty + dy, m1, m2, colour, t);
    s.SetFace("ゴシック");
    s.SetSize(16);
    s.SetItalic(false);
    tx += advance;
  };
  s.SetPenWidth(1);
  s.Line(0, ty + 42, 900, ty + 42, 8);  // the Gothic baseline at (3, 3)
  glyph("ゴシック", 16, false, 0, 0, 3, 3, 0, "y", 27);
  glyph("ゴシック", 14, false, 4, 0, 3, 3, 0, "=", 32);
  glyph("ゴシック", 16, false, 0, 0, 3, 3, 0, "2", 27);
  glyph("Times New Roman", 8, true, 4, -22, 10, 7, 0, "a", 27);
  glyph("Times New Roman", 8, true, 4, -22, 10, 7, 0, "x", 27);
  glyph("ゴシック", 16, false, 0, 0, 3, 2, 0, "2", 24);
  glyph("Times New Roman", 8, true, 4, -22, 10, 7, 3, "c", 27);
  glyph("MT Extra", 16, false, 0, 0, 6, 3, 5, "l", 32);
  glyph("ゴシック", 16, false, 0, 0, 3, 3, 0, "1", 27);
  glyph("ゴシック", 16, false, -4, 0, 2, 3, 0, "×", 27);
  glyph("ゴシック", 16, false, 0, 0, 2, 3, 0, "㎝", 34);
  glyph("ゴシック", 16, false, 0, 0, 2, 3, 7, "①", 34);
  glyph("ゴシック", 16, false, 0, 0, 3, 3, 0, "'", 12);
  glyph("ゴシック", 16, false, 0, 0, 3, 3, 0, "°", 12);
  // The same inside a fraction: Gothic (4, 2), italic at (12, 5) 16 above.
  tx += 40;
  s.Line(tx, ty + 28, tx + 300, ty + 28, 8);  // the Gothic baseline at (4, 2)
  glyph("ゴシック", 16, false, 0, 0, 4, 2, 0, "3", 32);
  glyph("Times New Roman", 8, true, 4, -16, 12, 5, 0, "a", 32);
  glyph("Times New Roman", 8, true, 4, -16, 12, 5, 0, "x", 32);
  glyph("ゴシック", 8, false, 0, -4, 6, 3, 0, "2", 24);
  glyph("MT Extra", 16, false, 0, 0, 6, 3, 0, "l", 32);
  glyph("ゴシック", 11, false, 0, 0, 3, 3, 0, "÷", 38);

  // Row 3: the four faces at (1, 1), bold and not, italic and not.
  ty = 220;
  const char* faces[] = {"ｺﾞｼｯｸ", "ゴシック", "Times New Roman", "MT Extra"};
  for (int f = 0; f < 4; ++f) {
    s.SetFace(faces[f]);
    s.SetSize(16);
    for (int style = 0; style < 4; ++style) {
      s.SetBold(style & 1);
      s.SetItalic(style & 2);
      s.Text(10 + style * 330, ty + f * 24, 1, 1, 0, "Face l ax 12 あア漢");
    }
  }
  s.SetFace("ゴシック");
  s.SetBold(true);
  s.SetItalic(false);

  // Row 4: lines and boxes at every pen width, palette swatches.
  for (int w = 1; w <= 10; ++w) {
    s.SetPenWidth(w);
    s.Line(10 + 40 * (w - 1), 340, 40 + 40 * (w - 1), 400, 0);
    s.Box(420 + 36 * (w - 1), 340, 446 + 36 * (w - 1), 400, w % 16, (w + 5) % 16);
  }
  s.SetPenWidth(1);
  for (int c = 0; c < 16; ++c) {
    s.Box(800 + 34 * c, 340, 830 + 34 * c, 370, 0, c);
    s.SetSize(16);
    s.Text(806 + 34 * c, 376, 1, 1, 0, Str(static_cast<float>(c)).substr(1));
  }
  // The pairs the lessons use.
  struct Pair {
    int text, ground;
  } pairs[] = {{13, 10}, {15, 10}, {9, 4},  {9, 12}, {0, 13}, {5, 13}, {9, 13},
               {13, 3},  {0, 15},  {3, 15}, {5, 15}, {7, 15}, {9, 15}};
  for (int i = 0; i < 13; ++i) {
    s.Box(800 + 42 * i, 400, 838 + 42 * i, 430, pairs[i].ground, pairs[i].ground);
    s.Text(803 + 42 * i, 407, 1, 1, pairs[i].text, "文字");
  }

  // Row 5: circles, arcs, sectors, tiny dots, polylines, polygons.
  s.SetPenWidth(3);
  s.Circle(60, 520, 50, 0, 0, 0, false, 0);
  s.Circle(180, 520, 50, 3, 0.75f, 0.25f, false, 3);  // the right half
  s.Circle(300, 520, 50, 0, 0.0f, 0.25f, true, 5);
  s.Circle(420, 520, 50, 0, 0.9f, 0.6f, true, 13);
  s.Circle(540, 520, 50, 14, 0, 0, true, 9);
  s.SetPenWidth(1);
  for (int i = 0; i < 40; ++i) s.Circle(620 + 5 * i, 520 - 0.05f * i * i, 1, 0, 0, 0, true, 0);
  s.Circle(620, 560, 0.5f, 0, 0, 0, false, 0);
  // Graph dots (radius 1, pen 5) and dimension dots (radius 0.5, pen 4):
  // solid, however far apart.
  s.SetPenWidth(5);
  for (int i = 0; i < 12; ++i) s.Circle(640 + i * (2 + i * 0.7f), 545, 1, 9, 0, 0, true, 9);
  s.SetPenWidth(4);
  for (int i = 0; i < 12; ++i) s.Circle(640 + i * (2 + i * 0.7f), 565, 0.5f, 3, 0, 0, true, 3);
  s.SetPenWidth(3);
  s.Polyline({{860, 480}, {900, 560}, {940, 480}, {980, 560}, {1020, 480}, {1060, 560},
              {1100, 480}},
             7, false, 7);
  s.Polyline({{1140, 560}, {1180, 480}, {1240, 480}, {1200, 560}, {1140, 560}}, 0, true, 11);
  // The drawn signs: radical and parallelogram.
  s.Polyline({{1264, 516}, {1268, 504}, {1276, 520}, {1284, 476}, {1292, 476}}, 0, false, 0);
  s.SetPenWidth(5);
  s.Polyline({{1300, 520}, {1321, 520}, {1328, 488}, {1307, 488}, {1300, 520}}, 0, false, 0);

  // Row 6: the prompt strip's boxes and a fill-in box.
  s.SetPenWidth(3);
  s.Box(96, 657, 400, 693, 13, 4);
  s.SetSize(16);
  s.Text(128, 666, 1, 1, 9, "何かキーを押して下さい。");
  s.SetPenWidth(2);
  s.Box(440, 657, 744, 693, 13, 12);
  s.Text(472, 666, 1, 1, 9, "次のステップは１を入力。");
  s.Box(800, 640, 900, 700, 0, 13);
  s.Text(816, 650, 3, 3, 5, "5");
  s.Text(848, 650, 3, 3, 0, "7");
  s.Circle(960, 670, 22, 3, 0, 0, true, 3);
  s.Text(952, 654, 1, 2, 13, "1");

  const std::string path = TestOutputPath("raster_sheet.png");
  ASSERT_TRUE(s.WritePng(path));
  std::printf("sheet: %s\n", path.c_str());
}

}  // namespace
}  // namespace lesson
