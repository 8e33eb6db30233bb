// Velmora topics 2 to 4: using graphs, cut paper and delivery fees. Scripted
// tours checked on the recorder's log, the line kept in YK2 from scene to
// scene, scenes that draw the same picture whatever scale was left before
// them, and a random-key walk through these topics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/scripted_runtime.h"
#include "platform/text_number.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

int KeyCount(const std::string& keys) {
  return static_cast<int>(ScriptedRuntime::ParseKeys(keys).size());
}

// Strictly less than a hundredth apart.
bool NearStrict(float a, float b) { return std::fabs(a - b) < 0.01f; }

// A scene run from start-up: `before` leads to the scene's sub-menu, `choice`
// picks the scene, then `waits` key presses, then `after` leads out.
struct Tour {
  ScriptedRun run;
  int first = 0;  // the key after which the scene's first step is drawn
  // The ops of step s (1 = the first).
  std::vector<RecordedOp> Step(int s) const { return run.AfterKey(first + s - 1); }
  // Every op of the scene, its last step included.
  std::vector<RecordedOp> All(int waits) const {
    std::vector<RecordedOp> out;
    for (int s = 1; s <= waits + 1; s++) {
      const std::vector<RecordedOp> ops = Step(s);
      out.insert(out.end(), ops.begin(), ops.end());
    }
    return out;
  }
};

Tour RunTour(const std::string& before, const std::string& choice, int waits,
             const std::string& after) {
  Tour t;
  t.run = RunScripted("velmora", before + choice + AnyKeys(waits) + after);
  t.first = KeyCount(before + choice);
  return t;
}

const RecordedOp* FindBoxExactly(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                                 float y2, int border, int fill) {
  for (const RecordedOp& op : ops)
    if (op.op == "box" && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 &&
        op.border == border && op.fill == fill)
      return &op;
  return nullptr;
}

// A table cell: its box and the text inside it in `colour`.
void ExpectCell(const std::vector<RecordedOp>& ops, float x, float y, float w, int fill,
                int colour, const std::string& text) {
  SCOPED_TRACE("cell at " + std::to_string(x) + ", " + std::to_string(y) + " '" + text + "'");
  EXPECT_NE(FindBoxExactly(ops, x, y, x + w, y + 50, 7, fill), nullptr);
  // italic letters stand up to 19 units above the upright glyphs' top
  EXPECT_EQ(TextIn(ops, x, y - 20, x + w, y + 20, colour), text);
}

std::vector<RecordedOp> Circles(const std::vector<RecordedOp>& ops, float r, bool filled) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "circle" && op.r == r && op.filled == filled) out.push_back(op);
  return out;
}

bool HasCircle(const std::vector<RecordedOp>& ops, float x, float y, float r, bool filled,
               int colour) {
  for (const RecordedOp& op : Circles(ops, r, filled))
    if (NearStrict(op.x, x) && NearStrict(op.y, y) && (filled ? op.fill : op.colour) == colour)
      return true;
  return false;
}

// A dot of radius r within `tol` of (x, y): graph dots lie on steps of the
// x range, so a given point of the curve is met only closely.
bool HasDotNear(const std::vector<RecordedOp>& ops, float x, float y, float r, int colour,
                float tol) {
  for (const RecordedOp& op : Circles(ops, r, true))
    if (std::fabs(op.x - x) <= tol && std::fabs(op.y - y) <= tol && op.fill == colour) return true;
  return false;
}

bool HasLine(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2,
             int colour) {
  for (const RecordedOp& op : ops)
    if (op.op == "line" && NearStrict(op.x1, x1) && NearStrict(op.y1, y1) &&
        NearStrict(op.x2, x2) && NearStrict(op.y2, y2) && op.colour == colour)
      return true;
  return false;
}

// Nothing drawn but the key-wait prompt.
bool DrawsNothing(const std::vector<RecordedOp>& ops) {
  return CountIf(ops, [](const RecordedOp& op) {
           return op.op == "circle" || op.op == "line" || op.op == "polyline" ||
                  (op.op == "text" && op.y < 657) || (op.op == "box" && op.y1 < 657);
         }) == 0;
}

struct Label {
  std::string text;
  float x, y;
};

// The visible small-text glyphs (15 points) grouped into labels: a glyph
// continues the label before it when it stands where that one ended.
std::vector<Label> SmallLabels(const std::vector<RecordedOp>& ops) {
  std::vector<Label> out;
  float nextX = 0;
  for (const RecordedOp& op : ops) {
    if (op.op != "text" || op.size != 15 || op.y > 1700) continue;
    if (out.empty() || out.back().y != op.y || nextX != op.x) out.push_back({"", op.x, op.y});
    out.back().text += op.text;
    nextX = op.x + (op.text == "." ? 8.0f : 20.0f);
  }
  return out;
}

std::vector<std::string> LabelTexts(const std::vector<Label>& labels) {
  std::vector<std::string> out;
  for (const Label& l : labels) out.push_back(l.text);
  return out;
}

// ---------------------------------------------------------------------------
// Topic entries and sub-menus

