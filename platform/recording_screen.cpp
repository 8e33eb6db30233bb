#include "platform/recording_screen.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lesson {

namespace {

// Shortest text that reads back as the same single; JSON has no infinity or
// NaN, so those become null.
void AppendNumber(std::string& out, float v) {
  if (!std::isfinite(v)) {
    out += "null";
    return;
  }
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, res.ptr);
}

void AppendString(std::string& out, const std::string& s) {
  out += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

// Builds {"op":...,"k":v,...} one field at a time.
class JsonObject {
 public:
  explicit JsonObject(const std::string& op) {
    s_ = "{\"op\":";
    AppendString(s_, op);
  }
  JsonObject& Num(const char* k, float v) {
    Key(k);
    AppendNumber(s_, v);
    return *this;
  }
  JsonObject& Int(const char* k, int v) {
    Key(k);
    s_ += std::to_string(v);
    return *this;
  }
  JsonObject& Bool(const char* k, bool v) {
    Key(k);
    s_ += v ? "true" : "false";
    return *this;
  }
  JsonObject& Str(const char* k, const std::string& v) {
    Key(k);
    AppendString(s_, v);
    return *this;
  }
  JsonObject& Points(const char* k, const std::vector<Point>& pts) {
    Key(k);
    s_ += '[';
    for (size_t i = 0; i < pts.size(); ++i) {
      if (i) s_ += ',';
      s_ += '[';
      AppendNumber(s_, pts[i].x);
      s_ += ',';
      AppendNumber(s_, pts[i].y);
      s_ += ']';
    }
    s_ += ']';
    return *this;
  }
  std::string Done() { return s_ + "}"; }

 private:
  void Key(const char* k) {
    s_ += ",\"";
    s_ += k;
    s_ += "\":";
  }
  std::string s_;
};

}  // namespace

std::string ToJsonLine(const RecordedOp& op) {
  JsonObject j(op.op);
  if (op.op == "text") {
    j.Num("x", op.x).Num("y", op.y).Str("text", op.text).Int("colour", op.colour)
        .Str("face", op.face).Num("size", op.size).Bool("bold", op.bold)
        .Bool("italic", op.italic).Num("m1", op.m1).Num("m2", op.m2).Int("pen", op.pen);
  } else if (op.op == "line") {
    j.Num("x1", op.x1).Num("y1", op.y1).Num("x2", op.x2).Num("y2", op.y2)
        .Int("colour", op.colour).Int("pen", op.pen);
  } else if (op.op == "box") {
    j.Num("x1", op.x1).Num("y1", op.y1).Num("x2", op.x2).Num("y2", op.y2)
        .Int("border", op.border).Int("fill", op.fill).Int("pen", op.pen);
  } else if (op.op == "circle") {
    j.Num("x", op.x).Num("y", op.y).Num("r", op.r).Int("colour", op.colour)
        .Num("start", op.start).Num("end", op.end).Bool("filled", op.filled)
        .Int("fill", op.fill).Int("pen", op.pen);
  } else if (op.op == "polyline") {
    j.Points("points", op.points).Int("colour", op.colour).Bool("filled", op.filled)
        .Int("fill", op.fill).Int("pen", op.pen);
  } else if (op.op == "wait") {
    j.Int("ticks", op.ticks);
  } else if (op.op == "key") {
    j.Str("key", op.key);
  } else if (op.op == "fault") {
    j.Int("step", op.step).Int("code", op.code);
  }
  return j.Done();
}

void RecordingScreen::SetFace(const std::string& face) {
  Screen::SetFace(face);
  if (inner_) inner_->SetFace(face);
}

void RecordingScreen::SetSize(float size) {
  Screen::SetSize(size);
  if (inner_) inner_->SetSize(size);
}

void RecordingScreen::SetBold(bool on) {
  Screen::SetBold(on);
  if (inner_) inner_->SetBold(on);
}

void RecordingScreen::SetItalic(bool on) {
  Screen::SetItalic(on);
  if (inner_) inner_->SetItalic(on);
}

void RecordingScreen::SetPenWidth(int w) {
  Screen::SetPenWidth(w);
  if (inner_) inner_->SetPenWidth(w);
}

void RecordingScreen::Line(float x1, float y1, float x2, float y2, int colour) {
  RecordedOp op;
  op.op = "line";
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.colour = colour;
  op.pen = state_.pen;
  ops_.push_back(std::move(op));
  if (inner_) inner_->Line(x1, y1, x2, y2, colour);
}

void RecordingScreen::Box(float x1, float y1, float x2, float y2, int border, int fill) {
  RecordedOp op;
  op.op = "box";
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.border = border;
  op.fill = fill;
  op.pen = state_.pen;
  ops_.push_back(std::move(op));
  if (inner_) inner_->Box(x1, y1, x2, y2, border, fill);
}

void RecordingScreen::Circle(float cx, float cy, float r, int colour, float start, float end,
                             bool filled, int fill) {
  RecordedOp op;
  op.op = "circle";
  op.x = cx, op.y = cy, op.r = r;
  op.colour = colour;
  op.start = start, op.end = end;
  op.filled = filled;
  op.fill = fill;
  op.pen = state_.pen;
  ops_.push_back(std::move(op));
  if (inner_) inner_->Circle(cx, cy, r, colour, start, end, filled, fill);
}

void RecordingScreen::Polyline(const std::vector<Point>& pts, int colour, bool filled, int fill) {
  RecordedOp op;
  op.op = "polyline";
  op.points = pts;
  op.colour = colour;
  op.filled = filled;
  op.fill = fill;
  op.pen = state_.pen;
  ops_.push_back(std::move(op));
  if (inner_) inner_->Polyline(pts, colour, filled, fill);
}

void RecordingScreen::Text(float x, float y, float m1, float m2, int colour,
                           const std::string& text) {
  RecordedOp op;
  op.op = "text";
  op.x = x, op.y = y;
  op.m1 = m1, op.m2 = m2;
  op.colour = colour;
  op.text = GlyphText(state_.face, text);
  op.face = state_.face;
  op.size = state_.size;
  op.bold = state_.bold;
  op.italic = state_.italic;
  op.pen = state_.pen;
  ops_.push_back(std::move(op));
  if (inner_) inner_->Text(x, y, m1, m2, colour, text);
}

void RecordingScreen::Clear() {
  RecordedOp op;
  op.op = "clear";
  ops_.push_back(std::move(op));
  if (inner_) inner_->Clear();
}

}  // namespace lesson
