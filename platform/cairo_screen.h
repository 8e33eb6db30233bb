// The raster: draws on a Cairo image surface of the 1360x765 canvas at a
// given number of pixels per window unit. Shapes are drawn without
// anti-aliasing, so that drawing a shape again in colour 15 erases it without
// a trace; glyphs get grey-scale anti-aliasing.
//
// Small solid discs (graph dots, point marks, the entry cursor) are centred
// on a grid of 1/16 pixel and copied from stamps: each stamp is Cairo's own
// fill of that disc at that sub-pixel offset, rendered once on a scratch
// surface and kept, so a stamped disc has exactly the pixels that filling it
// on the canvas gives, at a small part of the cost (a function graph draws
// thousands of them).
//
// Glyph scaling: at font size s a half-width character's cell is s/2 wide and
// s high, a full-width one s by s; the text operation stretches the cell m1
// times across and m2 times down and puts the first cell's top-left at
// (x, y). The Gothic faces fill their cells; the Times letters and the script
// ell (face "MT Extra") are narrower, set on the baseline the Gothic glyphs
// would have in the same cell.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>
#include "platform/screen.h"

namespace lesson {

// The 16 colours as 0xRRGGBB.
uint32_t PaletteRgb(int colour);

class CairoScreen : public Screen {
 public:
  // scale: pixels per window unit (1 for the replay tool and the tests).
  explicit CairoScreen(double scale = 1.0);
  ~CairoScreen() override;
  CairoScreen(const CairoScreen&) = delete;
  CairoScreen& operator=(const CairoScreen&) = delete;

  void Line(float x1, float y1, float x2, float y2, int colour) override;
  void Box(float x1, float y1, float x2, float y2, int border, int fill) override;
  void Circle(float cx, float cy, float r, int colour, float start, float end, bool filled,
              int fill) override;
  void Polyline(const std::vector<Point>& pts, int colour, bool filled, int fill) override;
  void Text(float x, float y, float m1, float m2, int colour, const std::string& text) override;
  void Clear() override;

  // Small discs from stamps and box interiors written directly (the
  // default), or each filled by Cairo on the canvas (the tests compare the
  // two).
  void SetStamping(bool on) { stamping_ = on; }

  double scale() const { return scale_; }
  int pixelWidth() const { return width_; }
  int pixelHeight() const { return height_; }
  // The surface (CAIRO_FORMAT_RGB24), with everything drawn so far.
  cairo_surface_t* surface();
  // 0xRRGGBB of the pixel under window position (x, y).
  uint32_t PixelAt(float x, float y);
  // Writes the picture as PNG; false when it could not.
  bool WritePng(const std::string& path);

  // The pixel rectangle changed since the last call (false: nothing changed).
  struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
  };
  bool TakeDirty(Rect& r);
  // Whether anything was drawn since the last TakeDirty.
  bool dirty() const { return dirty_; }

 private:
  void Touch(double x1, double y1, double x2, double y2, double margin);
  void SetColour(int colour);
  void EnsureUsable();
  // Tells Cairo about pixels written past it (stamps) before it draws or
  // reads the surface again.
  void Sync();
  // A solid disc in colour; centre and radius in window units.
  void Disc(double x, double y, double rad, int colour);
  // The same disc filled by Cairo on the canvas; centre and radius in pixels.
  void FillDisc(double px, double py, double prad, int colour);
  // The interior of a box, in window units, written into the pixels.
  void FillBoxPixels(double x, double y, double w, double h, int colour);

  // A stamp: the pixel runs of one disc, row by row, relative to the whole
  // pixel of its centre.
  struct StampRun {
    int dy, x0, x1;  // pixels x0 <= x < x1 of row dy
  };
  struct StampKey {
    double radius;  // in pixels
    int qx, qy;     // sub-pixel offset in sixteenths
    bool operator==(const StampKey&) const = default;
  };
  struct StampKeyHash {
    size_t operator()(const StampKey& k) const;
  };
  const std::vector<StampRun>& StampFor(const StampKey& key, int reach);

  bool stamping_ = true;
  bool rawWrites_ = false;  // stamps written since Cairo last saw the surface
  std::unordered_map<StampKey, std::vector<StampRun>, StampKeyHash> stamps_;
  cairo_surface_t* scratch_ = nullptr;  // where stamps are rendered (A8)
  cairo_t* scratchCr_ = nullptr;

  double scale_;
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  bool dirty_ = false;
  double dx1_ = 0, dy1_ = 0, dx2_ = 0, dy2_ = 0;  // dirty area in window units
};

}  // namespace lesson