TEST(VelmoraTopics24, BannerOnceAndSubMenuRefusesOutOfRange) {
  struct TopicCase {
    int topic, items;
    std::vector<std::string> goal;  // goal lines as they are drawn, glyph by glyph
    std::string optionLine;
  };
  const TopicCase cases[] = {
      {2, 5, {"身の回りの問題を、", "関数y=axのグラフ"}, "①Ｐ１１８Ｑ　②問２　③例２　④問３　⑤終了"},
      {3, 4, {"紙を重ねて切るときの関数を調べよう。"}, "①Ｐ１２０Ｑ　②グラフ　③厚さ　④終了"},
      {4, 3, {"配達料金の問題をグラフで解決しよう。"}, "①例１　②問１　③終了"},
  };
  for (const TopicCase& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic));
    const std::string last = std::to_string(c.items);
    const std::string refused = "0\\r" + std::to_string(c.items + 1) + "\\r-1\\r";
    const ScriptedRun run =
        RunScripted("velmora", std::to_string(c.topic) + "\\r" + refused + last + "\\r8\\r");
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, [](const RecordedOp& op) {
                return op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240 &&
                       op.colour == 3;
              }),
              1);
    for (size_t i = 0; i < c.goal.size(); i++) {
      const float y = 305 + 65 * static_cast<float>(i);
      EXPECT_TRUE(TextStartsAt(run.ops, 76, y, 0, Chars(c.goal[i])[0]));
      // the goal text (markup glyphs aside) stands on its line in colour 0
      std::string line;
      for (const RecordedOp& op : run.ops)
        if (op.op == "text" && op.colour == 0 && op.y >= y - 25 && op.y <= y + 5 && op.x >= 76)
          line += op.text;
      EXPECT_NE(line.find(c.goal[i].substr(0, 6)), std::string::npos) << line;
    }
    // the option line (a prompt text, so in full-width characters) four
    // times: three refusals; no scene ran
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 4);
    EXPECT_NE(run.AllText().find(c.optionLine), std::string::npos);
    EXPECT_EQ(CountIf(run.ops, IsKeyWaitBox), 0);
  }
}

// Every scene takes exactly its number of key presses and goes back to its
// option line, where the last item leads to the main menu and 8 ends.
TEST(VelmoraTopics24, EverySceneTakesItsKeysAndReturnsToItsOptionLine) {
  struct SceneCase {
    int topic, item, waits, last;
  };
  const SceneCase cases[] = {{2, 1, 20, 5}, {2, 2, 11, 5}, {2, 3, 20, 5}, {2, 4, 21, 5},
                             {3, 1, 16, 4}, {3, 2, 28, 4}, {3, 3, 21, 4}, {4, 1, 16, 3},
                             {4, 2, 6, 3}};
  for (const SceneCase& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic) + " item " + std::to_string(c.item));
    const std::string keys = std::to_string(c.topic) + "\\r" + std::to_string(c.item) + "\\r" +
                             AnyKeys(c.waits) + std::to_string(c.last) + "\\r8\\r";
    const ScriptedRun run = RunScripted("velmora", keys);
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, IsKeyWaitBox), c.waits);
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 2);
    // the goal banner is drawn once, on entering the topic
    EXPECT_EQ(CountIf(run.ops, [](const RecordedOp& op) {
                return op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240 &&
                       op.colour == 3;
              }),
              1);
  }
}

// ---------------------------------------------------------------------------
// Topic 2: using graphs

TEST(VelmoraTopics24, TrainCatchUpTour) {
  const Tour t = RunTour("2\\r", "1\\r", 20, "5\\r8\\r");
  ExpectCleanEndOnce(t.run);

  const std::vector<RecordedOp> s1 = t.Step(1);
  EXPECT_NE(FindBoxExactly(s1, 0, 0, 1320, 1300, 15, 15), nullptr);
  EXPECT_TRUE(TextStartsAt(s1, 30, 20, 0, "電"));
  EXPECT_TRUE(TextStartsAt(s1, 66, 80, 7, "電"));
  EXPECT_TRUE(TextStartsAt(s1, 66, 260, 7, "自"));
  // both tables: the x rows filled, the y rows empty
  const char* xs[] = {"10", "20", "30", "40", "50", "60"};
  for (float top : {140.0f, 310.0f}) {
    ExpectCell(s1, 30, top, 64, 15, 0, "x");
    ExpectCell(s1, 30, top + 50, 64, 13, 0, "y");
    for (int k = 0; k < 6; k++) {
      ExpectCell(s1, 94 + 96.0f * k, top, 96, 15, 0, xs[k]);
      ExpectCell(s1, 94 + 96.0f * k, top + 50, 96, 13, 3, "");
    }
  }
  // the empty plane: grid, axes, and the value labels of 10 s and 50 m a step
  EXPECT_TRUE(HasLine(s1, 792, 30, 792, 600, 0));
  EXPECT_TRUE(HasLine(s1, 792, 600, 972, 600, 0));
  EXPECT_EQ(LabelTexts(SmallLabels(s1)), (std::vector<std::string>{"50", "250", "500", "750"}));
  EXPECT_EQ(Circles(s1, 1, true).size(), 0u);

  // the train's parabola: all 5001 dots inside the plane, up to (972, 60)
  const std::vector<RecordedOp> train = Circles(t.Step(3), 1, true);
  ASSERT_EQ(train.size(), 5001u);
  EXPECT_TRUE(HasDotNear(train, 972, 60, 1, 3, 0.1f));
  EXPECT_EQ(train.back().fill, 3);
  EXPECT_TRUE(TextStartsAt(t.Step(3), 972, 60, 3, "電"));
  // the car's line ends at 600 m; the two cross at (40 s, 400 m) = (912, 360)
  const std::vector<RecordedOp> car = Circles(t.Step(4), 1, true);
  ASSERT_EQ(car.size(), 5001u);
  EXPECT_TRUE(HasDotNear({car.back()}, 972, 240, 1, 7, 0.1f));
  EXPECT_EQ(car.back().fill, 7);
  EXPECT_TRUE(HasDotNear(car, 912, 360, 1, 7, 0.1f));
  EXPECT_TRUE(HasDotNear(train, 912, 360, 1, 3, 0.1f));

  EXPECT_TRUE(TextStartsAt(t.Step(2), 30, 420, 7, "①"));
  EXPECT_TRUE(TextStartsAt(t.Step(5), 30, 480, 7, "②"));
  EXPECT_EQ(TextIn(t.Step(6), 300, 470, 792, 530, 5), "40秒後");
  EXPECT_TRUE(TextStartsAt(t.Step(7), 30, 540, 7, "③"));

  // the y rows refilled one cell per key, in colour 3
  const char* train_y[] = {"25", "100", "225", "400", "625", "900"};
  const char* car_y[] = {"100", "200", "300", "400", "500", "600"};
  for (int k = 0; k < 6; k++) {
    ExpectCell(t.Step(8 + k), 94 + 96.0f * k, 190, 96, 13, 3, train_y[k]);
    ExpectCell(t.Step(14 + k), 94 + 96.0f * k, 360, 96, 13, 3, car_y[k]);
  }
  EXPECT_TRUE(DrawsNothing(t.Step(20)));
  EXPECT_TRUE(TextStartsAt(t.Step(21), 30, 600, 3, "教"));
}

