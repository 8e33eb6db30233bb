// The Cairo raster: shapes, arcs, erasing by redrawing, clipping, glyph
// cells, faces and the palette, checked on the pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/cairo_screen.h"
#include "tests/support/harness.h"

namespace lesson {
namespace {

struct Box {
  int x1, y1, x2, y2;  // inclusive; empty when x1 > x2
  bool empty() const { return x1 > x2; }
  int w() const { return x2 - x1 + 1; }
  int h() const { return y2 - y1 + 1; }
};

// Pixels of the rectangle [x1, x2) x [y1, y2) that are not the page colour.
Box InkBox(CairoScreen& s, int x1, int y1, int x2, int y2, uint32_t page = 0xFFFFFF) {
  Box b{x2, y2, x1 - 1, y1 - 1};
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x)
      if (s.PixelAt(x, y) != page) {
        b.x1 = std::min(b.x1, x), b.y1 = std::min(b.y1, y);
        b.x2 = std::max(b.x2, x), b.y2 = std::max(b.y2, y);
      }
  return b;
}

int CountColour(CairoScreen& s, int x1, int y1, int x2, int y2, int colour) {
  int n = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) n += s.PixelAt(x, y) == PaletteRgb(colour);
  return n;
}

bool AllPage(CairoScreen& s) { return InkBox(s, 0, 0, kCanvasWidth, kCanvasHeight).empty(); }

TEST(Raster, StartsAsAWhitePage) {
  CairoScreen s;
  EXPECT_EQ(PaletteRgb(15), 0xFFFFFFu);
  EXPECT_TRUE(AllPage(s));
}

// Fractions of a turn count clockwise on the screen from straight right
// (0.25 down, 0.5 left, 0.75 up); an arc runs clockwise from start to end,
// wrapping past 1 to 0. The eight probes lie on the circle at the four
// extremes and the four diagonals; the quarter cases tell clockwise from
// counter-clockwise.
TEST(Raster, ArcFractionsRunClockwise) {
  enum { R, DR, D, DL, L, UL, U, UR };  // right, down-right, down, ... clockwise
  struct Case {
    float start, end;
    const char* inked;  // one letter per probe in the order above: x inked, . blank
  } cases[] = {
      {0.75f, 0.25f, "xxx...xx"},  // the right half
      {0.25f, 0.75f, "..xxxxx."},  // the left half
      {0.0f, 0.5f, "xxxxx..."},    // the lower half
      {0.5f, 1.0f, "x...xxxx"},    // the upper half
      {0.0f, 0.25f, "xxx....."},   // the lower-right quarter
      {0.5f, 0.75f, "....xxx."},   // the upper-left quarter
      {0.25f, 0.0f, "x.xxxxxx"},   // all but the lower-right quarter
      {0.9f, 0.1f, "x......."},    // a short arc across 3 o'clock
      {0.0f, 0.0f, "xxxxxxxx"},    // the whole circle
  };
  const double d = 100 / std::sqrt(2.0);
  const int px[8] = {400, int(300 + d), 300, int(300 - d), 200, int(300 - d), 300, int(300 + d)};
  const int py[8] = {300, int(300 + d), 400, int(300 + d), 300, int(300 - d), 200, int(300 - d)};
  for (const Case& c : cases) {
    for (bool filled : {false, true}) {
      CairoScreen s;
      s.SetPenWidth(3);
      s.Circle(300, 300, 100, 0, c.start, c.end, filled, 5);
      SCOPED_TRACE(testing::Message() << c.start << " to " << c.end << (filled ? " filled" : ""));
      for (int i = R; i <= UR; ++i) {
        const bool inked = !InkBox(s, px[i] - 3, py[i] - 3, px[i] + 4, py[i] + 4).empty();
        EXPECT_EQ(inked, c.inked[i] == 'x') << "probe " << i;
      }
    }
  }
}

TEST(Raster, RightHalfArcLeavesTheLeftSideBlank) {
  CairoScreen s;
  s.Circle(300, 300, 100, 0, 0.75f, 0.25f, false, 0);
  EXPECT_TRUE(InkBox(s, 0, 0, 296, kCanvasHeight).empty());
  Box b = InkBox(s, 0, 0, kCanvasWidth, kCanvasHeight);
  EXPECT_NEAR(b.x2, 400, 2);
  EXPECT_NEAR(b.y1, 200, 2);
  EXPECT_NEAR(b.y2, 400, 2);
}

