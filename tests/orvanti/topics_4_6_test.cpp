// Orvanti topics 4 to 6: the summaries side by side, average speed and the
// page-113 problems. Scripted tours on the recorder's log (key counts,
// positions, colours, pens, the order in which blanks fill), the pen widths
// carried from scene to scene, and the state the scenes leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "lessons/orvanti/orvanti.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

// The key-wait box, whatever its height.
bool IsWaitBox(const RecordedOp& op) {
  return op.op == "box" && op.x1 == 96 && op.y1 == 657 && op.x2 == 400 && op.fill == 4;
}

// The glyphs of one colour on the lesson area (measuring draws at y 1800 and
// the prompt strip left out), in drawing order.
std::string GlyphsOf(const std::vector<RecordedOp>& ops, int colour) {
  std::string s;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.colour == colour && op.y < 640) s += op.text;
  return s;
}

// The glyphs inside a box region in one colour, left to right.
std::string GlyphsIn(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2,
                     int colour) {
  std::vector<std::pair<float, std::string>> parts;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.colour == colour && op.x >= x1 && op.x < x2 && op.y >= y1 &&
        op.y < y2)
      parts.push_back({op.x, op.text});
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string s;
  for (const auto& p : parts) s += p.second;
  return s;
}

// A glyph drawn at (x, y) in a colour (italic letters sit a little off the
// pen position, so allow tol units).
const RecordedOp* GlyphAt(const std::vector<RecordedOp>& ops, const std::string& glyph, float x,
                          float y, int colour, float tol = 0.01f) {
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == glyph && op.colour == colour && Near(op.x, x, tol) &&
        Near(op.y, y, tol))
      return &op;
  return nullptr;
}

// A line between the two points, either way round.
const RecordedOp* LineBetween(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                              float y2, int colour) {
  for (const RecordedOp& op : ops) {
    if (op.op != "line" || op.colour != colour) continue;
    if ((Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) && Near(op.y2, y2)) ||
        (Near(op.x1, x2) && Near(op.y1, y2) && Near(op.x2, x1) && Near(op.y2, y1)))
      return &op;
  }
  return nullptr;
}

// An arrow's head: the two barbs that end at the tip.
int BarbsAt(const std::vector<RecordedOp>& ops, float x, float y, int colour) {
  return CountIf(ops, [&](const RecordedOp& op) {
    return op.op == "line" && op.colour == colour && Near(op.x2, x) && Near(op.y2, y) &&
           std::hypot(op.x2 - op.x1, op.y2 - op.y1) < 20;
  });
}

// Fill-in boxes (border 3, fill 13, 50 high) in drawing order.
std::vector<RecordedOp> FillInBoxes(const std::vector<RecordedOp>& ops) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "box" && op.border == 3 && op.fill == 13 && Near(op.y2 - op.y1, 50) &&
        op.y1 > 80)
      out.push_back(op);
  return out;
}

// ---------------------------------------------------------------------------
// Topic frames

TEST(OrvantiTopics46, BannersOptionLinesAndRefusedChoices) {
  struct Case {
    int topic;
    std::string goal;  // the goal line's glyphs ("" for no banner)
    std::string optionLine;
    int n;
  };
  const Case cases[] = {
      {4, "関数y=ax2とy=axbの特徴をまとめよう。", "①形　②増減　③変化の割合　④終了", 4},
      {5, "平均の速さを求めよう。", "①定義　②課題　③問７　④問８　⑤終了", 5},
      {6, "", "Ｐ１１３（関数　基本の問題）　①１，２　②３　③４　④５　⑤６　⑥終了", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic));
    const std::string t = std::to_string(c.topic), n = std::to_string(c.n);
    // 0 and N+1 are refused; item 1 runs its scene; the option line comes
    // back over the scene; N leaves for the main menu.
    const std::string keys = t + "\\r0\\r" + std::to_string(c.n + 1) + "\\r1\\r" + AnyKeys(8) + n +
                             "\\r7\\r";
    const ScriptedRun run = RunScripted("orvanti", keys);
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 4);
    EXPECT_NE(run.AllText().find(c.optionLine), std::string::npos) << run.AllText();
    const int banners = CountIf(run.ops, [](const RecordedOp& op) {
      return op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240 && op.colour == 3;
    });
    EXPECT_EQ(banners, c.goal.empty() ? 0 : 1);
    if (!c.goal.empty()) {
      // "+" is drawn as two lines
      EXPECT_EQ(GlyphsOf(run.AfterKey(2), 0), c.goal);
    } else {
      // nothing above the prompt strip before the first scene
      const std::vector<RecordedOp> before = run.AfterKey(2);
      EXPECT_EQ(CountIf(before, [](const RecordedOp& op) {
                  return op.op == "text" && op.y < 640;
                }),
                0);
    }
  }
  // topic 5's goal line starts one blank to the right of x 76
  const ScriptedRun run = RunScripted("orvanti", "5\\r5\\r7\\r");
  const RecordedOp* first = nullptr;
  for (const RecordedOp& op : run.ops)
    if (op.op == "text" && op.text == "平" && op.y == 305) first = &op;
  ASSERT_NE(first, nullptr);
  EXPECT_GT(first->x, 76 + 8);
  EXPECT_LT(first->x, 76 + 30);
}