TEST(VelmoraTopics24, BicycleCatchUpTour) {
  const Tour t = RunTour("2\\r", "2\\r", 11, "5\\r8\\r");
  ExpectCleanEndOnce(t.run);
  // the heading stands alone until the first key; the plane comes with step 2
  EXPECT_TRUE(TextStartsAt(t.Step(1), 30, 20, 3, "教"));
  EXPECT_FALSE(HasLine(t.Step(1), 792, 30, 792, 600, 0));
  const std::vector<RecordedOp> s2 = t.Step(2);
  EXPECT_TRUE(HasLine(s2, 792, 30, 792, 600, 0));
  EXPECT_TRUE(HasLine(s2, 792, 600, 972, 600, 0));
  EXPECT_EQ(LabelTexts(SmallLabels(s2)), (std::vector<std::string>{"50", "250", "500", "750"}));
  EXPECT_TRUE(TextStartsAt(s2, 30, 80, 0, "自"));
  EXPECT_TRUE(TextStartsAt(t.Step(6), 66, 250, 7, "自"));
  EXPECT_TRUE(TextStartsAt(t.Step(7), 66, 320, 7, "電"));
  EXPECT_NE(t.run.AllText().find("グラフをかき､追いつく時間を求めると"), std::string::npos);

  // bicycle, train, and at the end the car, each over 0..60 s
  const struct {
    int step, colour;
    float endY;
    std::string label;
  } graphs[] = {{9, 7, 420, "自"}, {10, 3, 60, "電"}, {12, 7, 240, "自"}};
  for (const auto& g : graphs) {
    SCOPED_TRACE("step " + std::to_string(g.step));
    const std::vector<RecordedOp> dots = Circles(t.Step(g.step), 1, true);
    ASSERT_EQ(dots.size(), 5001u);
    EXPECT_TRUE(NearStrict(dots.front().x, 792) ||
                NearStrict(dots.front().x, 792.0f + 30 * 0.002f / 10));
    EXPECT_TRUE(HasDotNear({dots.back()}, 972, g.endY, 1, g.colour, 0.1f));
    EXPECT_EQ(dots.back().fill, g.colour);
    EXPECT_TRUE(TextStartsAt(t.Step(g.step), 972, g.endY, g.colour, g.label));
  }
  // the bicycle and the train meet at (20 s, 100 m) = (852, 540)
  EXPECT_TRUE(HasDotNear(t.Step(9), 852, 540, 1, 7, 0.1f));
  EXPECT_EQ(TextIn(t.Step(11), 200, 430, 792, 490, 5), "20秒後");
  // the car's line is the last drawing: the option line follows at once
  EXPECT_EQ(CountIf(t.Step(12), IsKeyWaitBox), 0);
  EXPECT_EQ(CountIf(t.Step(12), IsOptionLine), 1);
}

TEST(VelmoraTopics24, CoefficientFromIntersectionsTour) {
  const Tour t = RunTour("2\\r", "3\\r", 20, "5\\r8\\r");
  ExpectCleanEndOnce(t.run);
  const std::vector<RecordedOp> s1 = t.Step(1);
  // axes only, origin (986, 500)
  EXPECT_TRUE(HasLine(s1, 986, 50, 986, 530, 0));
  EXPECT_TRUE(HasLine(s1, 836, 500, 1196, 500, 0));
  // A and B, each on both graphs, with their dotted drops
  EXPECT_TRUE(HasCircle(s1, 926, 440, 6, true, 3));
  EXPECT_TRUE(HasCircle(s1, 1106, 260, 6, true, 3));
  EXPECT_TRUE(TextStartsAt(s1, 876, 390, 3, "A"));
  EXPECT_TRUE(TextStartsAt(s1, 1076, 210, 3, "B"));
  int dropA = 0, dropB = 0;
  for (const RecordedOp& op : Circles(s1, 0.5f, true)) {
    if (NearStrict(op.x, 926) && op.y >= 440 - 0.01f && op.y <= 500.01f) dropA++;
    if (NearStrict(op.x, 1106) && op.y >= 260 - 0.01f && op.y <= 500.01f) dropB++;
  }
  EXPECT_EQ(dropA, 23);
  EXPECT_EQ(dropB, 61);
  // the marks below the axis, their tops on it
  EXPECT_EQ(TextIn(s1, 895, 480, 960, 540, 3), "-2");
  EXPECT_EQ(TextIn(s1, 1085, 480, 1130, 540, 3), "4");
  // the labels of the graphs: 360 left of their last dots
  EXPECT_TRUE(TextStartsAt(s1, 836, 560, 0, "y"));
  EXPECT_TRUE(TextStartsAt(s1, 30, 70, 3, "<"));

  // both solutions on the same lines; the answer at 530
  EXPECT_EQ(TextIn(t.Step(4), 30, 200, 792, 260, 3), "2A(-2,2)");
  EXPECT_TRUE(TextStartsAt(t.Step(10), 30, 530, 5, "答"));
  const std::vector<RecordedOp> s11 = t.Step(11);
  EXPECT_NE(FindBoxExactly(s11, 0, 70, 792, 1370, 15, 15), nullptr);
  EXPECT_TRUE(TextStartsAt(s11, 30, 70, 3, "<"));
  EXPECT_EQ(TextIn(t.Step(14), 30, 200, 792, 260, 3), "8B(4,8)");
  EXPECT_TRUE(TextStartsAt(t.Step(20), 30, 530, 5, "答"));
  EXPECT_TRUE(TextStartsAt(t.Step(21), 30, 600, 3, "教"));
}