TEST(Raster, FilledSectorAndDisc) {
  CairoScreen s;
  s.SetPenWidth(1);
  // The quarter from 0 to 0.25: below and right of the centre.
  s.Circle(300, 300, 100, 0, 0.0f, 0.25f, true, 5);
  EXPECT_EQ(s.PixelAt(340, 340), PaletteRgb(5));
  EXPECT_EQ(s.PixelAt(340, 260), PaletteRgb(15));
  EXPECT_EQ(s.PixelAt(260, 340), PaletteRgb(15));
  EXPECT_EQ(s.PixelAt(300, 360), PaletteRgb(0));  // the radius down is outlined
  EXPECT_EQ(s.PixelAt(360, 300), PaletteRgb(0));  // and the radius to the right
  // The half-disc from 0.75 to 0.25: the half right of the centre.
  s.Circle(700, 300, 50, 0, 0.75f, 0.25f, true, 11);
  EXPECT_EQ(s.PixelAt(720, 300), PaletteRgb(11));
  EXPECT_EQ(s.PixelAt(680, 300), PaletteRgb(15));
  s.Circle(700, 500, 50, 0, 0, 0, true, 3);
  EXPECT_EQ(s.PixelAt(700, 500), PaletteRgb(3));
  EXPECT_EQ(s.PixelAt(750, 500), PaletteRgb(0));
}

// Whole circles with a pen as wide as their diameter or wider are solid:
// the graph dots (radius 1, pen 5), the dimension-arc dots (radius 0.5,
// pen 4). A filled circle is the disc out to the pen's outer edge in the
// outline colour with the part inside the pen's inner edge in the fill colour.
TEST(Raster, WholeCirclesWithAWidePenAreSolid) {
  struct Case {
    float r;
    int pen;
    bool filled;
  } cases[] = {
      {1, 5, true}, {0.5f, 4, true}, {1, 3, false}, {2, 5, false}, {2.5f, 5, true},
      {1, 10, true}, {3, 10, false},
  };
  for (const Case& c : cases) {
    for (float fx : {0.0f, 0.3f, 0.5f}) {
      CairoScreen s;
      s.SetPenWidth(c.pen);
      const float cx = 100 + fx, cy = 100 + fx;
      s.Circle(cx, cy, c.r, 3, 0, 0, c.filled, 3);
      SCOPED_TRACE(testing::Message() << "r " << c.r << " pen " << c.pen << " filled " << c.filled
                                      << " at +" << fx);
      const double outer = c.r + c.pen / 2.0;
      // Every pixel whose centre lies well inside the outer edge is inked.
      for (int y = 80; y < 120; ++y)
        for (int x = 80; x < 120; ++x) {
          const double dist = std::hypot(x + 0.5 - (cx + 0.5), y + 0.5 - (cy + 0.5));
          const uint32_t want = PaletteRgb(dist < outer - 0.75 ? 3 : 15);
          if (dist < outer - 0.75 || dist > outer + 0.75) {
            EXPECT_EQ(s.PixelAt(x, y), want) << x << "," << y;
          }
        }
    }
  }
  // Outline and fill in two colours: the border is the pen's width wide.
  CairoScreen s;
  s.SetPenWidth(5);
  s.Circle(300, 300, 10, 0, 0, 0, true, 3);
  EXPECT_EQ(s.PixelAt(300, 300), PaletteRgb(3));
  EXPECT_EQ(s.PixelAt(306, 300), PaletteRgb(3));
  EXPECT_EQ(s.PixelAt(310, 300), PaletteRgb(0));
  EXPECT_EQ(s.PixelAt(300, 288), PaletteRgb(0));
  EXPECT_EQ(s.PixelAt(314, 300), PaletteRgb(15));
  // Radius 1 under pen 5, filled in another colour: no fill can show.
  s.Circle(500, 300, 1, 0, 0, 0, true, 3);
  EXPECT_EQ(CountColour(s, 490, 290, 510, 310, 3), 0);
  EXPECT_GT(CountColour(s, 490, 290, 510, 310, 0), 30);
}

TEST(Raster, TinyCirclesStayVisible) {
  for (float r : {0.5f, 1.0f}) {
    for (bool filled : {false, true}) {
      CairoScreen s;
      s.SetPenWidth(1);
      s.Circle(100, 100, r, 0, 0, 0, filled, 0);
      Box b = InkBox(s, 90, 90, 110, 110);
      SCOPED_TRACE(testing::Message() << "r " << r << " filled " << filled);
      ASSERT_FALSE(b.empty());
      EXPECT_LE(b.w(), 4);
      EXPECT_EQ(s.PixelAt(100, 100), PaletteRgb(0));
    }
  }
}

