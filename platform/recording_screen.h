// A screen that logs every call with the full state in force and forwards it
// to another screen (or to none). Tests assert on the log; the replay tool
// writes it as JSON Lines.
#pragma once
#include <string>
#include <vector>
#include "platform/screen.h"

namespace lesson {

struct RecordedOp {
  // "text", "line", "box", "circle", "polyline", "clear",
  // "wait", "key", "end", "fault"
  std::string op;
  float x = 0, y = 0;                    // text position; circle centre
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends; box corners (absolute)
  float r = 0, start = 0, end = 0;       // circle
  float m1 = 0, m2 = 0, size = 0;        // text size factors and font size
  int colour = 0, border = 0, fill = 0;
  int pen = 0;                           // pen width in force
  int ticks = 0, step = 0, code = 0;     // wait; fault
  bool filled = false, bold = false, italic = false;
  std::string text, face, key;
  std::vector<Point> points;             // polyline
};

// One JSON object (no trailing newline) for the op, numbers unrounded.
std::string ToJsonLine(const RecordedOp& op);

class RecordingScreen : public Screen {
 public:
  explicit RecordingScreen(Screen* inner = nullptr) : inner_(inner) {}

  void SetFace(const std::string& face) override;
  void SetSize(float size) override;
  void SetBold(bool on) override;
  void SetItalic(bool on) override;
  void SetPenWidth(int w) override;

  void Line(float x1, float y1, float x2, float y2, int colour) override;
  void Box(float x1, float y1, float x2, float y2, int border, int fill) override;
  void Circle(float cx, float cy, float r, int colour, float start, float end, bool filled,
              int fill) override;
  void Polyline(const std::vector<Point>& pts, int colour, bool filled, int fill) override;
  void Text(float x, float y, float m1, float m2, int colour, const std::string& text) override;
  void Clear() override;

  // Non-drawing events (wait, key, end, fault) noted by the runtime.
  void Note(const RecordedOp& op) { ops_.push_back(op); }
  const std::vector<RecordedOp>& ops() const { return ops_; }
  void ClearLog() { ops_.clear(); }
  Screen* inner() { return inner_; }

 private:
  Screen* inner_;
  std::vector<RecordedOp> ops_;
};

}  // namespace lesson