TEST(VelmoraTopics24, ParabolaLineAreaTour) {
  const Tour t = RunTour("2\\r", "4\\r", 21, "5\\r8\\r");
  ExpectCleanEndOnce(t.run);
  EXPECT_TRUE(TextStartsAt(t.Step(1), 30, 20, 3, "教"));
  const std::vector<RecordedOp> s2 = t.Step(2);
  EXPECT_TRUE(HasLine(s2, 986, 50, 986, 590, 0));
  EXPECT_TRUE(HasCircle(s2, 956, 110, 6, true, 3));
  EXPECT_TRUE(HasCircle(s2, 1106, 560, 6, true, 3));
  EXPECT_TRUE(HasLine(s2, 956, 110, 956, 80, 3));
  EXPECT_TRUE(HasLine(s2, 1106, 560, 1106, 80, 3));
  // the marks carry the problem's numbers, above the axis
  EXPECT_EQ(TextIn(s2, 925, 25, 975, 60, 3), "-1");
  EXPECT_EQ(TextIn(s2, 1085, 25, 1120, 60, 3), "3");
  EXPECT_TRUE(TextStartsAt(s2, 906, 90, 3, "A"));
  EXPECT_TRUE(TextStartsAt(s2, 1126, 540, 3, "B"));
  // the curve's label, 300 left of its last dot near (1110, 590)
  EXPECT_TRUE(TextStartsAt(s2, 808, 590, 0, "y"));

  EXPECT_TRUE(TextStartsAt(t.Step(3), 30, 80, 3, "("));
  EXPECT_TRUE(TextStartsAt(t.Step(7), 30, 290, 3, "("));
  EXPECT_TRUE(TextStartsAt(t.Step(14), 120, 590, 5, "答"));
  // C on the y axis, labelled with the problem's -6
  const std::vector<RecordedOp> s15 = t.Step(15);
  EXPECT_TRUE(HasCircle(s15, 986, 200, 6, true, 3));
  EXPECT_TRUE(TextStartsAt(s15, 946, 225, 3, "C"));
  EXPECT_EQ(TextIn(s15, 910, 180, 960, 215, 3), "-6");

  // the text is wiped up to 40 left of the plane; the triangles at pen 5
  const std::vector<RecordedOp> s16 = t.Step(16);
  EXPECT_NE(FindBoxExactly(s16, 0, 0, 796, 1800, 15, 15), nullptr);
  auto polygons = [](const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops)
      if (op.op == "polyline") out.push_back(op);
    return out;
  };
  const std::vector<RecordedOp> oab = polygons(s16);
  ASSERT_EQ(oab.size(), 1u);
  EXPECT_EQ(oab[0].colour, 9);
  EXPECT_EQ(oab[0].pen, 5);
  const std::vector<Point> oabPts = {{986, 80}, {956, 110}, {1106, 560}, {986, 80}};
  ASSERT_EQ(oab[0].points.size(), oabPts.size());
  for (size_t i = 0; i < oabPts.size(); i++) {
    EXPECT_TRUE(NearStrict(oab[0].points[i].x, oabPts[i].x) &&
                NearStrict(oab[0].points[i].y, oabPts[i].y));
  }
  const std::vector<RecordedOp> s17 = polygons(t.Step(17));
  ASSERT_EQ(s17.size(), 2u);
  EXPECT_EQ(s17[0].colour, 7);
  EXPECT_EQ(s17[1].colour, 3);
  EXPECT_TRUE(NearStrict(s17[0].points[2].x, 986) && NearStrict(s17[0].points[2].y, 200));
  EXPECT_TRUE(NearStrict(s17[1].points[1].x, 986) && NearStrict(s17[1].points[1].y, 200));
  EXPECT_TRUE(TextStartsAt(t.Step(16), 30, 20, 3, "("));
  EXPECT_EQ(TextIn(t.Step(22), 30, 290, 792, 350, 3), "=12");
  EXPECT_TRUE(TextStartsAt(t.Step(22), 120, 360, 5, "答"));
}

// ---------------------------------------------------------------------------
// Topic 3: cut paper

TEST(VelmoraTopics24, SheetCountTour) {
  const Tour t = RunTour("3\\r", "1\\r", 16, "4\\r8\\r");
  ExpectCleanEndOnce(t.run);
  const std::vector<RecordedOp> s1 = t.Step(1);
  EXPECT_TRUE(TextStartsAt(s1, 30, 80, 3, "Q"));
  ExpectCell(s1, 57, 130, 64, 15, 0, "x");
  ExpectCell(s1, 57, 180, 64, 13, 3, "y");
  ExpectCell(s1, 57, 230, 64, 15, 0, "x");
  ExpectCell(s1, 57, 280, 64, 13, 3, "y");
  const char* cuts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  const char* sheets[] = {"1", "2", "4", "8", "16", "32", "64", "128", "256", "512", "1024"};
  for (int k = 0; k < 11; k++) {
    const float cx = 121 + 96.0f * static_cast<float>(k < 6 ? k : k - 6);
    const float top = k < 6 ? 130 : 230;
    const float w = k == 10 ? 128 : 96;
    ExpectCell(s1, cx, top, w, 15, 0, cuts[k]);
    ExpectCell(s1, cx, top + 50, w, 13, 3, "");
    // one sheet count per key, from step 2 on
    ExpectCell(t.Step(2 + k), cx, top + 50, w, 13, 3, sheets[k]);
  }
  EXPECT_TRUE(DrawsNothing(t.Step(13)));
  EXPECT_TRUE(TextStartsAt(t.Step(14), 30, 350, 3, "Q"));
  EXPECT_EQ(TextIn(t.Step(15), 300, 340, 792, 400, 5), "いえる");
  EXPECT_TRUE(TextStartsAt(t.Step(16), 57, 400, 0, "x"));
  EXPECT_TRUE(TextStartsAt(t.Step(17), 30, 460, 3, "Q"));
}