// A busy scene: function graphs of radius-1 dots at fractional positions,
// dots of every pen and many radii (the largest beyond the stamps' reach),
// filled circles in two colours, dots across the canvas edges, dots erased
// by drawing them again in colour 15, and other shapes and text in between
// that must cover or be covered in order.
void BusyScene(CairoScreen& s) {
  s.SetSize(16);
  s.SetPenWidth(5);
  for (int g = 0; g < 4; ++g) {
    for (int i = 0; i <= 5000; ++i) {
      const float x = -10 + i * 0.004f;
      s.Circle(680 + x * 61.3f, 380 - (g - 1.5f) * x * x * 7.1f - g * 40, 1, g + 1, 0, 0, true,
               g + 1);
    }
    s.Line(100, 100 + g * 150, 1200, 150 + g * 140, 0);  // across the graph just drawn
  }
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<float>((seed >> 8) & 0xffff) / 65536.0f;
  };
  for (int pen = 1; pen <= 10; ++pen) {
    s.SetPenWidth(pen);
    for (int i = 0; i < 300; ++i) {
      const float r = next() * next() * 16;
      s.Circle(next() * 1400 - 20, next() * 800 - 20, r, i % 16, 0, 0, i % 4 != 3, (i * 7) % 16);
    }
    s.Box(200 + pen * 90, 600, 260 + pen * 90, 640, 0, 13);
    s.Circle(230 + pen * 90, 620, 12, 3, 0, 0, true, 3);  // on top of the box
    s.Circle(230 + pen * 90, 620, 30, 5, 0.1f, 0.6f, false, 0);
    s.Text(205 + pen * 90, 605, 1, 1, 0, "あ");
  }
  // The graph dots again in colour 15, every other one: erased without a trace.
  s.SetPenWidth(5);
  for (int i = 0; i <= 5000; i += 2) {
    const float x = -10 + i * 0.004f;
    s.Circle(680 + x * 61.3f, 380 + 1.5f * x * x * 7.1f, 1, 15, 0, 0, true, 15);
  }
  s.Polyline({{30, 700}, {300, 740}, {600, 690}}, 7, true, 9);
  // Boxes at fractional places and sizes, one reaching past the canvas, one
  // clearing a large area over everything else.
  for (int i = 0; i < 400; ++i) {
    s.SetPenWidth(1 + i % 6);
    const float x = next() * 1300 - 10, y = next() * 700 - 10;
    const float w = i % 3 == 0 ? std::floor(next() * 80) : next() * 80;
    s.Box(x, y, x + w, y + next() * 60, i % 16, (i * 5) % 16);
  }
  s.Box(-20.5f, 500.25f, 1800, 2000, 2, 13);
  s.Box(0, 0, 700, 300.5f, 15, 15);
}

// Discs copied from stamps and box interiors written directly have exactly
// the pixels of those filled by Cairo on the canvas one by one: the busy
// scene comes out the same both ways, at each pixel scale.
TEST(Raster, StampedDiscsLookExactlyLikeFilledOnes) {
  for (double scale : {1.0, 1.41, 2.82, 1.5}) {
    CairoScreen stamped(scale), filled(scale);
    filled.SetStamping(false);
    BusyScene(stamped);
    BusyScene(filled);
    cairo_surface_t* a = stamped.surface();
    cairo_surface_t* b = filled.surface();
    const int stride = cairo_image_surface_get_stride(a);
    ASSERT_EQ(stride, cairo_image_surface_get_stride(b));
    const unsigned char* pa = cairo_image_surface_get_data(a);
    const unsigned char* pb = cairo_image_surface_get_data(b);
    int differing = 0, inked = 0;
    for (int y = 0; y < stamped.pixelHeight(); ++y)
      for (int x = 0; x < stamped.pixelWidth(); ++x) {
        uint32_t va, vb;
        std::memcpy(&va, pa + y * stride + x * 4, 4);
        std::memcpy(&vb, pb + y * stride + x * 4, 4);
        differing += (va & 0xffffff) != (vb & 0xffffff);
        inked += (vb & 0xffffff) != 0xffffff;
      }
    EXPECT_EQ(differing, 0) << "scale " << scale;
    EXPECT_GT(inked, 100000) << "scale " << scale;  // the scene really is busy
  }
}

