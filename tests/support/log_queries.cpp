#include "tests/support/log_queries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/cairo_screen.h"

namespace lesson {

std::string AnyKeys(int n) { return std::string(static_cast<size_t>(n), ' '); }

bool Near(float a, float b, float tol) { return std::fabs(a - b) <= tol; }

int CountIf(const std::vector<RecordedOp>& ops, const std::function<bool(const RecordedOp&)>& f) {
  return static_cast<int>(std::count_if(ops.begin(), ops.end(), f));
}

bool IsKeyWaitBox(const RecordedOp& op) {
  return op.op == "box" && op.x1 == 96 && op.y1 == 657 && op.x2 == 400 && op.y2 == 693 &&
         op.fill == 4;
}

bool IsPromptLineWipe(const RecordedOp& op) {
  return op.op == "box" && op.x1 == 0 && op.y1 == 657 && op.x2 == 992 && op.y2 == 720 &&
         op.fill == 15;
}

bool IsOptionLine(const RecordedOp& op) { return op.op == "text" && op.x == 16 && op.y == 666; }

std::vector<std::vector<RecordedOp>> ChoiceSegments(const ScriptedRun& run) {
  std::vector<std::vector<RecordedOp>> out;
  for (const RecordedOp& op : run.ops) {
    if (IsPromptLineWipe(op)) {
      out.emplace_back();
      continue;
    }
    if (!out.empty()) out.back().push_back(op);
  }
  return out;
}

int KeyWaits(const std::vector<RecordedOp>& ops) {
  int n = 0;
  for (const RecordedOp& op : ops) n += IsKeyWaitBox(op);
  return n;
}

std::string LineText(const std::vector<RecordedOp>& ops, float y, int colour, float xFrom,
                     float xTo) {
  std::string s;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.colour == colour && op.y >= y - 22 && op.y <= y + 14 &&
        op.x >= xFrom && op.x < xTo)
      s += op.text;
  return s;
}

std::string TextIn(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2,
                   int colour) {
  std::vector<std::pair<float, std::string>> parts;
  for (const RecordedOp& op : ops) {
    if (op.op == "text" && op.colour == colour && op.x >= x1 && op.x < x2 && op.y >= y1 &&
        op.y < y2)
      parts.push_back({op.x, op.text});
    if (op.op == "line" && op.colour == colour && op.y1 == op.y2 && op.x1 >= x1 && op.x2 < x2 &&
        op.y1 >= y1 && op.y1 < y2 && std::fabs(op.x2 - op.x1) < 30)
      parts.push_back({op.x1, "-"});
  }
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string s;
  for (const auto& p : parts) s += p.second;
  return s;
}

bool TextStartsAt(const std::vector<RecordedOp>& ops, float x, float y, int colour,
                  const std::string& first) {
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.colour == colour && op.text == first && op.x >= x - 2 &&
        op.x <= x + 12 && op.y >= y - 25 && op.y <= y + 5)
      return true;
  return false;
}

const RecordedOp* FindBox(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                          float y2, int border, int fill) {
  for (const RecordedOp& op : ops)
    if (op.op == "box" && Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) &&
        Near(op.y2, y2) && op.border == border && op.fill == fill)
      return &op;
  return nullptr;
}

const RecordedOp* FindText(const std::vector<RecordedOp>& ops, const std::string& text, float x,
                           float y, int colour) {
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == text && Near(op.x, x, 0.1f) && Near(op.y, y, 0.1f) &&
        op.colour == colour)
      return &op;
  return nullptr;
}

const RecordedOp* FindLine(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                           float y2) {
  for (const RecordedOp& op : ops)
    if (op.op == "line" && Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) &&
        Near(op.y2, y2))
      return &op;
  return nullptr;
}

std::vector<RecordedOp> OpsOfKind(const std::vector<RecordedOp>& ops, const std::string& kind) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == kind) out.push_back(op);
  return out;
}

std::vector<RecordedOp> Circles(const std::vector<RecordedOp>& ops, float r) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "circle" && op.r == r) out.push_back(op);
  return out;
}

std::vector<RecordedOp> Dots(const std::vector<RecordedOp>& ops, float r, int fill) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "circle" && op.filled && op.r == r && op.fill == fill) out.push_back(op);
  return out;
}

int OffColour(CairoScreen& raster, float x0, float x1, float y0, float y1, int c) {
  int n = 0;
  for (float y = y0; y < y1; y += 1)
    for (float x = x0; x < x1; x += 1)
      if (raster.PixelAt(x, y) != PaletteRgb(c)) ++n;
  return n;
}

void ExpectPlacedTexts(const std::vector<PlacedText>& got, const std::vector<PlacedText>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(want[i].text);
    EXPECT_EQ(got[i].text, want[i].text);
    EXPECT_FLOAT_EQ(got[i].x, want[i].x);
    EXPECT_FLOAT_EQ(got[i].y, want[i].y);
  }
}

void ExpectCleanEnd(const ScriptedRun& run) {
  EXPECT_FALSE(run.faulted) << "fault step " << run.faultStep << " code " << run.faultCode;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.keysLeft, 0u);
  ASSERT_FALSE(run.ops.empty());
  EXPECT_EQ(run.ops.back().op, "end") << "the tour ends on the main menu's last item";
}

void ExpectCleanEndOnce(const ScriptedRun& run) {
  EXPECT_FALSE(run.faulted) << "fault at step " << run.faultStep << " code " << run.faultCode;
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.Count("end"), 1) << "the run did not get back to the main menu's last item";
  EXPECT_EQ(run.keysLeft, 0u);
}

}  // namespace lesson