TEST(VelmoraTopics24, SheetGraphTourAfterSheetCount) {
  const std::string before = "3\\r1\\r" + AnyKeys(16);
  const Tour t = RunTour(before, "2\\r", 28, "4\\r8\\r");
  ExpectCleanEndOnce(t.run);
  const std::vector<RecordedOp> s1 = t.Step(1);
  // only the text area below the Q2 line is cleared: the table stays
  EXPECT_NE(FindBoxExactly(s1, 0, 350, 792, 1850, 15, 15), nullptr);
  EXPECT_EQ(CountIf(s1, [](const RecordedOp& op) {
              return op.op == "box" && op.y1 < 350 && op.fill == 15 && op.border == 15;
            }),
            0);
  EXPECT_TRUE(TextStartsAt(s1, 30, 350, 3, "Q"));
  // the narrow plane: origin (924, 625), top 10, right 1074
  EXPECT_TRUE(HasLine(s1, 924, 10, 924, 625, 0));
  EXPECT_TRUE(HasLine(s1, 924, 625, 1074, 625, 0));
  EXPECT_EQ(LabelTexts(SmallLabels(s1)),
            (std::vector<std::string>{"5", "10", "125", "250", "375", "500", "625", "750", "875",
                                      "1000"}));
  // the points (k, 2^k), then (k, k^2), one per key
  const float powY[] = {624.4f, 623.8f, 622.6f, 620.2f, 615.4f, 605.8f,
                        586.6f, 548.2f, 471.4f, 317.8f, 10.6f};
  const float sqY[] = {625, 624.4f, 622.6f, 619.6f, 615.4f, 610, 603.4f, 595.6f, 586.6f,
                       576.4f, 565};
  for (int k = 0; k <= 10; k++) {
    SCOPED_TRACE("k " + std::to_string(k));
    EXPECT_TRUE(HasCircle(t.Step(2 + k), 924 + 15.0f * k, powY[k], 6, true, 3));
    EXPECT_TRUE(HasCircle(t.Step(14 + k), 924 + 15.0f * k, sqY[k], 4, true, 7));
  }
  EXPECT_TRUE(DrawsNothing(t.Step(13)));
  EXPECT_TRUE(DrawsNothing(t.Step(25)));
  // the parabola at the plane's scale, its label near (1074, 565)
  const std::vector<RecordedOp> curve = Circles(t.Step(26), 1, true);
  ASSERT_FALSE(curve.empty());
  EXPECT_TRUE(HasDotNear({curve.back()}, 1074, 565, 1, 7, 0.1f));
  EXPECT_TRUE(TextStartsAt(t.Step(26), 1074, 565, 7, "y"));
  // the dotted y=2^x: 501 dots from (999, 605.8) to (1074, 10.6)
  const std::vector<RecordedOp> dotted = Circles(t.Step(27), 1, true);
  ASSERT_EQ(dotted.size(), 501u);
  EXPECT_TRUE(NearStrict(dotted.front().x, 999) && std::fabs(dotted.front().y - 605.8f) < 0.05f);
  EXPECT_TRUE(NearStrict(dotted.back().x, 1074) && std::fabs(dotted.back().y - 10.6f) < 0.05f);
  EXPECT_EQ(dotted.back().fill, 3);
  EXPECT_TRUE(TextStartsAt(t.Step(28), 57, 400, 0, "2"));
  EXPECT_TRUE(TextStartsAt(t.Step(29), 57, 460, 3, "x"));
  EXPECT_TRUE(TextStartsAt(t.Step(29), 57, 510, 3, "y"));
}

TEST(VelmoraTopics24, PaperThicknessTour) {
  const Tour t = RunTour("3\\r", "3\\r", 21, "4\\r8\\r");
  ExpectCleanEndOnce(t.run);
  EXPECT_TRUE(TextStartsAt(t.Step(1), 84, 70, 0, "か"));
  EXPECT_TRUE(TextStartsAt(t.Step(1), 30, 130, 7, "<"));
  struct Block {
    int firstStep;  // the step of its first reveal
    int rowsStep;   // the step that draws its rows
    float top, width;
    std::vector<std::string> cuts, thickness;
  };
  const Block blocks[] = {
      {3, 2, 190, 120,
       {"10", "11", "12", "13", "14", "15", "16", "17"},
       {"6.4", "12.8", "25.6", "51.2", "102.4", "204.8", "409.6", "819.2"}},
      {12, 11, 300, 180,
       {"18", "19", "20", "21", "22"},
       {"1638.4", "3276.8", "6553.6", "13107.2", "26214.4"}},
      {18, 17, 410, 240, {"23", "24", "25"}, {"52428.8", "104857.6", "209715.2"}},
  };
  for (const Block& b : blocks) {
    SCOPED_TRACE("block at " + std::to_string(b.top));
    const std::vector<RecordedOp> rows = t.Step(b.rowsStep);
    ExpectCell(rows, 84, b.top, 80, 15, 0, "回数");
    ExpectCell(rows, 84, b.top + 50, 80, 13, 3, "厚さ");
    for (size_t k = 0; k < b.cuts.size(); k++) {
      const float x = 164 + b.width * static_cast<float>(k);
      ExpectCell(rows, x, b.top, b.width, 15, 0, b.cuts[k]);
      ExpectCell(rows, x, b.top + 50, b.width, 13, 3, "");
      ExpectCell(t.Step(b.firstStep + static_cast<int>(k)), x, b.top + 50, b.width, 13, 3,
                 b.thickness[k]);
    }
  }
  EXPECT_TRUE(DrawsNothing(t.Step(21)));
  EXPECT_TRUE(TextStartsAt(t.Step(22), 84, 520, 5, "答"));
  EXPECT_EQ(TextIn(t.Step(22), 84, 500, 792, 560, 5), "答　24回以上");
}

// ---------------------------------------------------------------------------
// Topic 4: delivery fees