// Shapes are not anti-aliased: drawing them again in colour 15 leaves a
// clean page (the entry cursor and the animations rely on it).
TEST(Raster, RedrawingInColour15Erases) {
  CairoScreen s;
  for (int pen : {1, 2, 3, 5, 10}) {
    s.SetPenWidth(pen);
    for (int colour : {0, 15}) {
      s.Line(13.3f, 17.7f, 411.1f, 203.9f, colour);
      s.Box(500, 40, 640.5f, 120.25f, colour, colour);
      s.Circle(800.5f, 300.25f, 37.3f, colour, 0.1f, 0.8f, false, colour);
      s.Circle(900, 500, 1, colour, 0, 0, true, colour);
      s.Circle(1000.7f, 200.2f, 60, colour, 0.3f, 0.9f, true, colour);
      s.Polyline({{100, 600}, {150.5f, 520.2f}, {230, 640}, {260, 700}}, colour, false, colour);
      s.Polyline({{400, 600}, {450, 500}, {520, 690}}, colour, true, colour);
    }
    SCOPED_TRACE(testing::Message() << "pen " << pen);
    EXPECT_TRUE(AllPage(s));
  }
}

TEST(Raster, BoxBorderAndFill) {
  CairoScreen s;
  s.SetPenWidth(3);
  s.Box(100, 100, 300, 200, 13, 4);
  EXPECT_EQ(s.PixelAt(200, 150), PaletteRgb(4));
  EXPECT_EQ(s.PixelAt(100, 150), PaletteRgb(13));
  EXPECT_EQ(s.PixelAt(300, 150), PaletteRgb(13));
  EXPECT_EQ(s.PixelAt(200, 100), PaletteRgb(13));
  EXPECT_EQ(s.PixelAt(200, 200), PaletteRgb(13));
  // Corners may be given in any order.
  CairoScreen t;
  t.Box(300, 200, 100, 100, 13, 4);
  EXPECT_EQ(t.PixelAt(200, 150), PaletteRgb(4));
}

TEST(Raster, PolylineStaysOpenUnlessFilled) {
  CairoScreen s;
  s.SetPenWidth(1);
  // A "U": the closing segment across the top would run through (200, 100).
  s.Polyline({{100, 100}, {100, 300}, {300, 300}, {300, 100}}, 0, false, 0);
  EXPECT_EQ(s.PixelAt(200, 100), PaletteRgb(15));
  EXPECT_EQ(s.PixelAt(200, 300), PaletteRgb(0));
  EXPECT_EQ(s.PixelAt(200, 200), PaletteRgb(15));
  s.Polyline({{500, 100}, {500, 300}, {700, 300}, {700, 100}}, 0, true, 12);
  EXPECT_EQ(s.PixelAt(600, 200), PaletteRgb(12));
}

TEST(Raster, PenWidthIsHeldAndReadBackExactly) {
  CairoScreen s;
  for (int w = 1; w <= 10; ++w) {
    s.SetPenWidth(w);
    EXPECT_EQ(s.PenWidth(), w);
  }
  s.SetPenWidth(5);
  const int saved = s.PenWidth();
  s.SetPenWidth(2);
  s.SetPenWidth(saved);
  EXPECT_EQ(s.PenWidth(), 5);
  // The width shows: a horizontal line is as thick as the pen.
  for (int w : {1, 3, 5, 10}) {
    CairoScreen t;
    t.SetPenWidth(w);
    t.Line(100, 100, 300, 100, 0);
    EXPECT_EQ(InkBox(t, 150, 80, 250, 120).h(), w) << "pen " << w;
  }
}

// Drawing off the canvas, even absurdly far or with numbers that are no
// numbers, is clipped without a fault and leaves the raster working.
TEST(Raster, OffCanvasDrawingIsClipped) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  CairoScreen s;
  s.SetPenWidth(5);
  s.Box(0, 0, 1760, 1800, 15, 15);
  s.Circle(2000, 2000, 5000, 0, 0, 0, true, 5);
  s.Line(-5000, 300, 9000, 300, 0);
  s.Line(0, 0, 1e30f, 1e30f, 0);
  s.Line(nan, 0, 10, 10, 0);
  s.Circle(100, 100, inf, 0, 0, 0, false, 0);
  s.Polyline({{-1e9f, 5}, {1e9f, 5}, {nan, 3}}, 0, true, 3);
  s.SetSize(16);
  s.Text(0, 1800, 3, 3, 0, "見えない");
  s.Text(-1e20f, 100, 3, 3, 0, "x");
  s.Text(100, 100, 0, 3, 0, "x");
  s.Text(100, 100, 3, nan, 0, "x");
  EXPECT_EQ(s.PixelAt(700, 300), PaletteRgb(0));
  EXPECT_EQ(s.PixelAt(1350, 760), PaletteRgb(5));
  // Still drawing afterwards.
  s.Box(10, 500, 50, 540, 3, 3);
  EXPECT_EQ(s.PixelAt(30, 520), PaletteRgb(3));
}

