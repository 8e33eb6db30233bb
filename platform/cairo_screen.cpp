#include "platform/cairo_screen.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include "platform/text_number.h"

namespace lesson {

namespace {

// Chosen so that every pair the lessons use reads well: 13 and 15 on 10
// (menu panel), 9 on 4 and on 12 (key-wait and next-step boxes), 0 and 5 on
// 13 (fill-in boxes), 13 on 3 (badges), 0, 3, 5, 7 and 9 on 15 (the page;
// colour 9 also draws graphs and their labels there). Colour 9 is therefore
// a deep green, and the two prompt boxes behind it light tints.
constexpr uint32_t kPalette[16] = {
    0x000000,  //  0 black: plain text and axes
    0x3A7BD5,  //  1 blue: bold grid lines
    0xA0522D,  //  2 brown
    0xC62828,  //  3 red: emphasis, badges
    0x8ED99C,  //  4 mint: key-wait box
    0x1040C8,  //  5 blue: answers, typed digits
    0xE08A00,  //  6 orange
    0x7030A0,  //  7 purple: headings
    0x808080,  //  8 grey
    0x0E5A2A,  //  9 deep green: text of the prompt boxes, graphs, balls
    0x1A3F7A,  // 10 navy: menu panel
    0x00A0B0,  // 11 teal
    0xF6B8CC,  // 12 rose: next-step box
    0xFFE9A8,  // 13 cream: menu items, fill-in boxes, badge text
    0x4CAF50,  // 14 green: thick grid lines
    0xFFFFFF,  // 15 white: the page
};

// Far beyond the canvas but small enough for Cairo's fixed-point numbers.
constexpr double kCoordLimit = 100000;
// Discs up to this radius in pixels come from stamps.
constexpr double kStampMaxRadius = 16;
// Stamped discs are centred on a grid of 1/kStampGrid pixel.
constexpr int kStampGrid = 16;
// The scratch surface holds the largest stamp with a margin.
constexpr int kScratchSize = 2 * (static_cast<int>(kStampMaxRadius) + 3) + 1;
// Stamps kept at most (a few hundred per radius in use); beyond, the cache
// starts afresh.
constexpr size_t kMaxStamps = 8192;

bool Usable(double v) { return std::isfinite(v); }
double Clamp(double v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

// How a face name of the lessons is drawn: the font family, the em relative
// to the Gothic cell (across, down), where the baseline lies in the cell
// (negative: the Gothic font's own ascent) and, for the narrow faces, the
// share of the half-width cell that the ink may take.
struct FaceLayout {
  const char* family;
  double emAcross, emDown, baseline, inkShare;
  bool cells;  // the Gothic rule: each character centred in its own cell
};

const FaceLayout& LayoutFor(const std::string& face) {
  static const FaceLayout gothic{"IPAGothic", 1.0, 1.0, -1, 0, true};
  // The italic letters' baseline: the line of the Gothic digits beside them
  // lies 1.104 cells down in the line rows (size 8, factors 10 and 7, drawn
  // 22 above the line's top) and 1.063 in the fraction rows (factors 12 and 5, 16
  // above the part's top); 1.084 keeps both (round letters with their overshoot)
  // within about a unit of it. The ink share leaves the letter a gap of about
  // two units before its advance, so that a sign after it (x×3) stands apart.
  static const FaceLayout times{"Liberation Serif", 0.7, 1.07, 1.084, 0.525, false};
  static const FaceLayout ell{"Liberation Serif", 0.625, 1.05, -1, 0.62, false};
  if (face == "Times New Roman") return times;
  if (face == "MT Extra") return ell;
  return gothic;  // "ｺﾞｼｯｸ", "ゴシック" and any other name
}

// Font faces looked up through fontconfig by family, weight and slant; kept
// for the life of the process.
cairo_font_face_t* FontFace(const char* family, bool bold, bool italic) {
  static std::map<std::tuple<std::string, bool, bool>, cairo_font_face_t*> cache;
  auto key = std::make_tuple(std::string(family), bold, italic);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  FcPattern* pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pat, &result);
  FcPatternDestroy(pat);
  cairo_font_face_t* face = nullptr;
  if (match) {
    face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);  // the face holds its own reference
  } else {
    face = cairo_toy_font_face_create(family, italic ? CAIRO_FONT_SLANT_ITALIC
                                                     : CAIRO_FONT_SLANT_NORMAL,
                                      bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  }
  cache[key] = face;
  return face;
}

cairo_font_options_t* GlyphOptions() {
  static cairo_font_options_t* opts = [] {
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    return o;
  }();
  return opts;
}

// The Gothic font's ascent as a share of its height: where the baseline lies
// in a cell.
double GothicAscent(cairo_t* cr) {
  static double ascent = -1;
  if (ascent < 0) {
    cairo_save(cr);
    cairo_set_font_face(cr, FontFace("IPAGothic", false, false));
    cairo_set_font_size(cr, 100);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_restore(cr);
    const double h = fe.ascent + fe.descent;
    ascent = (h > 0 && std::isfinite(h)) ? fe.ascent / h : 0.88;
  }
  return ascent;
}

// How far the Gothic font's digits (and letters) stand above its baseline, as
// a share of its height: IPAGothic lifts them by about 0.05, while its full
// stop and comma sit on the baseline itself. The line that the digits stand
// on is where the other faces and the full stop belong.
double GothicDigitRaise(cairo_t* cr) {
  static double raise = -1;
  if (raise < 0) {
    cairo_save(cr);
    cairo_set_font_face(cr, FontFace("IPAGothic", false, false));
    cairo_set_font_size(cr, 100);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_text_extents_t te;
    cairo_text_extents(cr, "2", &te);
    cairo_restore(cr);
    const double h = fe.ascent + fe.descent;
    const double bottom = te.y_bearing + te.height;  // below the baseline when positive
    raise = (h > 0 && std::isfinite(h) && bottom < 0) ? -bottom / h : 0;
  }
  return raise;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps a few blocks of its set-up until the process ends; the
// leak checker of the sanitizer build is told to overlook them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

uint32_t PaletteRgb(int colour) { return kPalette[std::clamp(colour, 0, 15)]; }

CairoScreen::CairoScreen(double scale) : scale_(scale > 0 ? scale : 1.0) {
  width_ = static_cast<int>(std::ceil(kCanvasWidth * scale_));
  height_ = static_cast<int>(std::ceil(kCanvasHeight * scale_));
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  cr_ = nullptr;
  EnsureUsable();
  Clear();
}

CairoScreen::~CairoScreen() {
  if (scratchCr_) cairo_destroy(scratchCr_);
  if (scratch_) cairo_surface_destroy(scratch_);
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

// A context in a failed state draws nothing more: start a fresh one on the
// same surface whenever that happens.
void CairoScreen::EnsureUsable() {
  if (cr_ && cairo_status(cr_) == CAIRO_STATUS_SUCCESS) return;
  if (cr_) cairo_destroy(cr_);
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, scale_, scale_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_font_options(cr_, GlyphOptions());
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
}

void CairoScreen::SetColour(int colour) {
  const uint32_t c = PaletteRgb(colour);
  cairo_set_source_rgb(cr_, ((c >> 16) & 0xff) / 255.0, ((c >> 8) & 0xff) / 255.0,
                       (c & 0xff) / 255.0);
}

void CairoScreen::Touch(double x1, double y1, double x2, double y2, double margin) {
  double a = std::min(x1, x2) - margin, b = std::min(y1, y2) - margin;
  double c = std::max(x1, x2) + margin, d = std::max(y1, y2) + margin;
  if (!dirty_) {
    dx1_ = a, dy1_ = b, dx2_ = c, dy2_ = d;
    dirty_ = true;
  } else {
    dx1_ = std::min(dx1_, a), dy1_ = std::min(dy1_, b);
    dx2_ = std::max(dx2_, c), dy2_ = std::max(dy2_, d);
  }
}

bool CairoScreen::TakeDirty(Rect& r) {
  if (!dirty_) return false;
  dirty_ = false;
  const int x1 = std::clamp(static_cast<int>(std::floor(dx1_ * scale_)), 0, width_);
  const int y1 = std::clamp(static_cast<int>(std::floor(dy1_ * scale_)), 0, height_);
  const int x2 = std::clamp(static_cast<int>(std::ceil(dx2_ * scale_)), 0, width_);
  const int y2 = std::clamp(static_cast<int>(std::ceil(dy2_ * scale_)), 0, height_);
  if (x2 <= x1 || y2 <= y1) return false;
  r = {x1, y1, x2 - x1, y2 - y1};
  return true;
}

void CairoScreen::Sync() {
  if (!rawWrites_) return;
  cairo_surface_mark_dirty(surface_);
  rawWrites_ = false;
}

size_t CairoScreen::StampKeyHash::operator()(const StampKey& k) const {
  return std::hash<double>()(k.radius) ^ (static_cast<size_t>(k.qx) << 20) ^
         (static_cast<size_t>(k.qy) << 26);
}

// Renders the disc on the scratch surface, its centre's whole pixel at
// (reach, reach), and keeps the runs of covered pixels.
const std::vector<CairoScreen::StampRun>& CairoScreen::StampFor(const StampKey& key, int reach) {
  auto it = stamps_.find(key);
  if (it != stamps_.end()) return it->second;
  if (stamps_.size() >= kMaxStamps) stamps_.clear();
  if (!scratch_) {
    scratch_ = cairo_image_surface_create(CAIRO_FORMAT_A8, kScratchSize, kScratchSize);
    scratchCr_ = cairo_create(scratch_);
    cairo_set_antialias(scratchCr_, CAIRO_ANTIALIAS_NONE);
  }
  cairo_set_operator(scratchCr_, CAIRO_OPERATOR_CLEAR);
  cairo_paint(scratchCr_);
  cairo_set_operator(scratchCr_, CAIRO_OPERATOR_OVER);
  cairo_set_source_rgb(scratchCr_, 0, 0, 0);
  cairo_new_path(scratchCr_);
  cairo_arc(scratchCr_, reach + static_cast<double>(key.qx) / kStampGrid,
            reach + static_cast<double>(key.qy) / kStampGrid, key.radius, 0, 2 * M_PI);
  cairo_fill(scratchCr_);
  cairo_surface_flush(scratch_);
  const unsigned char* data = cairo_image_surface_get_data(scratch_);
  const int stride = cairo_image_surface_get_stride(scratch_);
  std::vector<StampRun> runs;
  for (int y = 0; y <= 2 * reach; ++y) {
    const unsigned char* row = data + y * stride;
    for (int x = 0; x <= 2 * reach; ++x) {
      if (!row[x]) continue;
      int end = x;
      while (end <= 2 * reach && row[end]) ++end;
      runs.push_back({y - reach, x - reach, end - reach});
      x = end;
    }
  }
  return stamps_.emplace(key, std::move(runs)).first->second;
}

void CairoScreen::FillDisc(double px, double py, double prad, int colour) {
  Sync();
  EnsureUsable();
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_new_path(cr_);
  cairo_arc(cr_, px, py, prad, 0, 2 * M_PI);
  SetColour(colour);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

// A disc small enough for a stamp is centred on the 1/16-pixel grid, drawn
// from its stamp when the stamp lies wholly on the canvas and filled by
// Cairo otherwise (the same pixels either way); a larger one is filled by
// Cairo where it is.
void CairoScreen::Disc(double x, double y, double rad, int colour) {
  const double prad = rad * scale_;
  if (!(prad <= kStampMaxRadius)) {
    FillDisc(x * scale_, y * scale_, prad, colour);
    return;
  }
  const double sx = std::round(x * scale_ * kStampGrid) / kStampGrid;
  const double sy = std::round(y * scale_ * kStampGrid) / kStampGrid;
  const double wx = std::floor(sx), wy = std::floor(sy);
  const int reach = static_cast<int>(std::ceil(prad)) + 2;
  if (!stamping_ || wx - reach < 0 || wy - reach < 0 || wx + reach >= width_ ||
      wy + reach >= height_) {
    FillDisc(sx, sy, prad, colour);
    return;
  }
  const StampKey key{prad, static_cast<int>((sx - wx) * kStampGrid),
                     static_cast<int>((sy - wy) * kStampGrid)};
  const std::vector<StampRun>& runs = StampFor(key, reach);
  if (!rawWrites_) {
    cairo_surface_flush(surface_);
    rawWrites_ = true;
  }
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const int cx = static_cast<int>(wx), cy = static_cast<int>(wy);
  const uint32_t pixel = 0xff000000u | PaletteRgb(colour);
  for (const StampRun& run : runs) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(cy + run.dy) * stride);
    std::fill(row + cx + run.x0, row + cx + run.x1, pixel);
  }
}

// The pixels Cairo fills for the rectangle (x, y, w, h) without
// anti-aliasing, written directly: Cairo takes the near corner and the size
// to 24.8 fixed point (the far corner is their sum) and fills each pixel
// whose centre lies inside, the left and top edges included. Its general
// filling path is several times slower on the large clearing boxes.
void CairoScreen::FillBoxPixels(double x, double y, double w, double h, int colour) {
  auto fixed = [](double v) { return std::nearbyint(v * 256.0); };
  const double fx0 = fixed(x * scale_), fy0 = fixed(y * scale_);
  const double fx1 = fx0 + fixed(w * scale_), fy1 = fy0 + fixed(h * scale_);
  auto firstPixel = [](double f, int limit) {
    return static_cast<int>(std::clamp(std::ceil((f - 128) / 256), 0.0, static_cast<double>(limit)));
  };
  const int x0 = firstPixel(fx0, width_), x1 = firstPixel(fx1, width_);
  const int y0 = firstPixel(fy0, height_), y1 = firstPixel(fy1, height_);
  if (x1 <= x0 || y1 <= y0) return;
  if (!rawWrites_) {
    cairo_surface_flush(surface_);
    rawWrites_ = true;
  }
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint32_t pixel = 0xff000000u | PaletteRgb(colour);
  for (int row = y0; row < y1; ++row) {
    uint32_t* p = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(row) * stride);
    std::fill(p + x0, p + x1, pixel);
  }
}

// Window position (x, y) names the pixel whose top-left corner it is;
// strokes run through pixel centres.
void CairoScreen::Line(float x1, float y1, float x2, float y2, int colour) {
  if (!Usable(x1) || !Usable(y1) || !Usable(x2) || !Usable(y2)) return;
  Sync();
  EnsureUsable();
  const double pen = PenWidth();
  cairo_new_path(cr_);
  cairo_move_to(cr_, Clamp(x1) + 0.5, Clamp(y1) + 0.5);
  cairo_line_to(cr_, Clamp(x2) + 0.5, Clamp(y2) + 0.5);
  cairo_set_line_width(cr_, pen);
  SetColour(colour);
  cairo_stroke(cr_);
  Touch(Clamp(x1), Clamp(y1), Clamp(x2), Clamp(y2), pen + 2);
}

void CairoScreen::Box(float x1, float y1, float x2, float y2, int border, int fill) {
  if (!Usable(x1) || !Usable(y1) || !Usable(x2) || !Usable(y2)) return;
  Sync();
  EnsureUsable();
  const double l = Clamp(std::min(x1, x2)), t = Clamp(std::min(y1, y2));
  const double r = Clamp(std::max(x1, x2)), b = Clamp(std::max(y1, y2));
  const double pen = PenWidth();
  cairo_new_path(cr_);
  if (stamping_) {
    FillBoxPixels(l, t, r - l + 1, b - t + 1, fill);
    Sync();
  } else {
    cairo_rectangle(cr_, l, t, r - l + 1, b - t + 1);
    SetColour(fill);
    cairo_fill(cr_);
  }
  cairo_save(cr_);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  cairo_rectangle(cr_, l + 0.5, t + 0.5, r - l, b - t);
  cairo_set_line_width(cr_, pen);
  SetColour(border);
  cairo_stroke(cr_);
  cairo_restore(cr_);
  Touch(l, t, r + 1, b + 1, pen + 2);
}

void CairoScreen::Circle(float cx, float cy, float r, int colour, float start, float end,
                         bool filled, int fill) {
  if (!Usable(cx) || !Usable(cy) || !Usable(r) || !Usable(start) || !Usable(end)) return;
  const double x = Clamp(cx) + 0.5, y = Clamp(cy) + 0.5;
  const double rad = std::min(std::fabs(static_cast<double>(r)), kCoordLimit);
  const double pen = PenWidth();
  const bool whole = start == end;
  Touch(x - rad, y - rad, x + rad, y + rad, pen + 2);

  // A whole filled circle is its outline and its interior: a disc out to the
  // outer edge of the pen in the outline colour, and the part inside the
  // pen's inner edge in the fill colour. Stroking a circle narrower than the
  // pen would leave a hole in the middle; this shape has none. An outline
  // whose pen covers the centre is a solid disc too.
  if (whole && (filled || rad <= pen / 2)) {
    Disc(x, y, rad + pen / 2, colour);
    if (filled && fill != colour && rad > pen / 2) Disc(x, y, rad - pen / 2, fill);
    return;
  }

  Sync();
  EnsureUsable();
  // Fractions of a turn grow clockwise on the screen from 3 o'clock, which
  // is Cairo's positive direction (y grows downward); an arc runs from start
  // as the fraction grows, past 1 to 0.
  double fs = std::fmod(static_cast<double>(start), 1.0);
  if (fs < 0) fs += 1;
  double sweep = std::fmod(static_cast<double>(end) - start, 1.0);
  if (sweep <= 0) sweep += 1;
  const double a0 = 2 * M_PI * fs;
  const double a1 = whole ? a0 + 2 * M_PI : a0 + 2 * M_PI * sweep;
  cairo_new_path(cr_);
  cairo_set_line_width(cr_, pen);
  if (filled) {
    // A sector: the arc and the two radii, outlined.
    cairo_move_to(cr_, x, y);
    cairo_arc(cr_, x, y, rad, a0, a1);
    cairo_close_path(cr_);
    SetColour(fill);
    cairo_fill_preserve(cr_);
  } else {
    cairo_arc(cr_, x, y, rad, a0, a1);
  }
  SetColour(colour);
  cairo_stroke(cr_);
  // A circle smaller than a pixel still shows as its centre pixel.
  if (rad * scale_ < 1) {
    SetColour(filled ? fill : colour);
    cairo_rectangle(cr_, x - 0.5, y - 0.5, 1, 1);
    cairo_fill(cr_);
  }
}

void CairoScreen::Polyline(const std::vector<Point>& pts, int colour, bool filled, int fill) {
  if (pts.empty()) return;
  for (const Point& p : pts)
    if (!Usable(p.x) || !Usable(p.y)) return;
  Sync();
  EnsureUsable();
  const double pen = PenWidth();
  auto path = [&] {
    cairo_new_path(cr_);
    double minx = kCoordLimit, miny = kCoordLimit, maxx = -kCoordLimit, maxy = -kCoordLimit;
    for (size_t i = 0; i < pts.size(); ++i) {
      const double x = Clamp(pts[i].x) + 0.5, y = Clamp(pts[i].y) + 0.5;
      if (i == 0) cairo_move_to(cr_, x, y);
      else cairo_line_to(cr_, x, y);
      minx = std::min(minx, x), miny = std::min(miny, y);
      maxx = std::max(maxx, x), maxy = std::max(maxy, y);
    }
    Touch(minx, miny, maxx, maxy, pen + 2);
  };
  if (filled) {
    path();
    cairo_close_path(cr_);
    SetColour(fill);
    cairo_fill(cr_);
  }
  // The outline stays open: the operation never closes it by itself.
  path();
  if (pts.size() == 1) cairo_line_to(cr_, Clamp(pts[0].x) + 0.5, Clamp(pts[0].y) + 0.5);
  cairo_set_line_width(cr_, pen);
  SetColour(colour);
  cairo_stroke(cr_);
}

void CairoScreen::Text(float x, float y, float m1, float m2, int colour,
                       const std::string& text) {
  const double s = state_.size;
  if (!Usable(x) || !Usable(y) || !(s > 0) || !(m1 > 0) || !(m2 > 0) || !Usable(s * m1) ||
      !Usable(s * m2) || text.empty())
    return;
  const double cellH = s * m2;
  const double fullW = s * m1;
  const std::vector<std::string> chars = Chars(GlyphText(state_.face, text));
  // Nothing of it can show: skip the work (texts measured at y 1800).
  if (y - cellH > kCanvasHeight || y + 2 * cellH < 0 || x - fullW > kCanvasWidth ||
      x + (chars.size() + 1.0) * fullW < 0)
    return;
  Sync();
  EnsureUsable();
  const FaceLayout& lay = LayoutFor(state_.face);
  // The Gothic glyphs stand on their font's baseline; the script ell stands on
  // the line of the Gothic digits beside it.
  const double digitLine = GothicAscent(cr_) - GothicDigitRaise(cr_);
  const double baseline =
      y + (lay.baseline < 0 ? (lay.cells ? GothicAscent(cr_) : digitLine) : lay.baseline) * cellH;
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_face(cr_, FontFace(lay.family, state_.bold, state_.italic));
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, lay.emAcross * fullW, lay.emDown * cellH);
  cairo_set_font_matrix(cr_, &m);
  SetColour(colour);
  double penX = x;
  for (const std::string& ch : chars) {
    cairo_text_extents_t te;
    cairo_text_extents(cr_, ch.c_str(), &te);
    if (lay.cells) {
      const double cellW = IsHalfWidth(ch) ? fullW / 2 : fullW;
      // The full stop and comma are lifted onto the digits' line.
      const bool stop = ch == "." || ch == ",";
      const double lift = stop ? GothicDigitRaise(cr_) * lay.emDown * cellH : 0;
      if (stop && chars.size() == 1) {
        // Drawn alone, as the formula renderers set a decimal point (3 left
        // of the pen, advancing 8): kept round (a cell stretched across more
        // than down would flatten the dot), with its ink centred a quarter
        // into the cell, where the gap between the digits around it lies.
        const double across = std::min(1.0, cellH / fullW);
        cairo_save(cr_);
        cairo_translate(cr_, penX + cellW / 4, baseline - lift);
        cairo_scale(cr_, across, 1);
        cairo_move_to(cr_, -(te.x_bearing + te.width / 2), 0);
        cairo_show_text(cr_, ch.c_str());
        cairo_restore(cr_);
      } else {
        cairo_move_to(cr_, penX + (cellW - te.x_advance) / 2, baseline - lift);
        cairo_show_text(cr_, ch.c_str());
      }
      penX += cellW;
    } else {
      // Narrow faces: the ink starts at the pen and is squeezed across when
      // it is wider than its share of the half-width cell. A letter drawn
      // alone (the italic letters and the script ell of the math text) and
      // narrower than its share stands in the middle of it, so that it keeps
      // even gaps to its neighbours.
      const double maxInk = lay.inkShare * fullW / 2;
      double squeeze = 1;
      if (te.width > maxInk && te.width > 0) squeeze = maxInk / te.width;
      const double centre =
          chars.size() == 1 ? std::max(0.0, (maxInk - te.width * squeeze) / 2) : 0;
      cairo_save(cr_);
      cairo_translate(cr_, penX + centre, baseline);
      cairo_scale(cr_, squeeze, 1);
      cairo_move_to(cr_, -te.x_bearing, 0);
      cairo_show_text(cr_, ch.c_str());
      cairo_restore(cr_);
      penX += te.x_advance * squeeze;
    }
  }
  cairo_restore(cr_);
  Touch(x, y, penX, y + cellH, cellH * 0.5 + fullW * 0.5 + 2);
}

void CairoScreen::Clear() {
  Sync();
  EnsureUsable();
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_rectangle(cr_, 0, 0, width_, height_);
  SetColour(15);
  cairo_fill(cr_);
  cairo_restore(cr_);
  Touch(0, 0, kCanvasWidth, kCanvasHeight, 1);
}

cairo_surface_t* CairoScreen::surface() {
  Sync();
  cairo_surface_flush(surface_);
  return surface_;
}

uint32_t CairoScreen::PixelAt(float x, float y) {
  Sync();
  cairo_surface_flush(surface_);
  const int px = static_cast<int>(std::floor(x * scale_));
  const int py = static_cast<int>(std::floor(y * scale_));
  if (px < 0 || py < 0 || px >= width_ || py >= height_) return 0;
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  uint32_t v;
  std::memcpy(&v, data + py * stride + px * 4, 4);
  return v & 0xffffff;
}

bool CairoScreen::WritePng(const std::string& path) {
  Sync();
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace lesson