// The labels of the fee plane: x labels alternating between two rows, y
// labels ending 20 left of the axis and stopping below 2400.
void ExpectFeePlaneLabels(const std::vector<RecordedOp>& ops) {
  const std::vector<Label> labels = SmallLabels(ops);
  const std::vector<Label> expected = {
      {"20", 690, 464},   {"40", 740, 494},   {"60", 790, 464},   {"80", 840, 494},
      {"100", 880, 464},  {"120", 930, 494},  {"140", 980, 464},  {"160", 1030, 494},
      {"180", 1080, 464}, {"300", 580, 395},  {"600", 580, 345},  {"900", 580, 295},
      {"1200", 560, 245}, {"1500", 560, 195}, {"1800", 560, 145}, {"2100", 560, 95},
  };
  ASSERT_EQ(labels.size(), expected.size());
  for (size_t i = 0; i < expected.size(); i++) {
    EXPECT_EQ(labels[i].text, expected[i].text);
    EXPECT_TRUE(NearStrict(labels[i].x, expected[i].x) && NearStrict(labels[i].y, expected[i].y))
        << labels[i].text << " at " << labels[i].x << ", " << labels[i].y;
  }
}

TEST(VelmoraTopics24, DeliveryExampleTour) {
  const Tour t = RunTour("4\\r", "1\\r", 16, "3\\r8\\r");
  ExpectCleanEndOnce(t.run);
  const std::vector<RecordedOp> s1 = t.Step(1);
  EXPECT_TRUE(TextStartsAt(s1, 60, 30, 3, "A"));
  ExpectCell(s1, 60, 80, 240, 15, 0, "長さの合計");
  ExpectCell(s1, 300, 80, 160, 13, 3, "料金");
  const char* lengths[] = {"60cmまで",  "80cmまで",  "100cmまで", "120cmまで",
                           "140cmまで", "160cmまで", "170cmまで"};
  const char* fees[] = {"900円", "1100円", "1300円", "1500円", "1700円", "1900円", "2100円"};
  for (int k = 0; k < 7; k++) {
    ExpectCell(s1, 60, 130 + 50.0f * k, 240, 15, 0, lengths[k]);
    ExpectCell(s1, 300, 130 + 50.0f * k, 160, 13, 3, fees[k]);
  }
  // after start-up the borders take pen 3
  EXPECT_EQ(FindBoxExactly(s1, 60, 80, 300, 130, 7, 15)->pen, 3);
  EXPECT_TRUE(HasLine(s1, 660, 60, 660, 460, 0));
  EXPECT_TRUE(HasLine(s1, 660, 460, 1110, 460, 0));
  ExpectFeePlaneLabels(s1);

  // band 1 over five keys: ring, three discs, segment, at pen 5
  EXPECT_TRUE(HasCircle(t.Step(2), 660, 310, 8, false, 3));
  EXPECT_EQ(Circles(t.Step(2), 8, false)[0].pen, 5);
  for (int i = 1; i <= 3; i++) EXPECT_TRUE(HasCircle(t.Step(2 + i), 660 + 50.0f * i, 310, 7, true, 3));
  EXPECT_TRUE(HasLine(t.Step(6), 660, 310, 810, 310, 3));
  // bands 2 to 7, one per key: ring at the lower bound, disc at the upper
  const float bands[][3] = {{810, 860, 276.66667f},  {860, 910, 243.33333f},
                            {910, 960, 210},         {960, 1010, 176.66667f},
                            {1010, 1060, 143.33333f}, {1060, 1085, 110}};
  for (int b = 0; b < 6; b++) {
    SCOPED_TRACE("band " + std::to_string(b + 2));
    const std::vector<RecordedOp> ops = t.Step(7 + b);
    EXPECT_TRUE(HasCircle(ops, bands[b][0], bands[b][2], 8, false, 3));
    EXPECT_TRUE(HasCircle(ops, bands[b][1], bands[b][2], 7, true, 3));
    EXPECT_TRUE(HasLine(ops, bands[b][0], bands[b][2], bands[b][1], bands[b][2], 3));
    // the ring first, then the disc, then the segment
    std::vector<std::string> order;
    for (const RecordedOp& op : ops)
      if (op.op == "circle" || (op.op == "line" && op.colour == 3)) order.push_back(op.op + (op.filled ? "+" : ""));
    EXPECT_EQ(order, (std::vector<std::string>{"circle", "circle+", "line"}));
  }
  EXPECT_TRUE(DrawsNothing(t.Step(13)));
  EXPECT_TRUE(TextStartsAt(t.Step(14), 60, 500, 3, "Q"));
  EXPECT_EQ(TextIn(t.Step(15), 300, 490, 792, 550, 5), "いえる");
  EXPECT_TRUE(TextStartsAt(t.Step(16), 60, 560, 0, "x"));
  // the closing line continues 60 units after the reason
  const std::vector<RecordedOp> s17 = t.Step(17);
  float reasonEnd = 0;
  for (const RecordedOp& op : t.Step(16))
    if (op.op == "text" && op.y >= 535 && op.y <= 565) reasonEnd = std::max(reasonEnd, op.x);
  bool closing = false;
  for (const RecordedOp& op : s17)
    if (op.op == "text" && op.text == "問" && op.colour == 3 && std::fabs(op.y - 560) < 1)
      closing = op.x > reasonEnd + 60 && op.x < reasonEnd + 130;
  EXPECT_TRUE(closing);
}