TEST(Raster, ClearWipesToWhite) {
  CairoScreen s;
  s.Box(0, 0, 1359, 764, 0, 0);
  s.Clear();
  EXPECT_TRUE(AllPage(s));
}

// Glyph cells: at size s a half-width glyph is s/2 wide and s high, a
// full-width one s by s, stretched m1 across and m2 down; ink stays inside
// its cell, whose top-left is the given point.
TEST(Raster, GlyphInkStaysInItsCell) {
  struct Case {
    const char* text;
    float size, m1, m2;
    float cellW;  // of one character
  } cases[] = {
      {"8", 16, 3, 3, 24},  {"8", 16, 4, 2, 32},  {"8", 16, 1, 1, 8},   {"8", 8, 6, 3, 24},
      {"あ", 16, 1, 1, 16}, {"あ", 16, 2, 3, 32}, {"あ", 11, 3, 3, 33}, {"ﾀ", 16, 3, 3, 24},
      {"×", 16, 2, 3, 32},  {"8", 20.8f, 1, 1, 10.4f},
  };
  for (const Case& c : cases) {
    CairoScreen s;
    s.SetSize(c.size);
    s.SetBold(true);
    const float x = 200, y = 200, cellH = c.size * c.m2;
    s.Text(x, y, c.m1, c.m2, 0, c.text);
    SCOPED_TRACE(testing::Message() << c.text << " size " << c.size << " x" << c.m1 << " y" << c.m2);
    Box b = InkBox(s, 0, 0, 700, 700);
    ASSERT_FALSE(b.empty());
    EXPECT_GE(b.x1, x - 1);
    EXPECT_LE(b.x2, x + c.cellW);
    EXPECT_GE(b.y1, y - 1);
    EXPECT_LE(b.y2, y + cellH);
    // The glyph fills a good part of its cell.
    EXPECT_GE(b.w(), c.cellW * 0.3f);
    EXPECT_GE(b.h(), cellH * 0.4f);
  }
}

TEST(Raster, CharactersFollowEachOtherCellByCell) {
  CairoScreen s;
  s.SetSize(16);
  s.Text(100, 100, 1, 1, 0, "あいう");  // three 16-wide cells
  for (int i = 0; i < 3; ++i)
    EXPECT_FALSE(InkBox(s, 100 + 16 * i, 95, 116 + 16 * i, 120).empty()) << i;
  EXPECT_TRUE(InkBox(s, 149, 90, 200, 130).empty());
  CairoScreen t;
  t.SetSize(16);
  t.Text(100, 100, 3, 3, 0, "8ﾀ8");  // three 24-wide cells
  EXPECT_TRUE(InkBox(t, 173, 90, 260, 160).empty());
  EXPECT_FALSE(InkBox(t, 148, 90, 172, 160).empty());
}

// Text paints only its glyphs: the box behind keeps its colour around them.
TEST(Raster, TextPaintsOnlyGlyphs) {
  CairoScreen s;
  s.Box(90, 90, 400, 160, 4, 4);
  s.SetSize(16);
  s.Text(100, 100, 1, 1, 9, "何かキーを押して下さい");
  EXPECT_EQ(s.PixelAt(95, 95), PaletteRgb(4));
  EXPECT_EQ(s.PixelAt(300, 150), PaletteRgb(4));
  EXPECT_GT(16 * 180 - CountColour(s, 100, 100, 280, 116, 4), 300);
  EXPECT_GT(CountColour(s, 100, 100, 280, 116, 9), 20);
}