// Every scene takes exactly its key presses and hands control back to its
// sub-menu at once: the option line follows its last step.
TEST(OrvantiTopics46, EverySceneTakesItsKeyPressesAndReturnsToItsMenu) {
  struct Case {
    int topic, item, waits, last;
  };
  const Case cases[] = {
      {4, 1, 4, 4},  {4, 2, 8, 4}, {4, 3, 3, 4}, {5, 1, 8, 5}, {5, 2, 24, 5}, {5, 3, 6, 5},
      {5, 4, 0, 5},  {6, 1, 2, 6}, {6, 2, 1, 6}, {6, 3, 0, 6}, {6, 4, 0, 6},  {6, 5, 0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic) + " item " + std::to_string(c.item));
    const std::string keys = std::to_string(c.topic) + "\\r" + std::to_string(c.item) + "\\r" +
                             AnyKeys(c.waits) + std::to_string(c.last) + "\\r7\\r";
    const ScriptedRun run = RunScripted("orvanti", keys);
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, IsWaitBox), c.waits);
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 2);
    // the scene cleared its area from the top-left corner
    EXPECT_NE(std::find_if(run.ops.begin(), run.ops.end(),
                           [](const RecordedOp& op) {
                             return op.op == "box" && op.x1 == 0 && op.y1 == 0 &&
                                    op.x2 >= 1320 && op.y2 >= 1300 && op.fill == 15;
                           }),
              run.ops.end());
  }
}