TEST(VelmoraTopics24, DeliveryExerciseTour) {
  // after the example the table borders of the exercise are still drawn at 3
  const Tour t = RunTour("4\\r1\\r" + AnyKeys(16), "2\\r", 6, "3\\r8\\r");
  ExpectCleanEndOnce(t.run);
  const std::vector<RecordedOp> s1 = t.Step(1);
  EXPECT_NE(FindBoxExactly(s1, 0, 0, 1760, 1800, 15, 15), nullptr);
  ExpectFeePlaneLabels(s1);
  // company A's whole graph comes before the title, at pen 5
  size_t title = 0;
  for (size_t i = 0; i < s1.size(); i++)
    if (s1[i].op == "text" && s1[i].colour == 7 && s1[i].x == 30 && s1[i].y == 30) {
      title = i;
      break;
    }
  ASSERT_GT(title, 0u);
  const std::vector<RecordedOp> beforeTitle(s1.begin(), s1.begin() + static_cast<long>(title));
  EXPECT_EQ(Circles(beforeTitle, 8, false).size(), 7u);
  EXPECT_EQ(Circles(beforeTitle, 7, true).size(), 7u);
  EXPECT_TRUE(HasCircle(beforeTitle, 660, 310, 8, false, 3));
  EXPECT_TRUE(HasCircle(beforeTitle, 1085, 110, 7, true, 3));
  EXPECT_EQ(Circles(beforeTitle, 7, true)[0].pen, 5);
  // company B's table: five rows from 140, borders at pen 3
  EXPECT_TRUE(TextStartsAt(s1, 60, 90, 3, "B"));
  const char* lengths[] = {"50cmまで", "80cmまで", "110cmまで", "140cmまで", "170cmまで"};
  const char* fees[] = {"700円", "1050円", "1400円", "1750円", "2100円"};
  ExpectCell(s1, 60, 140, 240, 15, 0, "長さの合計");
  ExpectCell(s1, 300, 140, 160, 13, 3, "料金");
  for (int k = 0; k < 5; k++) {
    ExpectCell(s1, 60, 190 + 50.0f * k, 240, 15, 0, lengths[k]);
    ExpectCell(s1, 300, 190 + 50.0f * k, 160, 13, 3, fees[k]);
  }
  EXPECT_EQ(FindBoxExactly(s1, 60, 390, 300, 440, 7, 15)->pen, 3);
  // entries 6 and 7 (200 cm, 2450 yen) are set but get no row
  EXPECT_EQ(FindBoxExactly(s1, 60, 440, 300, 490, 7, 15), nullptr);
  EXPECT_EQ(FindBoxExactly(s1, 300, 440, 460, 490, 7, 13), nullptr);

  // company B's bands in colour 7 at pen 5: two at the first key, then one each
  const float bands[][3] = {{660, 785, 343.33333f}, {785, 860, 285}, {860, 935, 226.66667f},
                            {935, 1010, 168.33333f}, {1010, 1085, 110}};
  const int stepOf[] = {2, 2, 3, 4, 5};
  for (int b = 0; b < 5; b++) {
    SCOPED_TRACE("band " + std::to_string(b + 1));
    const std::vector<RecordedOp> ops = t.Step(stepOf[b]);
    EXPECT_TRUE(HasCircle(ops, bands[b][0], bands[b][2], 8, false, 7));
    EXPECT_TRUE(HasCircle(ops, bands[b][1], bands[b][2], 7, true, 7));
    EXPECT_TRUE(HasLine(ops, bands[b][0], bands[b][2], bands[b][1], bands[b][2], 7));
    EXPECT_EQ(Circles(ops, 7, true)[0].pen, 5);
  }
  EXPECT_TRUE(DrawsNothing(t.Step(6)));
  const std::vector<RecordedOp> s7 = t.Step(7);
  EXPECT_TRUE(TextStartsAt(s7, 60, 460, 0, "グ"));
  EXPECT_EQ(TextIn(s7, 60, 510, 792, 570, 5), "BAA");
  EXPECT_EQ(TextIn(s7, 60, 510, 792, 570, 0), "(1)(2)(3)");
}

// ---------------------------------------------------------------------------
// State carried between scenes