// The baseline is the same for the Gothic digits, the italic Times letters
// set 22 above them at 8 points (10, 7) and the script ell (6, 3) beside
// them, as the math text draws them.
TEST(Raster, FacesShareTheBaseline) {
  auto bottom = [](const char* face, float size, float m1, float m2, float dy, const char* t) {
    CairoScreen s;
    s.SetFace(face);
    s.SetSize(size);
    s.SetBold(true);
    s.SetItalic(std::string(face) == "Times New Roman");
    s.Text(200, 200 + dy, m1, m2, 0, t);
    return InkBox(s, 100, 100, 400, 400);
  };
  const Box digit = bottom("ゴシック", 16, 3, 3, 0, "1");
  const Box x = bottom("Times New Roman", 8, 10, 7, -22, "x");
  const Box ell = bottom("MT Extra", 16, 6, 3, 0, "l");
  ASSERT_FALSE(digit.empty());
  ASSERT_FALSE(x.empty());
  ASSERT_FALSE(ell.empty());
  EXPECT_NEAR(x.y2, digit.y2, 3);
  EXPECT_NEAR(ell.y2, digit.y2, 3);
  // The letters fit between their offset and the advance of their row:
  // 23 units for the italic letter (from x + 4 to x + 27), 32 for the ell.
  EXPECT_GE(x.x1, 199);
  EXPECT_LE(x.x2, 200 + 23);
  EXPECT_LE(ell.x2, 200 + 32);
  // An ell, not the Gothic letter l: taller than wide, with a loop.
  const Box gothicL = bottom("ゴシック", 16, 6, 3, 0, "l");
  EXPECT_NE(ell.w(), gothicL.w());
}

TEST(Raster, FractionalFontSizeIsAccepted) {
  CairoScreen s;
  s.SetSize(20.8f);
  EXPECT_FLOAT_EQ(s.State().size, 20.8f);
  s.Text(100, 100, 1, 1, 0, "あ");
  const Box b = InkBox(s, 0, 0, 300, 300);
  ASSERT_FALSE(b.empty());
  EXPECT_LE(b.x2, 100 + 20.8f);
  EXPECT_GT(b.w(), 12);
}

// WCAG contrast ratio of two palette colours.
double Contrast(int a, int b) {
  auto lum = [](uint32_t c) {
    auto ch = [](uint32_t v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * ch((c >> 16) & 0xff) + 0.7152 * ch((c >> 8) & 0xff) + 0.0722 * ch(c & 0xff);
  };
  const double la = lum(PaletteRgb(a)), lb = lum(PaletteRgb(b));
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Raster, PaletteReadsWellInThePairsTheLessonsUse) {
  struct Pair {
    int text, ground;
  } pairs[] = {{13, 10}, {15, 10}, {9, 4}, {9, 12}, {0, 13}, {5, 13}, {9, 13},
               {13, 3},  {0, 15},  {3, 15}, {5, 15}, {7, 15}, {9, 15}};
  for (const Pair& p : pairs)
    EXPECT_GE(Contrast(p.text, p.ground), 4.5) << p.text << " on " << p.ground;
  // Sixteen different colours.
  for (int a = 0; a < 16; ++a)
    for (int b = a + 1; b < 16; ++b) EXPECT_NE(PaletteRgb(a), PaletteRgb(b)) << a << " " << b;
}

TEST(Raster, DirtyAreaCoversWhatChanged) {
  CairoScreen s;
  CairoScreen::Rect r;
  ASSERT_TRUE(s.TakeDirty(r));  // the first clear
  EXPECT_FALSE(s.TakeDirty(r));
  s.SetPenWidth(3);
  s.Line(100, 200, 150, 210, 0);
  ASSERT_TRUE(s.TakeDirty(r));
  EXPECT_LE(r.x, 98);
  EXPECT_LE(r.y, 198);
  EXPECT_GE(r.x + r.w, 153);
  EXPECT_GE(r.y + r.h, 213);
  EXPECT_LT(r.w, 80);
  s.Text(0, 1800, 3, 3, 0, "x");  // out of sight changes nothing
  EXPECT_FALSE(s.TakeDirty(r));
}

TEST(Raster, ScaledCanvas) {
  CairoScreen s(2.0);
  EXPECT_EQ(s.pixelWidth(), 2720);
  EXPECT_EQ(s.pixelHeight(), 1530);
  s.Box(100, 100, 200, 150, 3, 3);
  EXPECT_EQ(s.PixelAt(150, 125), PaletteRgb(3));
  EXPECT_EQ(s.PixelAt(250, 125), PaletteRgb(15));
}

TEST(Raster, WritesPng) {
  CairoScreen s;
  const std::string path = TestOutputPath("raster_write.png");
  EXPECT_TRUE(s.WritePng(path));
  EXPECT_FALSE(s.WritePng("/nonexistent-dir/x.png"));
}

}  // namespace
}  // namespace lesson
