// The one interface the engine draws through. Positions are window units
// (one unit a pixel of the 1360x765 canvas, origin top-left, y down); colours
// are palette indices 0..15, 15 the background.
#pragma once
#include <string>
#include <vector>

namespace lesson {

constexpr int kCanvasWidth = 1360;
constexpr int kCanvasHeight = 765;

struct Point {
  float x;
  float y;
};

// Face, size, bold, italic and pen width: five separate settings, each held
// until set again.
struct PenFont {
  std::string face = "ｺﾞｼｯｸ";
  float size = 16;
  bool bold = false;
  bool italic = false;
  int pen = 1;
};

// The text a text operation really shows: the face "MT Extra" stands for a
// face with a script ell, so each "l" in it is the letter U+2113.
inline std::string GlyphText(const std::string& face, const std::string& text) {
  if (face != "MT Extra") return text;
  std::string out;
  for (char c : text) {
    if (c == 'l') out += "\xE2\x84\x93";
    else out += c;
  }
  return out;
}

class Screen {
 public:
  virtual ~Screen() = default;

  // --- settings (the base keeps them; implementations may also react) ---
  virtual void SetFace(const std::string& face) { state_.face = face; }
  virtual void SetSize(float size) { state_.size = size; }
  virtual void SetBold(bool on) { state_.bold = on; }
  virtual void SetItalic(bool on) { state_.italic = on; }
  // Whole pixels 1..10; values outside are clamped.
  virtual void SetPenWidth(int w) { state_.pen = w < 1 ? 1 : (w > 10 ? 10 : w); }
  int PenWidth() const { return state_.pen; }
  const PenFont& State() const { return state_; }

  // --- drawing ---
  // A segment in the pen width.
  virtual void Line(float x1, float y1, float x2, float y2, int colour) = 0;
  // A rectangle between two corners: border in the pen width, interior filled.
  virtual void Box(float x1, float y1, float x2, float y2, int border, int fill) = 0;
  // Circle, or arc from start to end: fractions of a turn counted clockwise
  // on the screen from the direction straight to the right (0.25 straight
  // down, 0.5 left, 0.75 straight up); the arc runs clockwise from start to
  // end, wrapping past 1 to 0 (0.75 to 0.25 is the right half); start equal
  // to end gives the whole circle. filled: a disc or sector in fill with an
  // outline in colour. A whole circle whose radius is at most half the pen
  // is a solid disc, filled or not.
  virtual void Circle(float cx, float cy, float r, int colour, float start, float end,
                      bool filled, int fill) = 0;
  // Open polyline through the points; filled: the polygon they close, in fill,
  // outlined in colour.
  virtual void Polyline(const std::vector<Point>& pts, int colour, bool filled, int fill) = 0;
  // Text in the current font, the first character's cell top-left at (x, y),
  // cells stretched m1 across and m2 down; paints only the glyphs.
  virtual void Text(float x, float y, float m1, float m2, int colour, const std::string& text) = 0;
  // Wipes the picture to colour 15.
  virtual void Clear() = 0;

 protected:
  PenFont state_;
};

}  // namespace lesson