// The sheet graph scene clears and writes from the line that the last scene
// storing one left: the train 260, the bicycle 250, the sheet count 350, the
// delivery example 500, none since start-up 0. Scenes that store none leave
// it alone. After the delivery example its last line (y 660) lies in the
// prompt strip, where the option line is then drawn over it.
TEST(VelmoraTopics24, SheetGraphStartsAtTheLineTheLastSceneKept) {
  struct Case {
    std::string name, before;  // keys from start-up back to the main menu
    float y;
  };
  const Case cases[] = {
      {"start-up", "", 0},
      {"train", "2\\r1\\r" + AnyKeys(20) + "5\\r", 260},
      {"bicycle", "2\\r2\\r" + AnyKeys(11) + "5\\r", 250},
      {"sheet count", "3\\r1\\r" + AnyKeys(16) + "4\\r", 350},
      {"delivery example", "4\\r1\\r" + AnyKeys(16) + "3\\r", 500},
      {"train, then the coefficient and area scenes", "2\\r1\\r" + AnyKeys(20) + "3\\r" + AnyKeys(20) +
                                                          "4\\r" + AnyKeys(21) + "5\\r",
       260},
      {"delivery example, then the exercise", "4\\r1\\r" + AnyKeys(16) + "2\\r" + AnyKeys(6) + "3\\r", 500},
      {"delivery example, then the bicycle", "4\\r1\\r" + AnyKeys(16) + "3\\r2\\r2\\r" + AnyKeys(11) + "5\\r",
       250},
      {"bicycle, then the thickness", "2\\r2\\r" + AnyKeys(11) + "5\\r3\\r3\\r" + AnyKeys(21) + "4\\r", 250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Tour t = RunTour(c.before + "3\\r", "2\\r", 28, "4\\r8\\r");
    ExpectCleanEndOnce(t.run);
    const std::vector<RecordedOp> s1 = t.Step(1);
    EXPECT_NE(FindBoxExactly(s1, 0, c.y, 792, c.y + 1500, 15, 15), nullptr);
    EXPECT_TRUE(TextStartsAt(s1, 30, c.y, 3, "Q"));
    EXPECT_TRUE(TextStartsAt(t.Step(28), 57, c.y + 50, 0, "2"));
    EXPECT_TRUE(TextStartsAt(t.Step(29), 57, c.y + 160, 3, "y"));
  }
}

// A scene that draws a plane sets its scale itself: run after a scene that
// left another scale (the delivery example leaves 20 and 300, the sheet
// graph 1 and 25), it draws the same picture as after a fresh start. Pen
// widths are left out of the comparison: a scene that sets none draws with
// what the last one left.
TEST(VelmoraTopics24, ScenesDrawTheSamePictureWhateverScaleWasLeft) {
  struct Case {
    std::string name, before, choice;
    int waits;
    std::string after;
  };
  const Case scenes[] = {
      {"train", "2\\r", "1\\r", 20, "5\\r8\\r"},
      {"bicycle", "2\\r", "2\\r", 11, "5\\r8\\r"},
      {"coefficient", "2\\r", "3\\r", 20, "5\\r8\\r"},
      {"area", "2\\r", "4\\r", 21, "5\\r8\\r"},
      {"sheet graph", "3\\r1\\r" + AnyKeys(16), "2\\r", 28, "4\\r8\\r"},
      {"delivery example", "4\\r", "1\\r", 16, "3\\r8\\r"},
      {"delivery exercise", "4\\r", "2\\r", 6, "3\\r8\\r"},
  };
  const std::string scaleLeavers[] = {
      "4\\r1\\r" + AnyKeys(16) + "3\\r",  // BAIX 20, BAIY 300, the fee plane's ranges
      "3\\r2\\r" + AnyKeys(28) + "4\\r",  // BAIX 1, BAIY 25, the sheet plane's ranges
  };
  auto same = [](const RecordedOp& a, const RecordedOp& b) {
    if (a.op != b.op || a.text != b.text || a.colour != b.colour || a.border != b.border ||
        a.fill != b.fill || a.filled != b.filled || a.face != b.face || a.size != b.size ||
        a.m1 != b.m1 || a.m2 != b.m2 || a.points.size() != b.points.size())
      return false;
    for (size_t i = 0; i < a.points.size(); i++)
      if (a.points[i].x != b.points[i].x || a.points[i].y != b.points[i].y) return false;
    return a.x == b.x && a.y == b.y && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 &&
           a.y2 == b.y2 && a.r == b.r && a.start == b.start && a.end == b.end;
  };
  for (const Case& c : scenes) {
    const Tour fresh = RunTour(c.before, c.choice, c.waits, c.after);
    ExpectCleanEndOnce(fresh.run);
    const std::vector<RecordedOp> want = fresh.All(c.waits);
    for (const std::string& leaver : scaleLeavers) {
      SCOPED_TRACE(c.name + " after " + leaver);
      const Tour later = RunTour(leaver + c.before, c.choice, c.waits, c.after);
      ExpectCleanEndOnce(later.run);
      const std::vector<RecordedOp> got = later.All(c.waits);
      ASSERT_EQ(got.size(), want.size());
      size_t differ = 0;
      for (size_t i = 0; i < got.size(); i++)
        if (!same(got[i], want[i]) && differ++ == 0)
          ADD_FAILURE() << "first difference at op " << i << ": " << got[i].op << " vs "
                        << want[i].op;
      EXPECT_EQ(differ, 0u);
    }
  }
}

// Random keys inside topics 2 to 4: menu and sub-menu choices of these
// topics mixed with any keys, Backspace, the clearing key and junk entries.
// Every run ends cleanly, and together the walks reach every scene.
TEST(VelmoraTopics24, RandomKeysThroughTopics2To4EndCleanly) {
  // A line that only the given scene draws, to see that the walk got there.
  const std::vector<std::string> sceneMarks = {
      "電車が自動車に追いつくのは何秒後?", "教科書P118問2の解答", "例2図でaの値を求めなさい。",
      "教科書P119問3の解答", "教科書P120Qを考えよう。", "右の図に点をうち",
      "をこえるのは、何回以上切ったとき?", "A社の配達料金表", "教科書P121問1の解答"};
  std::set<std::string> reached;
  for (unsigned seed = 1; seed <= 4; seed++) {
    std::mt19937 gen(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
    const std::vector<std::string> anyKeys = {" ", "a", "\r", "1", "\b", "\f", "あ", "-"};
    const std::vector<std::string> junk = {"0", "9", "-1", "3/", "2.5", "1234567890", ""};
    std::vector<std::string> keys;
    while (keys.size() < 1500) {
      const int r = pick(100);
      if (r < 40) {
        keys.push_back(std::to_string(1 + pick(5)));  // a scene, or the way out
        keys.push_back("\r");
      } else if (r < 48) {
        keys.push_back(std::to_string(2 + pick(3)));  // topics 2 to 4 from the main menu
        keys.push_back("\r");
      } else if (r < 53) {
        for (const std::string& k : ScriptedRuntime::ParseKeys(junk[pick(junk.size())]))
          keys.push_back(k);
        keys.push_back("\r");
      } else {
        keys.push_back(anyKeys[pick(anyKeys.size())]);
      }
    }
    // The walk starts in topic 2; whenever the program ends, a fresh run
    // takes the keys that are left.
    keys.insert(keys.begin(), {"2", "\r"});
    while (!keys.empty()) {
      const ScriptedRun run = RunScriptedKeys("velmora", keys);
      ASSERT_FALSE(run.faulted) << "seed " << seed << ": fault at step " << run.faultStep
                                << " code " << run.faultCode;
      ASSERT_EQ(run.exitCode, 0) << "seed " << seed;
      std::string text;
      for (const RecordedOp& op : run.ops)
        if (op.op == "text" && op.y < 1700) text += op.text;
      for (const std::string& m : sceneMarks) {
        std::string bare;
        for (const std::string& ch : Chars(m))
          if (ch != " " && ch != "=" && ch != "-") bare += ch;
        if (text.find(bare) != std::string::npos) reached.insert(m);
      }
      const size_t taken = keys.size() - run.keysLeft;
      ASSERT_GT(taken, 0u);
      keys.erase(keys.begin(), keys.begin() + static_cast<long>(taken));
    }
  }
  EXPECT_EQ(reached.size(), sceneMarks.size());
}

}  // namespace
}  // namespace lesson