// Scenes with fill-in boxes: each key fills the next box, in the given
// order, with a cell of the same size at the corner of its empty box.
TEST(OrvantiTopics46, SummaryBlanksFillInOrderOneAKey) {
  struct Answer {
    float width;
    std::string number, text;
  };
  struct Case {
    int item;
    std::vector<Answer> answers;
  };
  const Case cases[] = {
      {1, {{105, "①", "直線"}, {105, "②", "傾き"}, {105, "③", "切片"}, {140, "①", "放物線"}}},
      {2,
       {{105, "①", "増加"},
        {105, "②", "減少"},
        {140, "①", "減少"},
        {175, "②", "最小値0"},
        {140, "③", "増加"},
        {140, "④", "増加"},
        {175, "⑤", "最大値0"},
        {140, "⑥", "減少"}}},
      {3, {{105, "①", "一定"}, {70, "②", "a"}, {105, "①", "一定"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("item " + std::to_string(c.item));
    const int n = static_cast<int>(c.answers.size());
    const ScriptedRun run =
        RunScripted("orvanti", "4\\r" + std::to_string(c.item) + "\\r" + AnyKeys(n) + "4\\r7\\r");
    ExpectCleanEndOnce(run);
    // key 4 is the Enter that opened the scene
    const std::vector<RecordedOp> empty = FillInBoxes(run.AfterKey(4));
    ASSERT_EQ(static_cast<int>(empty.size()), n);
    for (int i = 0; i < n; i++) {
      SCOPED_TRACE("answer " + std::to_string(i + 1));
      const Answer& a = c.answers[i];
      const RecordedOp& box = empty[static_cast<size_t>(i)];
      EXPECT_TRUE(Near(box.x2 - box.x1, a.width)) << box.x2 - box.x1;
      EXPECT_EQ(GlyphsIn(run.AfterKey(4), box.x1, box.y1, box.x2, box.y2, 5), a.number);
      const std::vector<RecordedOp> step = run.AfterKey(5 + i);
      const std::vector<RecordedOp> filled = FillInBoxes(step);
      ASSERT_EQ(filled.size(), 1u);
      EXPECT_TRUE(Near(filled[0].x1, box.x1) && Near(filled[0].y1, box.y1) &&
                  Near(filled[0].x2, box.x2) && Near(filled[0].y2, box.y2));
      EXPECT_EQ(GlyphsOf(step, 5), a.text);
    }
  }
}

// ---------------------------------------------------------------------------
// Topic 4: the summaries

TEST(OrvantiTopics46, ShapeSummaryFigures) {
  const ScriptedRun run = RunScripted("orvanti", "4\\r1\\r" + AnyKeys(4) + "4\\r7\\r");
  ExpectCleanEndOnce(run);
  const std::vector<RecordedOp> ops = run.AfterKey(4);
  // the slope triangle of y=1.5x+2 from x=1 to x=4, at pen 5
  const RecordedOp* run1 = LineBetween(ops, 244, 385, 334, 385, 7);
  ASSERT_NE(run1, nullptr);
  EXPECT_EQ(run1->pen, 5);
  EXPECT_EQ(BarbsAt(ops, 334, 385, 7), 2);
  ASSERT_NE(LineBetween(ops, 334, 385, 334, 250, 3), nullptr);
  EXPECT_EQ(BarbsAt(ops, 334, 250, 3), 2);
  // the scene's own marks in place of the numbers
  EXPECT_NE(GlyphAt(ops, "1", 273, 385, 5), nullptr);
  EXPECT_NE(GlyphAt(ops, "b", 179, 413, 5), nullptr);
  EXPECT_NE(FindBox(ops, 74, 363, 179, 413, 3, 13), nullptr);
  // the vertex of y=0.5x^2 with its name 96 to the left
  const std::vector<RecordedOp> vertex = Dots(ops, 7, 5);
  ASSERT_EQ(vertex.size(), 1u);
  EXPECT_EQ(vertex[0].x, 900);
  EXPECT_EQ(vertex[0].y, 430);
  EXPECT_NE(GlyphAt(ops, "頂", 804, 430, 5), nullptr);
  // (2, 2) of the curve marked across from the y axis and up from the x axis
  const RecordedOp* across = LineBetween(ops, 900, 370, 960, 370, 7);
  ASSERT_NE(across, nullptr);
  EXPECT_EQ(across->pen, 5);
  EXPECT_NE(LineBetween(ops, 960, 430, 960, 370, 7), nullptr);
  EXPECT_NE(GlyphAt(ops, "1", 944, 430, 5), nullptr);
  // the line starts at x=-2, where it meets the plane's lower edge
  float leftmost = 1e9f;
  for (const RecordedOp& d : Dots(ops, 1, 0))
    if (d.x < 400) leftmost = std::min(leftmost, d.x);
  EXPECT_NEAR(leftmost, 214 - 60, 0.05);
}

TEST(OrvantiTopics46, IncDecSummaryFigures) {
  const ScriptedRun run = RunScripted("orvanti", "4\\r2\\r" + AnyKeys(8) + "4\\r7\\r");
  ExpectCleanEndOnce(run);
  const std::vector<RecordedOp> ops = run.AfterKey(4);
  // the rising line's triangle, then the falling line's with its rise down
  EXPECT_NE(LineBetween(ops, 134, 412.5f, 209, 412.5f, 7), nullptr);
  EXPECT_NE(LineBetween(ops, 209, 412.5f, 209, 300, 3), nullptr);
  EXPECT_NE(LineBetween(ops, 346.5f, 325, 409, 325, 7), nullptr);
  EXPECT_NE(LineBetween(ops, 409, 325, 409, 450, 3), nullptr);
  EXPECT_EQ(BarbsAt(ops, 409, 450, 3), 2);
  // y=-2x+8 is drawn from x=-1 to x=4.5 only
  float right = 0;
  for (const RecordedOp& d : Dots(ops, 1, 5))
    if (d.x > 309 && d.x < 460) right = std::max(right, d.x);
  EXPECT_NEAR(right, 334 + 4.5f * 25, 0.05);
  // the common vertex, and four arrows at pen 4 with their heads at the end
  // of smaller x
  const std::vector<RecordedOp> vertex = Dots(ops, 7, 5);
  ASSERT_EQ(vertex.size(), 1u);
  EXPECT_EQ(vertex[0].x, 1095);
  EXPECT_EQ(vertex[0].y, 325);
  struct Arrow {
    float hx, hy, tx, ty;
  };
  const Arrow arrows[] = {{1007.5f, 125, 1082.5f, 312.5f},
                          {1107.5f, 312.5f, 1182.5f, 125},
                          {1007.5f, 525, 1082.5f, 337.5f},
                          {1107.5f, 337.5f, 1182.5f, 525}};
  for (const Arrow& a : arrows) {
    SCOPED_TRACE("arrow with its head at " + std::to_string(a.hx) + "," + std::to_string(a.hy));
    const RecordedOp* shaft = LineBetween(ops, a.hx, a.hy, a.tx, a.ty, 5);
    ASSERT_NE(shaft, nullptr);
    EXPECT_EQ(shaft->pen, 4);
    EXPECT_EQ(BarbsAt(ops, a.hx, a.hy, 5), 2);
  }
  // the answers are drawn at pen 4 as well, and the scene leaves it
  for (int k = 5; k <= 12; k++) {
    const std::vector<RecordedOp> filled = FillInBoxes(run.AfterKey(k));
    ASSERT_EQ(filled.size(), 1u);
    EXPECT_EQ(filled[0].pen, 4);
  }
}

TEST(OrvantiTopics46, RateSummaryTriangles) {
  const ScriptedRun run = RunScripted("orvanti", "4\\r3\\r" + AnyKeys(3) + "4\\r7\\r");
  ExpectCleanEndOnce(run);
  const std::vector<RecordedOp> ops = run.AfterKey(4);
  // run shafts (colour 7, horizontal) and rise shafts (colour 3, vertical)
  std::vector<float> runs, rises;
  for (const RecordedOp& op : ops) {
    if (op.op != "line") continue;
    if (op.colour == 7 && op.y1 == op.y2) runs.push_back(op.x2 - op.x1);
    if (op.colour == 3 && op.x1 == op.x2) rises.push_back(op.y2 - op.y1);
  }
  EXPECT_EQ(runs, std::vector<float>(10, 30));
  EXPECT_EQ(rises, (std::vector<float>{-60, -60, -60, -60, 150, 90, 30, -30, -90, -150}));
  EXPECT_NE(LineBetween(ops, 162, 470, 192, 470, 7), nullptr);
  EXPECT_NE(LineBetween(ops, 849, 410, 849, 260, 3), nullptr);
  // the sentence: box ① at the line's start, "で、" 20 right of it
  EXPECT_NE(FindBox(ops, 44, 90, 149, 140, 3, 13), nullptr);
  EXPECT_NE(GlyphAt(ops, "で", 169, 90, 0), nullptr);
  EXPECT_NE(FindBox(ops, 595, 90, 700, 140, 3, 13), nullptr);
  EXPECT_NE(GlyphAt(ops, "で", 720, 90, 0), nullptr);
  // y=x^2 stays inside the plane's height: its arms end near x = ±3.46
  for (const RecordedOp& d : Dots(ops, 1, 3)) {
    if (d.x < 600) continue;
    EXPECT_GE(d.y, 170);
    EXPECT_LE(std::fabs(d.x - 759), 3.47f * 30);
  }
}

// ---------------------------------------------------------------------------
// Topic 5: average speed

TEST(OrvantiTopics46, DefinitionOneTextAKey) {
  const ScriptedRun run = RunScripted("orvanti", "5\\r1\\r" + AnyKeys(8) + "5\\r7\\r");
  ExpectCleanEndOnce(run);
  const std::vector<RecordedOp> first = run.AfterKey(4);
  // the definition first, at the upper right; the problem from (40, 30)
  const RecordedOp* def = GlyphAt(first, "平", 840, 80, 3);
  const RecordedOp* lead = GlyphAt(first, "課", 40, 30, 3);
  ASSERT_NE(def, nullptr);
  ASSERT_NE(lead, nullptr);
  EXPECT_LT(def, lead);
  EXPECT_NE(FindBox(first, 0, 0, 1320, 1300, 15, 15), nullptr);
  EXPECT_EQ(GlyphsIn(first, 80, 210, 1000, 220, 3), "平均の速さ時速");
  // each key adds one text in its colour
  const int colours[] = {7, 0, 0, 3, 0, 0, 3, 5};
  for (int k = 0; k < 8; k++) {
    SCOPED_TRACE("key " + std::to_string(k + 1));
    const std::vector<RecordedOp> step = run.AfterKey(5 + k);
    for (int c : {0, 3, 5, 7})
      EXPECT_EQ(GlyphsOf(step, c).empty(), c != colours[k]) << "colour " << c;
  }
  EXPECT_NE(GlyphAt(run.AfterKey(5), "<", 80, 280, 7), nullptr);
  EXPECT_NE(GlyphAt(run.AfterKey(6), "平", 80, 330, 0), nullptr);
  EXPECT_NE(GlyphAt(run.AfterKey(9), "時", 80, 410, 0), nullptr);
  EXPECT_EQ(GlyphsOf(run.AfterKey(12), 5), "答　時速45km");
  EXPECT_NE(GlyphAt(run.AfterKey(12), "答", 80, 490, 5), nullptr);
}

TEST(OrvantiTopics46, RollerCoasterWorkingAndSketch) {
  const ScriptedRun run = RunScripted("orvanti", "5\\r2\\r" + AnyKeys(24) + "5\\r7\\r");
  ExpectCleanEndOnce(run);
  // wait i leads to AfterKey(4 + i); kept, since the checks hold pointers
  std::vector<std::vector<RecordedOp>> steps;
  for (int i = 0; i <= 24; i++) steps.push_back(run.AfterKey(4 + i));
  auto after = [&](int wait) -> const std::vector<RecordedOp>& {
    return steps[static_cast<size_t>(wait)];
  };
  EXPECT_EQ(GlyphsOf(after(3), 0), "2×1=");
  EXPECT_EQ(GlyphsOf(after(4), 3), "2");
  EXPECT_EQ(GlyphsOf(after(7), 3), "18");
  // row 14 follows row 13 without a wait
  EXPECT_NE(GlyphAt(after(8), "だ", 60, 390, 0), nullptr);
  EXPECT_NE(GlyphAt(after(8), "進", 60, 470, 0, 30), nullptr);
  EXPECT_NE(GlyphAt(after(12), "答", 140, 550, 5), nullptr);

  // the sketch: plane, curve, its name from the plane's corner
  const std::vector<RecordedOp>& plane = after(13);
  EXPECT_NE(LineBetween(plane, 988, 120, 988, 580, 0), nullptr);
  EXPECT_NE(LineBetween(plane, 968, 480, 1188, 480, 0), nullptr);
  EXPECT_NE(GlyphAt(plane, "y", 1092, 80, 0, 4), nullptr);
  for (const RecordedOp& d : Dots(plane, 1, 0)) EXPECT_GE(d.y, 120);

  // points, guides and labels
  const std::vector<RecordedOp> p1 = after(14);
  ASSERT_EQ(Dots(p1, 7, 5).size(), 1u);
  EXPECT_EQ(Dots(p1, 7, 5)[0].x, 1028);
  EXPECT_EQ(Dots(p1, 7, 5)[0].y, 464);
  EXPECT_NE(LineBetween(p1, 1028, 464, 1028, 480, 3), nullptr);
  EXPECT_NE(GlyphAt(p1, "1", 1012, 480, 3), nullptr);
  const std::vector<RecordedOp> p2 = after(15);
  ASSERT_EQ(Dots(p2, 7, 5).size(), 1u);
  EXPECT_EQ(Dots(p2, 7, 5)[0].x, 1168);
  EXPECT_EQ(Dots(p2, 7, 5)[0].y, 156);
  EXPECT_NE(GlyphAt(p2, "3", 1152, 480, 3), nullptr);
  const RecordedOp* guide = LineBetween(after(16), 1028, 464, 988, 464, 3);
  ASSERT_NE(guide, nullptr);
  EXPECT_EQ(guide->pen, 5);
  EXPECT_NE(GlyphAt(after(16), "2", 956, 418, 3), nullptr);
  EXPECT_NE(LineBetween(after(17), 1168, 156, 988, 156, 3), nullptr);
  EXPECT_EQ(GlyphsIn(after(17), 932, 132, 990, 133, 3), "18");

  // the scene's own run and rise in colour 7 at pen 5, labelled 2 and 16
  const RecordedOp* runArrow = LineBetween(after(18), 1028, 464, 1168, 464, 7);
  ASSERT_NE(runArrow, nullptr);
  EXPECT_EQ(runArrow->pen, 5);
  EXPECT_EQ(BarbsAt(after(18), 1168, 464, 7), 2);
  EXPECT_NE(GlyphAt(after(19), "2", 1082, 464, 7), nullptr);
  const RecordedOp* riseArrow = LineBetween(after(20), 1168, 464, 1168, 156, 7);
  ASSERT_NE(riseArrow, nullptr);
  EXPECT_EQ(riseArrow->pen, 5);
  EXPECT_EQ(BarbsAt(after(20), 1168, 156, 7), 2);
  EXPECT_EQ(GlyphsIn(after(21), 1168, 294, 1230, 295, 7), "16");

  // the secant y=2.2x-3.6 within the plane's height, through both points
  const std::vector<RecordedOp> secant = Dots(after(22), 1, 5);
  ASSERT_FALSE(secant.empty());
  for (const RecordedOp& d : secant) {
    EXPECT_GE(d.y, 120);
    EXPECT_LE(d.y, 580);
  }
  float best1 = 1e9f, best2 = 1e9f;
  for (const RecordedOp& d : secant) {
    best1 = std::min(best1, std::hypot(d.x - 1028, d.y - 464));
    best2 = std::min(best2, std::hypot(d.x - 1168, d.y - 156));
  }
  EXPECT_LT(best1, 0.2f);
  EXPECT_LT(best2, 0.2f);

  // the conclusion under the end of "18", on the lines 390 and 440
  const RecordedOp* eight = nullptr;
  for (const RecordedOp& op : after(7))
    if (op.op == "text" && op.text == "8" && op.y == 330) eight = &op;
  ASSERT_NE(eight, nullptr);
  const RecordedOp* avg = nullptr;
  for (const RecordedOp& op : after(23))
    if (op.op == "text" && op.text == "平" && op.y == 390 && op.colour == 3) avg = &op;
  ASSERT_NE(avg, nullptr);
  EXPECT_GT(avg->x, eight->x);
  EXPECT_LT(avg->x, eight->x + 40);
  EXPECT_NE(GlyphAt(after(23), "変", avg->x, 440, 3), nullptr);
  // the last step: the textbook note in colour 7 at (352, 580)
  EXPECT_NE(GlyphAt(after(24), "教", 352, 580, 7), nullptr);
  EXPECT_EQ(GlyphsOf(after(24), 7), "教科書P112問7,問8　をしなさい。");
}

TEST(OrvantiTopics46, QuestionSevenAndEight) {
  const ScriptedRun q7 = RunScripted("orvanti", "5\\r3\\r" + AnyKeys(6) + "5\\r7\\r");
  ExpectCleanEndOnce(q7);
  EXPECT_EQ(GlyphsOf(q7.AfterKey(4), 7), "問7解答");
  EXPECT_NE(GlyphAt(q7.AfterKey(4), "(", 44, 80, 3), nullptr);
  EXPECT_EQ(GlyphsOf(q7.AfterKey(6), 3), "50");
  // "12(m／s)" and "(2)平均の速さは" come with the same key press
  const std::vector<RecordedOp> k9 = q7.AfterKey(9);
  EXPECT_EQ(GlyphsOf(k9, 5), "12(m／s)");
  EXPECT_EQ(GlyphsOf(k9, 3), "(2)平均の速さは");
  EXPECT_NE(GlyphAt(k9, "(", 44, 390, 3), nullptr);
  EXPECT_EQ(GlyphsOf(q7.AfterKey(10), 5), "8(m／s)");
  EXPECT_NE(GlyphAt(q7.AfterKey(10), "2", 132, 460, 0), nullptr);

  const ScriptedRun q8 = RunScripted("orvanti", "5\\r4\\r5\\r7\\r");
  ExpectCleanEndOnce(q8);
  const std::vector<RecordedOp> ops = q8.AfterKey(4);
  EXPECT_EQ(GlyphsIn(ops, 220, 150, 604, 200, 0), "012345");
  EXPECT_EQ(GlyphsIn(ops, 220, 200, 604, 250, 0), "028183250");
  EXPECT_EQ(GlyphsIn(ops, 252, 250, 572, 300, 3), "26101418");
  EXPECT_EQ(GlyphsIn(ops, 252, 300, 572, 350, 5), "26101418");
  EXPECT_EQ(GlyphsIn(ops, 252, 100, 572, 150, 3), "11111");
  // the interval rows straddle the borders of the x row
  EXPECT_NE(FindBox(ops, 60, 100, 252, 150, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 252, 100, 316, 150, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 508, 100, 572, 150, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 220, 150, 284, 200, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 540, 200, 604, 250, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 508, 300, 572, 350, 3, 15), nullptr);
  EXPECT_EQ(CountIf(ops, [](const RecordedOp& op) {
              return op.op == "box" && op.border == 3 && op.y1 >= 100 && op.y2 <= 350;
            }),
            6 + 7 + 7 + 6 + 6);
}

// ---------------------------------------------------------------------------
// Topic 6: page 113

TEST(OrvantiTopics46, ProblemsOneToThree) {
  const ScriptedRun run = RunScripted("orvanti", "6\\r1\\r  2\\r 6\\r7\\r");
  ExpectCleanEndOnce(run);
  // item 1: only the heading until the first key
  const std::vector<RecordedOp> head = run.AfterKey(4);
  EXPECT_NE(FindBox(head, 72, 30, 528, 78, 3, 13), nullptr);
  EXPECT_EQ(GlyphsOf(head, 0), "P113(関数　基本の問題)");
  EXPECT_EQ(CountIf(head, [](const RecordedOp& op) { return op.op == "text" && op.y > 80 && op.y < 640; }), 0);
  const std::vector<RecordedOp> p1 = run.AfterKey(5);
  EXPECT_NE(FindBox(p1, 36, 90, 80, 134, 4, 3), nullptr);
  EXPECT_NE(GlyphAt(p1, "1", 36 + 10, 90, 13, 12), nullptr);
  EXPECT_EQ(GlyphsOf(p1, 5), "y=3πx2");
  const std::vector<RecordedOp> p2 = run.AfterKey(6);
  EXPECT_NE(FindBox(p2, 36, 190, 80, 234, 4, 3), nullptr);
  EXPECT_NE(GlyphAt(p2, "(", 80, 190, 3), nullptr);
  EXPECT_NE(GlyphAt(p2, "答", 148, 430, 5, 30), nullptr);
  EXPECT_NE(GlyphAt(p2, "(", 646, 90, 3), nullptr);
  // (2)'s answer leaves an empty line: 120 below the working
  EXPECT_NE(GlyphAt(p2, "答", 722, 330, 5, 30), nullptr);
  EXPECT_EQ(CountIf(p2, [](const RecordedOp& op) {
              return op.op == "text" && op.x > 640 && op.y == 270;
            }),
            0);

  // problem 3: the graphs and labels, then the answers after one key
  const std::vector<RecordedOp> p3 = run.AfterKey(8);
  EXPECT_NE(FindBox(p3, 72, 30, 528, 78, 3, 13), nullptr);
  EXPECT_EQ(FindBox(p3, 72, 30, 528, 78, 3, 13)->pen, 5);
  EXPECT_NE(LineBetween(p3, 932, 50, 932, 610, 0), nullptr);
  EXPECT_NE(GlyphAt(p3, "(", 994.6f, 20, 3, 0.3f), nullptr);
  EXPECT_NE(GlyphAt(p3, "(", 1057.2f, 50, 5, 0.3f), nullptr);
  EXPECT_NE(GlyphAt(p3, "(", 1020.5f, 560, 7, 0.3f), nullptr);
  const std::vector<RecordedOp> answers = run.AfterKey(9);
  EXPECT_NE(GlyphAt(answers, "(", 80, 90, 3), nullptr);
  EXPECT_EQ(GlyphsOf(answers, 5), "ウアイ");
  EXPECT_NE(GlyphAt(answers, "だ", 180, 150, 0), nullptr);
  EXPECT_NE(GlyphAt(answers, "(", 72, 330, 3), nullptr);
}

TEST(OrvantiTopics46, ProblemsFourToSixFollowTheirMarks) {
  struct Case {
    int item;
    std::string number;
    std::string answer;  // the glyphs in colour 5 (minus signs are lines)
  };
  const Case cases[] = {{3, "4", "1212"}, {4, "5", "4≦y≦360≦y≦16"}, {5, "6", "ウ答　ア"}};
  for (const Case& c : cases) {
    SCOPED_TRACE("item " + std::to_string(c.item));
    const ScriptedRun run =
        RunScripted("orvanti", "6\\r" + std::to_string(c.item) + "\\r6\\r7\\r");
    ExpectCleanEndOnce(run);
    const std::vector<RecordedOp> ops = run.AfterKey(4);
    EXPECT_EQ(CountIf(ops, IsWaitBox), 0);
    EXPECT_NE(FindBox(ops, 572, 30, 616, 74, 4, 3), nullptr);
    EXPECT_EQ(GlyphsIn(ops, 572, 30, 616, 74, 13), c.number);
    EXPECT_EQ(GlyphsOf(ops, 5), c.answer);
  }
  const ScriptedRun p4 = RunScripted("orvanti", "6\\r3\\r6\\r7\\r");
  EXPECT_NE(GlyphAt(p4.AfterKey(4), "(", 36, 340, 3), nullptr);
  EXPECT_EQ(GlyphsOf(p4.AfterKey(4), 3), "(1)327(2)327");
  const ScriptedRun p5 = RunScripted("orvanti", "6\\r4\\r6\\r7\\r");
  EXPECT_NE(GlyphAt(p5.AfterKey(4), "だ", 72, 600, 0), nullptr);

  // problem 6: the plane's origin left of its middle, the labels at the
  // graphs' last dots, the answer left of the plane
  const ScriptedRun p6 = RunScripted("orvanti", "6\\r5\\r6\\r7\\r");
  const std::vector<RecordedOp> ops = p6.AfterKey(4);
  EXPECT_NE(LineBetween(ops, 540, 120, 540, 520, 0), nullptr);
  EXPECT_NE(LineBetween(ops, 440, 320, 740, 320, 0), nullptr);
  EXPECT_NE(GlyphAt(ops, "答", 108, 120, 5), nullptr);
  EXPECT_NE(GlyphAt(ops, "ア", 576, 120, 3, 1), nullptr);
  EXPECT_NE(GlyphAt(ops, "ウ", 666, 520, 5, 1), nullptr);
  EXPECT_NE(GlyphAt(ops, "イ", 620, 520, 7, 1), nullptr);
  // ア, ウ, イ in that order
  auto firstDot = [&](int fill) {
    for (size_t i = 0; i < ops.size(); i++)
      if (ops[i].op == "circle" && ops[i].r == 1 && ops[i].fill == fill) return i;
    return ops.size();
  };
  EXPECT_LT(firstDot(3), firstDot(5));
  EXPECT_LT(firstDot(5), firstDot(7));
}

// ---------------------------------------------------------------------------
// Pen widths carried from scene to scene

TEST(OrvantiTopics46, PenWidthsCarryIntoTheNextScene) {
  struct Case {
    std::string name, keys;
    float x1, y1, x2, y2;  // the next scene's first heading box
    int border, fill;
    int pen;
  };
  const std::string shape = "4\\r1\\r" + AnyKeys(4), incDec = "4\\r2\\r" + AnyKeys(8),
                    rate = "4\\r3\\r" + AnyKeys(3);
  const Case cases[] = {
      {"inc-dec after start-up", incDec, 44, 30, 534, 80, 3, 13, 3},
      {"inc-dec after the shape summary", shape + "2\\r" + AnyKeys(8), 44, 30, 534, 80, 3, 13, 5},
      {"inc-dec after itself", incDec + "2\\r" + AnyKeys(8), 44, 30, 534, 80, 3, 13, 4},
      {"rate after inc-dec", incDec + "3\\r" + AnyKeys(3), 44, 30, 534, 80, 3, 13, 4},
      {"problem 4 after the rate summary", rate + "4\\r6\\r3\\r", 72, 30, 528, 78, 3, 13, 5},
      {"problem 5 after inc-dec", incDec + "4\\r6\\r4\\r", 72, 30, 528, 78, 3, 13, 4},
      {"question 8 after start-up", "5\\r4\\r", 60, 100, 252, 150, 3, 13, 3},
      {"question 8 after the definition", "5\\r1\\r" + AnyKeys(8) + "4\\r", 60, 100, 252, 150, 3,
       13, 5},
      {"question 8 after the roller coaster", "5\\r2\\r" + AnyKeys(24) + "4\\r", 60, 100, 252, 150, 3,
       13, 5},
      {"problem 1 after problem 3", "6\\r2\\r 1\\r  ", 72, 30, 528, 78, 3, 13, 5},
      {"problem 6 after start-up", "6\\r5\\r", 72, 30, 528, 78, 3, 13, 3},
      {"problem 6 after problem 3", "6\\r2\\r 5\\r", 72, 30, 528, 78, 3, 13, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScriptedRun run = RunScripted("orvanti", c.keys);
    EXPECT_FALSE(run.faulted);
    const RecordedOp* last = nullptr;
    for (const RecordedOp& op : run.ops)
      if (op.op == "box" && op.x1 == c.x1 && op.y1 == c.y1 && op.x2 == c.x2 && op.y2 == c.y2 &&
          op.border == c.border && op.fill == c.fill)
        last = &op;
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->pen, c.pen);
  }
  // problem 6's graph dots take the carried width too
  const ScriptedRun after3 = RunScripted("orvanti", "6\\r2\\r 5\\r");
  const std::vector<RecordedOp> dots = Dots(after3.SinceLastClear(), 1, 7);
  ASSERT_FALSE(dots.empty());
  EXPECT_EQ(dots.back().pen, 5);
}

// ---------------------------------------------------------------------------
// What the scenes leave in the shared state

class Probe : public Orvanti {
 public:
  using Orvanti::Orvanti;
  using Orvanti::AvgSpeedQuestion8Scene;
  using Orvanti::BasicsProblem3Scene;
  using Orvanti::BasicsProblems12Scene;
  using Orvanti::GetPenWidth;
  using Orvanti::MeasureMathText;
  using Orvanti::SummaryIncDecScene;
  using Orvanti::SummaryRateScene;
  using Orvanti::SummaryShapeScene;
};

struct ProbeRig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  Probe k;
  ProbeRig() : rt(screen, ScriptedRuntime::ParseKeys(AnyKeys(30))), k(rt) {}
  float Width(const std::string& text) {
    k.A_s = text;
    k.MeasureMathText();
    return k.LLT;
  }
};

TEST(OrvantiTopics46, BoxesStartWhereTheirTextsEnd) {
  {
    ProbeRig rig;
    rig.k.SummaryShapeScene();
    Probe& k = rig.k;
    EXPECT_FLOAT_EQ(k.XJ1, 44 + rig.Width(" グラフの形…"));
    EXPECT_EQ(k.YJ1, 90);
    EXPECT_FLOAT_EQ(k.XJ2, 334 + rig.Width("a") + 20);
    EXPECT_FLOAT_EQ(k.YJ2, 301.5f);
    EXPECT_EQ(k.XJ3, 74);
    EXPECT_EQ(k.YJ3, 363);
    EXPECT_FLOAT_EQ(k.XK1, 700 + rig.Width(" グラフの形…"));
    EXPECT_EQ(k.GetPenWidth(), 5);
  }
  {
    ProbeRig rig;
    rig.k.SummaryIncDecScene();
    Probe& k = rig.k;
    EXPECT_FLOAT_EQ(k.XJ1, 44 + rig.Width("a>0のとき…つねに"));
    EXPECT_FLOAT_EQ(k.XJ2, 44 + rig.Width("a<0のとき…つねに") + 20);
    EXPECT_EQ(k.YJ2, 150);
    const float x[] = {k.XK1, k.XK2, k.XK3, k.XK4, k.XK5, k.XK6};
    const float y[] = {k.YK1, k.YK2, k.YK3, k.YK4, k.YK5, k.YK6};
    const char* lead[] = {"①x<0⇒", "②x=0⇒", "③x>0⇒", "④x<0⇒", "⑤x=0⇒", "⑥x>0⇒"};
    const float rows[] = {150, 210, 270, 400, 460, 520};
    for (int i = 0; i < 6; i++) {
      EXPECT_FLOAT_EQ(x[i], 630 + rig.Width(lead[i])) << lead[i];
      EXPECT_EQ(y[i], rows[i]) << lead[i];
    }
    EXPECT_EQ(k.GetPenWidth(), 4);
  }
  {
    ProbeRig rig;
    rig.k.SummaryRateScene();
    Probe& k = rig.k;
    EXPECT_EQ(k.XJ2, 169 + rig.Width("で、"));
    EXPECT_EQ(k.GetPenWidth(), 5);
  }
}

TEST(OrvantiTopics46, StateLeftByQuestionEightAndTheProblems) {
  ProbeRig rig;
  Probe& k = rig.k;
  k.AvgSpeedQuestion8Scene();
  EXPECT_EQ(k.TATE, 50);
  EXPECT_EQ(k.HABA, 64);
  EXPECT_EQ(k.CCC1, 5);
  EXPECT_EQ(k.CCC2, 3);
  EXPECT_EQ(k.CCC3, 15);
  for (int i = 1; i <= 6; i++) {
    EXPECT_EQ(k.T(i), i - 1);
    EXPECT_EQ(k.F(i), 2 * (i - 1) * (i - 1));
  }
  for (int i = 1; i <= 5; i++) EXPECT_EQ(k.F(10 + i), 4 * i - 2);

  const float pen = k.GetPenWidth();
  k.BasicsProblems12Scene();
  EXPECT_EQ(k.XI1, 646);
  EXPECT_EQ(k.YI1, 330);
  EXPECT_EQ(k.GetPenWidth(), pen);
  k.BasicsProblem3Scene();
  EXPECT_EQ(k.GetPenWidth(), 5);
  EXPECT_EQ(k.SIZE, 28);
  EXPECT_EQ(k.BAIX, 1);
  EXPECT_EQ(k.BAIY, 1);
  EXPECT_EQ(k.HABA, 5000);
  EXPECT_EQ(k.KASANARIX, 0);
  EXPECT_EQ(k.KASANARIY, 0);
  EXPECT_EQ(k.GX0, 932);
  EXPECT_EQ(k.GY0, 330);
}


// ---------------------------------------------------------------------------
// The text cursor's steps: each text row starts at the x and on the line
// that its scene's table gives (the first glyph of rows whose first glyph is
// upright; italic letters sit off the pen position).

TEST(OrvantiTopics46, TextRowsStartWhereTheirTablesPutThem) {
  struct Row {
    std::string glyph;
    float x, y;
    int colour;
  };
  struct Case {
    std::string name, keys;
    std::vector<Row> rows;
  };
  const Case cases[] = {
      {"increase and decrease", "4\\r2\\r" + AnyKeys(8) + "4\\r7\\r",
       {{"①", 630, 150, 0}, {"②", 630, 210, 0}, {"③", 630, 270, 0},
        {"④", 630, 400, 0}, {"⑤", 630, 460, 0}, {"⑥", 630, 520, 0}}},
      {"definition", "5\\r1\\r" + AnyKeys(8) + "5\\r7\\r",
       {{"A", 80, 90, 0}, {"4", 80, 150, 0}, {"電", 80, 210, 0}}},
      {"roller coaster", "5\\r2\\r" + AnyKeys(24) + "5\\r7\\r",
       {{"課", 30, 30, 0}, {"y", 60, 90, 0}, {"1", 60, 150, 0}, {"<", 60, 220, 7}}},
      {"question 7", "5\\r3\\r" + AnyKeys(6) + "5\\r7\\r",
       {{"問", 132, 30, 7}, {"だ", 132, 220, 0}}},
      {"question 8", "5\\r4\\r5\\r7\\r", {{"問", 60, 30, 7}}},
      {"problems 1 and 2", "6\\r1\\r  6\\r7\\r",
       {{"y", 116, 90, 5}, {"1", 148, 310, 0}, {"y", 722, 210, 0}}},
      {"problem 3", "6\\r2\\r 6\\r7\\r",
       {{"だ", 180, 270, 0}, {"(", 72, 210, 3}}},
      {"problem 4", "6\\r3\\r6\\r7\\r",
       {{"(", 36, 80, 3}, {"だ", 72, 260, 0}, {"だ", 72, 520, 0}}},
      {"problem 5", "6\\r4\\r6\\r7\\r",
       {{"(", 36, 80, 3}, {"だ", 72, 270, 0}, {"(", 36, 350, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScriptedRun run = RunScripted("orvanti", c.keys);
    ExpectCleanEnd(run);
    for (const Row& r : c.rows)
      EXPECT_NE(GlyphAt(run.ops, r.glyph, r.x, r.y, r.colour), nullptr)
          << r.glyph << " at " << r.x << "," << r.y;
  }
}

// The roller coaster's sketch sets no grid step of its own: entered before
// any function was plotted (steps still 0) or after one (steps 1), it draws
// the same picture.
TEST(OrvantiTopics46, RollerCoasterSameWithOrWithoutAnEarlierPlot) {
  const std::string coaster = "5\\r2\\r" + AnyKeys(24);
  const ScriptedRun fresh = RunScripted("orvanti", coaster);
  const ScriptedRun later = RunScripted("orvanti", "4\\r1\\r" + AnyKeys(4) + "4\\r" + coaster);
  auto picture = [](const ScriptedRun& run) {
    size_t from = 0;
    for (size_t i = 0; i < run.ops.size(); i++) {
      const RecordedOp& op = run.ops[i];
      if (op.op == "box" && op.x1 == 0 && op.y1 == 0 && op.x2 == 1320 && op.y2 == 1300)
        from = i + 1;
    }
    std::vector<std::string> out;
    for (size_t i = from; i < run.ops.size(); i++) {
      const RecordedOp& op = run.ops[i];
      if (op.op == "key" || op.op == "wait") continue;
      out.push_back(ToJsonLine(op));
    }
    return out;
  };
  const std::vector<std::string> a = picture(fresh), b = picture(later);
  ASSERT_GT(a.size(), 100u);
  EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace lesson
