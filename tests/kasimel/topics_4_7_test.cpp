// Kasimel topics 4 to 7: the graph of y=x^2, the graphs for a>0 and a<0 and
// the summary of the graphs. Scripted tours on the recorder's log, the
// coordinate review drills against an independent computation, and a
// random-key walk through these topics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "lessons/kasimel/kasimel.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

// Filled circles of radius r (the dots of points and graphs).
std::vector<RecordedOp> Dots(const std::vector<RecordedOp>& ops, float r) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "circle" && op.filled && op.r == r) out.push_back(op);
  return out;
}

bool HasDot(const std::vector<RecordedOp>& ops, float x, float y, float r, int fill) {
  for (const RecordedOp& op : Dots(ops, r))
    if (std::fabs(op.x - x) < 0.01f && std::fabs(op.y - y) < 0.01f && op.fill == fill) return true;
  return false;
}

// The ops drawn by step `step` of a scene whose first step follows key `firstKey`.
std::vector<RecordedOp> Step(const ScriptedRun& run, int firstKey, int step) {
  return run.AfterKey(firstKey + step - 1);
}

// The first clearing box from the top of the screen (a scene's own clear).
const RecordedOp* FirstClear(const std::vector<RecordedOp>& ops) {
  for (const RecordedOp& op : ops)
    if (op.op == "box" && op.y1 == 0 && op.border == 15 && op.fill == 15) return &op;
  return nullptr;
}

// The first fill-in box (border 3, fill 13).
const RecordedOp* FirstAnswerBox(const std::vector<RecordedOp>& ops) {
  for (const RecordedOp& op : ops)
    if (op.op == "box" && op.border == 3 && op.fill == 13) return &op;
  return nullptr;
}

// Nothing drawn but the key-wait prompt.
bool DrawsNothing(const std::vector<RecordedOp>& ops) {
  return CountIf(ops, [](const RecordedOp& op) {
           return (op.op == "circle" && op.y < 640) || op.op == "line" || op.op == "polyline" ||
                  (op.op == "text" && op.y != 666) ||
                  (op.op == "box" && op.y1 < 657 && op.x1 < 1000);  // not the number field
         }) == 0;
}

// ---------------------------------------------------------------------------
// Topic entries and sub-menus

struct TopicCase {
  int topic;
  std::string goalTail;     // the end of the (last) goal line, glyph by glyph
  int goalLines;
  std::string optionLine;
};

TEST(KasimelTopics47, TopicBannerAndSubMenuRejectsOutOfRange) {
  const TopicCase cases[] = {
      {4, "のグラフをかき、特徴を調べよう。", 1, "①復習　②Ｑ　③原点付近　④特徴　⑤終了"},
      {5, "の場合のグラフをかこう。", 2, "①Ｑ表点　②Ｑグラフ　③問２　④問３特徴　⑤終了"},
      {6, "の場合のグラフをかこう。", 2, "①Ｑ表点　②グラフ　③問４　④問５特徴　⑤終了"},
      {7, "のグラフの特徴をまとめよう。", 1, "①問６　②課題　③放物線　④まとめ特徴　⑤終了"},
  };
  for (const TopicCase& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic));
    const ScriptedRun run =
        RunScripted("kasimel", std::to_string(c.topic) + "\\r0\\r6\\r-1\\r5\\r8\\r");
    ExpectCleanEndOnce(run);
    // the banner once, the option line four times (three refused choices)
    EXPECT_EQ(CountIf(run.ops, [](const RecordedOp& op) {
                return op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240;
              }),
              1);
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 4);
    EXPECT_NE(run.AllText().find(c.goalTail), std::string::npos);
    EXPECT_NE(run.AllText().find(c.optionLine), std::string::npos);
    const float lastGoalY = c.goalLines == 2 ? 370 : 305;
    EXPECT_TRUE(CountIf(run.ops, [&](const RecordedOp& op) {
      return op.op == "text" && op.colour == 0 && op.x == 76 && op.y == lastGoalY;
    }) > 0);
    // no scene ran: nothing cleared the lesson area between banner and menu
    EXPECT_EQ(CountIf(run.ops, IsKeyWaitBox), 0);
  }
}

// Every scene takes exactly its number of key presses and hands control back
// to its sub-menu, where 5 leaves for the main menu and 8 ends the program.
TEST(KasimelTopics47, EverySceneTakesItsKeyPressesAndReturnsToItsMenu) {
  struct SceneCase {
    int topic, item, waits;
  };
  const SceneCase cases[] = {
      {4, 2, 24}, {4, 3, 45}, {4, 4, 4},  {5, 1, 52}, {5, 2, 6}, {5, 3, 18}, {5, 4, 4}, {6, 1, 53},
      {6, 2, 24}, {6, 3, 19}, {6, 4, 7},  {7, 1, 14}, {7, 2, 4}, {7, 3, 6},  {7, 4, 4},
  };
  for (const SceneCase& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic) + " item " + std::to_string(c.item));
    const std::string keys = std::to_string(c.topic) + "\\r" + std::to_string(c.item) + "\\r" +
                             AnyKeys(c.waits) + "5\\r8\\r";
    const ScriptedRun run = RunScripted("kasimel", keys);
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, IsKeyWaitBox), c.waits);
    // the option line: once before the scene, once over its last picture
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 2);
  }
}

// ---------------------------------------------------------------------------
// Topic 4: the graph of y=x^2

TEST(KasimelTopics47, SquareTableNearOriginAndFeaturesTour) {
  const std::string keys =
      "4\\r2\\r" + AnyKeys(24) + "3\\r" + AnyKeys(45) + "4\\r" + AnyKeys(4) + "5\\r8\\r";
  const ScriptedRun run = RunScripted("kasimel", keys);
  ExpectCleanEndOnce(run);

  // SquareTableScene: step 1 follows key 4.
  const int table = 4;
  const std::vector<RecordedOp> first = Step(run, table, 1);
  ASSERT_NE(FirstClear(first), nullptr);
  EXPECT_EQ(FirstClear(first)->x1, 0);
  EXPECT_EQ(FirstClear(first)->x2, 1320);
  EXPECT_EQ(FirstClear(first)->y2, 1300);
  EXPECT_EQ(TextIn(first, 118, 250, 118 + 7 * 88, 300, 0), "-3-2-10123");
  EXPECT_EQ(TextIn(first, 118, 300, 118 + 7 * 88, 350, 3), "");
  const char* squares[] = {"9", "4", "1", "0", "1", "4", "9"};
  for (int i = 0; i < 7; i++) {
    const std::vector<RecordedOp> ops = Step(run, table, 2 + i);
    EXPECT_EQ(TextIn(ops, 118 + 88 * i, 300, 206 + 88 * i, 350, 3), squares[i]) << "cell " << i;
  }
  for (int step : {9, 17, 24}) EXPECT_TRUE(DrawsNothing(Step(run, table, step))) << step;
  for (int i = 0; i < 7; i++) {
    const float x = static_cast<float>(i - 3);
    EXPECT_TRUE(HasDot(Step(run, table, 10 + i), 968 + 44 * x, 540 - 44 * x * x, 8, 3));
  }
  for (int i = 0; i < 6; i++) {
    const float x = static_cast<float>(i - 2);
    const std::vector<RecordedOp> ops = Step(run, table, 18 + i);
    const RecordedOp* seg = nullptr;
    for (const RecordedOp& op : ops)
      if (op.op == "line" && op.colour == 3) seg = &op;
    ASSERT_NE(seg, nullptr) << "segment " << i;
    EXPECT_EQ(seg->pen, 5);
    EXPECT_FLOAT_EQ(seg->x1, 968 + 44 * (x - 1));
    EXPECT_FLOAT_EQ(seg->y1, 540 - 44 * (x - 1) * (x - 1));
    EXPECT_FLOAT_EQ(seg->x2, 968 + 44 * x);
    EXPECT_FLOAT_EQ(seg->y2, 540 - 44 * x * x);
  }
  EXPECT_TRUE(TextStartsAt(Step(run, table, 25), 57, 420, 7, "原"));

  // NearOriginScene: 46 steps after key 4 + 24 + 2.
  const int near = table + 24 + 2;
  const std::vector<RecordedOp> n1 = Step(run, near, 1);
  struct Num {
    const char* text;
    float x, y;
  };
  const Num numbers[] = {{"-1", 410, 590}, {"-0.5", 530, 590}, {"0.5", 860, 590},
                         {"1", 1040, 590}, {"0.5", 701, 416},  {"1", 710, 270}};
  for (const Num& n : numbers) {
    EXPECT_EQ(CountIf(n1, [&](const RecordedOp& op) {
                return op.op == "text" && op.text == n.text && op.x == n.x && op.y == n.y &&
                       op.m1 == 3 && op.m2 == 3 && !op.bold && op.colour == 0;
              }),
              1)
        << n.text << " at " << n.x << "," << n.y;
  }
  // the rows of x: -1, -0.9, ..., -0.1 and 0, 0.1, ..., 0.9, 1
  std::string row1, row3;
  for (int k = 10; k >= 1; k--)
    row1 += TextIn(n1, 134 + 94 * (10 - k), 20, 228 + 94 * (10 - k), 75, 0) + " ";
  for (int k = 0; k <= 10; k++) row3 += TextIn(n1, 134 + 94 * k, 130, 228 + 94 * k, 185, 0) + " ";
  EXPECT_EQ(row1, "-1 -0.9 -0.8 -0.7 -0.6 -0.5 -0.4 -0.3 -0.2 -0.1 ");
  EXPECT_EQ(row3, "0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1 ");
  // the squares, one cell a key press
  std::string row2, row4;
  for (int k = 10; k >= 1; k--) {
    const int step = 2 + (10 - k);
    row2 += TextIn(Step(run, near, step), 134 + 94 * (10 - k), 75, 228 + 94 * (10 - k), 130, 3) +
            " ";
  }
  for (int k = 0; k <= 10; k++)
    row4 += TextIn(Step(run, near, 12 + k), 134 + 94 * k, 185, 228 + 94 * k, 240, 3) + " ";
  EXPECT_EQ(row2, "1 0.81 0.64 0.49 0.36 0.25 0.16 0.09 0.04 0.01 ");
  EXPECT_EQ(row4, "0 0.01 0.04 0.09 0.16 0.25 0.36 0.49 0.64 0.81 1 ");
  // 21 points, then 201 dense dots in one step ending at (-1, 1) and (1, 1)
  for (int k = -10; k <= 10; k++) {
    const float g = static_cast<float>(k);
    EXPECT_TRUE(HasDot(Step(run, near, 34 + k), 740 + 30 * g, 590 - 30 * (g * g / 10), 8, 3))
        << "point " << k;
  }
  EXPECT_TRUE(Dots(Step(run, near, 45), 8).empty());
  const std::vector<RecordedOp> dense = Step(run, near, 46);
  EXPECT_EQ(Dots(dense, 1).size(), 201u);
  EXPECT_TRUE(HasDot(dense, 440, 290, 1, 3));
  EXPECT_TRUE(HasDot(dense, 1040, 290, 1, 3));
  EXPECT_TRUE(HasDot(dense, 740, 590, 1, 3));

  // SquareFeaturesScene after NearOriginScene: drawn with the pen width 5 it left.
  const int feat = near + 45 + 2;
  const std::vector<RecordedOp> f1 = Step(run, feat, 1);
  ASSERT_EQ(Dots(f1, 8).size(), 7u);
  for (const RecordedOp& d : Dots(f1, 8)) EXPECT_EQ(d.pen, 5);
  const std::vector<RecordedOp> f2 = Step(run, feat, 2);
  // the label of the parabola at its last dot, near (1010, 100)
  EXPECT_EQ(CountIf(f2, [](const RecordedOp& op) {
              return op.op == "text" && op.text == "y" && op.colour == 3 &&
                     std::fabs(op.x - 1010) < 15 && std::fabs(op.y - 100) < 15;
            }),
            1);
  EXPECT_TRUE(TextStartsAt(f2, 44, 30, 0, "y"));
  // the numbered boxes, then the answers in the very same boxes
  std::vector<RecordedOp> boxes;
  for (const RecordedOp& op : f2)
    if (op.op == "box" && op.fill == 13) boxes.push_back(op);
  ASSERT_EQ(boxes.size(), 3u);
  const float lineY[] = {110, 180, 250};
  const char* answers[] = {"原点", "y軸", "y≧0"};
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(boxes[i].y1, lineY[i] - 3);
    EXPECT_EQ(boxes[i].y2, lineY[i] + 47);
    EXPECT_EQ(boxes[i].x2 - boxes[i].x1, 132);
    EXPECT_EQ(boxes[i].border, 3);
    const std::vector<RecordedOp> ops = Step(run, feat, 3 + i);
    const RecordedOp* again = FirstAnswerBox(ops);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->x1, boxes[i].x1);
    EXPECT_EQ(again->y1, boxes[i].y1);
    EXPECT_EQ(again->x2, boxes[i].x2);
    EXPECT_EQ(again->y2, boxes[i].y2);
    EXPECT_EQ(TextIn(ops, again->x1, again->y1, again->x2, again->y2, 5), answers[i]);
  }
}

TEST(KasimelTopics47, FeaturesSceneDrawsWithThePenLeftBefore) {
  // straight after start-up no scene has set a width: 3
  const ScriptedRun fresh = RunScripted("kasimel", "4\\r4\\r" + AnyKeys(4) + "5\\r8\\r");
  ExpectCleanEndOnce(fresh);
  const std::vector<RecordedOp> ops = Step(fresh, 4, 1);
  ASSERT_EQ(Dots(ops, 8).size(), 7u);
  for (const RecordedOp& d : Dots(ops, 8)) EXPECT_EQ(d.pen, 3);
  const std::vector<RecordedOp> graph = Step(fresh, 4, 2);
  const std::vector<RecordedOp> curve = Dots(graph, 1);
  ASSERT_FALSE(curve.empty());
  // the parabola stops at the top of the plane (y 14 at |x| about 3.74)
  for (const RecordedOp& d : curve) {
    EXPECT_GE(d.y, 100);
    EXPECT_LE(d.y, 550);
    EXPECT_EQ(d.pen, 3);
  }
}

// ---------------------------------------------------------------------------
// The coordinate review drills

// Exposes the scene routines to the tests.
class KasimelProbe : public Kasimel {
 public:
  using Kasimel::Kasimel;
  using Kasimel::PickRandomPoint;
  using Kasimel::RandomSeed;
};

struct Asked {
  int x, y;           // the asked point, read from X$
  std::string text;   // X$
};

// Reads "(a,b)" with the standard library, independently of the lesson's
// number texts.
Asked ParsePoint(const std::string& s) {
  Asked a{0, 0, s};
  EXPECT_TRUE(s.size() >= 5 && s.front() == '(' && s.back() == ')') << s;
  const size_t comma = s.find(',');
  EXPECT_NE(comma, std::string::npos) << s;
  if (comma == std::string::npos) return a;
  a.x = std::stoi(s.substr(1, comma - 1));
  a.y = std::stoi(s.substr(comma + 1, s.size() - comma - 2));
  return a;
}

int Quadrant(int x, int y) {
  if (x > 0 && y > 0) return 1;
  if (x < 0 && y > 0) return 2;
  if (x < 0 && y < 0) return 3;
  return 4;
}

TEST(KasimelTopics47, PickRandomPointMatchesAnIndependentDraw) {
  for (int seed = 0; seed < 300; seed++) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RecordingScreen screen;
    ScriptedRuntime rt(screen, {});
    KasimelProbe probe(rt);
    probe.RandomSeed(static_cast<float>(seed));
    Random ref;
    ref.Seed(seed);
    int maesu = 0;  // the remembered quadrant, 0 at start-up
    for (int n = 0; n < 12; n++) {
      const int p = static_cast<int>(std::floor(ref.Draw() * 5.0f + 1.0f));
      const int p1 = static_cast<int>(std::floor(ref.Draw() * 5.0f + 1.0f));
      int k = static_cast<int>(std::floor(ref.Draw() * 4.0f + 1.0f));
      if (k == maesu) {
        k = 1;
      } else {
        maesu = k;
      }
      const int sx = (k == 1 || k == 4) ? 1 : -1;
      const int sy = (k == 1 || k == 2) ? 1 : -1;
      probe.PickRandomPoint();
      ASSERT_EQ(probe.P, p);
      ASSERT_EQ(probe.P1, p1);
      ASSERT_EQ(probe.MAESU, maesu);
      ASSERT_EQ(probe.Xa(1), sx * p);
      ASSERT_EQ(probe.Ya(1), sy * p1);
      ASSERT_EQ(probe.X_s, "(" + std::to_string(sx * p) + "," + std::to_string(sy * p1) + ")");
    }
  }
}

// Both drills end to end over many clocks: at every key wait the picture is
// compared with the problem the scene holds, and the answer with the point.
TEST(KasimelTopics47, CoordinateReviewDrillsAnswerEveryDraw) {
  const int problems = 12;  // per drill
  for (int c = 0; c < 24; c++) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", c % 24, (c * 7) % 60, (c * 13) % 60);
    SCOPED_TRACE(std::string("clock ") + clock);
    // the scene twice: MAESU carries its rule over from the first visit
    std::vector<std::string> keys = {"4", "\r", "1", "\r"};
    for (int drill = 0; drill < 4; drill++) {
      if (drill == 2) keys.insert(keys.end(), {"1", "\r"});
      for (int n = 0; n < problems; n++) {
        keys.push_back(" ");
        // any entry but 1 gives a new problem, an empty one included
        if (n + 1 < problems) {
          if (n % 3 == 2) {
            keys.push_back("\r");
          } else {
            keys.push_back(n % 3 == 0 ? "2" : "0");
            keys.push_back("\r");
          }
        } else {
          keys.push_back("1");
          keys.push_back("\r");
        }
      }
    }
    keys.insert(keys.end(), {"5", "\r", "8", "\r"});

    RecordingScreen screen;
    ScriptedRuntime rt(screen, keys, clock);
    KasimelProbe probe(rt);
    std::vector<Asked> asked;
    size_t keyIndex = 0, problemStart = 0, stepOneEnd = 0;
    int drill = 0, inDrill = 0;
    rt.onKeyWait = [&] {
      const std::string& key = keys[keyIndex];
      const std::vector<RecordedOp>& ops = screen.ops();
      if (keyIndex >= 4 && key == " ") {
        // the end of step 1: the problem is on screen
        for (size_t i = ops.size(); i-- > stepOneEnd;) {
          const RecordedOp& op = ops[i];
          if (op.op == "box" && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 && op.y2 == 1800) {
            problemStart = i;
            break;
          }
        }
        const std::vector<RecordedOp> pic(ops.begin() + static_cast<long>(problemStart), ops.end());
        const Asked a = ParsePoint(probe.X_s);
        asked.push_back(a);
        EXPECT_GE(std::abs(a.x), 1);
        EXPECT_LE(std::abs(a.x), 5);
        EXPECT_GE(std::abs(a.y), 1);
        EXPECT_LE(std::abs(a.y), 5);
        if (drill % 2 == 0) {
          // the coordinates in colour 3 at (88, 110) and four labelled points
          EXPECT_EQ(TextIn(pic, 80, 90, 400, 160, 3), a.text);
          const std::vector<RecordedOp> dots = Dots(pic, 12);
          EXPECT_EQ(dots.size(), 4u);
          // A in quadrant 1, B in 2, C in 3, D in 4, each label's top-left
          // 12 left of and 60 above its point: the answer names the letter
          struct Labelled {
            const char* letter;
            int sx, sy;
          };
          const Labelled labelled[] = {{"A", 1, 1}, {"B", -1, 1}, {"C", -1, -1}, {"D", 1, -1}};
          for (const Labelled& l : labelled) {
            const float px = 704.0f + 44 * l.sx * std::abs(a.x);
            const float py = 364.0f - 44 * l.sy * std::abs(a.y);
            EXPECT_TRUE(HasDot(pic, px, py, 12, 3)) << l.letter;
            EXPECT_EQ(CountIf(pic, [&](const RecordedOp& op) {
                        return op.op == "text" && op.text == l.letter && op.colour == 3 &&
                               op.x == px - 12 && op.y == py - 60;
                      }),
                      1)
                << l.letter;
          }
          EXPECT_TRUE(Dots(pic, 15).empty());
        } else {
          EXPECT_TRUE(HasDot(pic, 704.0f + 44 * a.x, 364.0f - 44 * a.y, 15, 3));
          EXPECT_EQ(TextIn(pic, 80, 90, 400, 160, 5), "");
        }
        stepOneEnd = ops.size();
      } else if (keyIndex >= 4 && keys[keyIndex - 1] == " ") {
        // the first key of the next-step prompt: the answer is on screen
        const std::vector<RecordedOp> ans(ops.begin() + static_cast<long>(stepOneEnd), ops.end());
        const Asked& a = asked.back();
        if (drill % 2 == 0) {
          EXPECT_TRUE(HasDot(ans, 704.0f + 44 * a.x, 364.0f - 44 * a.y, 15, 5)) << a.text;
        } else {
          EXPECT_EQ(TextIn(ans, 80, 90, 400, 160, 5), a.text);
        }
        if (++inDrill == problems) {
          drill++;
          inDrill = 0;
        }
      }
      keyIndex++;
    };
    EXPECT_EQ(RunRecorded(probe, screen), 0);
    EXPECT_EQ(rt.keysLeft(), 0u);
    ASSERT_EQ(asked.size(), static_cast<size_t>(4 * problems));
    // a quadrant other than 1 is never asked twice in a row
    for (size_t i = 1; i < asked.size(); i++) {
      const int q = Quadrant(asked[i].x, asked[i].y);
      if (q == Quadrant(asked[i - 1].x, asked[i - 1].y)) {
        EXPECT_EQ(q, 1) << "problem " << i;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Topics 5 and 6: the twin table and graph scenes

TEST(KasimelTopics47, DoubleHeightTopicTour) {
  const std::string keys =
      "5\\r1\\r" + AnyKeys(52) + "2\\r" + AnyKeys(6) + "3\\r" + AnyKeys(18) + "4\\r" + AnyKeys(4) + "5\\r8\\r";
  const ScriptedRun run = RunScripted("kasimel", keys);
  ExpectCleanEndOnce(run);

  // DoubleHeightTableScene
  const int t = 4;
  const std::vector<RecordedOp> s1 = Step(run, t, 1);
  // a row: header 90 wide from x 30, then 60 and 90 alternately, ending at 780
  std::vector<RecordedOp> row1;
  for (const RecordedOp& op : s1)
    if (op.op == "box" && op.y1 == 150 && op.border == 0) row1.push_back(op);
  ASSERT_EQ(row1.size(), 10u);
  EXPECT_EQ(row1.front().x1, 30);
  EXPECT_EQ(row1.front().x2, 120);
  EXPECT_EQ(row1.back().x2, 780);
  const float cellX[] = {120, 180, 270, 330, 420, 480, 570, 630, 720, 780};
  const char* xs[] = {"-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5", "2"};
  const char* row2[] = {"4", "2.25", "1", "0.25", "0", "0.25", "1", "2.25", "4"};
  const char* row3[] = {"8", "4.5", "2", "0.5", "0", "0.5", "2", "4.5", "8"};
  for (int k = 0; k < 9; k++) {
    EXPECT_EQ(TextIn(s1, cellX[k], 150, cellX[k + 1], 200, 0), xs[k]);
    EXPECT_EQ(TextIn(Step(run, t, 2 + k), cellX[k], 200, cellX[k + 1], 250, 7), row2[k]);
    EXPECT_EQ(TextIn(Step(run, t, 12 + k), cellX[k], 250, cellX[k + 1], 300, 3), row3[k]);
  }
  for (int step : {11, 21, 40, 50}) EXPECT_TRUE(DrawsNothing(Step(run, t, step))) << step;
  // points: row 2 in colour 5, row 3 in colour 3; origin (980, 578), 48 a step
  for (int k = 0; k < 9; k++) {
    const float x = -2 + 0.5f * static_cast<float>(k);
    EXPECT_TRUE(HasDot(Step(run, t, 22 + k), 980 + 48 * x, 578 - 48 * (x * x), 9, 5));
    EXPECT_TRUE(HasDot(Step(run, t, 31 + k), 980 + 48 * x, 578 - 48 * (2 * x * x), 9, 3));
  }
  // segments at pen 5: axis to row-2 point in 5, on to the row-3 point in 3
  {
    const std::vector<RecordedOp> seg = Step(run, t, 41);
    std::vector<RecordedOp> lines;
    for (const RecordedOp& op : seg)
      if (op.op == "line" && op.y1 < 657) lines.push_back(op);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].colour, 5);
    EXPECT_EQ(lines[0].pen, 5);
    EXPECT_EQ(lines[0].x1, 884);
    EXPECT_EQ(lines[0].y1, 578);
    EXPECT_EQ(lines[0].y2, 578 - 48 * 4);
    EXPECT_EQ(lines[1].colour, 3);
    EXPECT_EQ(lines[1].y1, 578 - 48 * 4);
    EXPECT_EQ(lines[1].y2, 578 - 48 * 8);
  }
  // closing texts, drawn after the width went back to 3
  const std::vector<RecordedOp> s51 = Step(run, t, 51);
  EXPECT_TRUE(TextStartsAt(s51, 57, 330, 5, "y"));
  for (const RecordedOp& op : s51)
    if (op.op == "text" && op.y < 657) {
      EXPECT_EQ(op.pen, 3);
    }
  EXPECT_TRUE(TextStartsAt(Step(run, t, 52), 57, 380, 0, "y"));
  EXPECT_TRUE(TextStartsAt(Step(run, t, 52), 57, 430, 0, "の"));
  EXPECT_TRUE(TextStartsAt(Step(run, t, 53), 30, 490, 3, "Q"));

  // DoubleHeightGraphScene: step 1 only waits; step 2 clears from x 836
  const int g = t + 52 + 2;
  EXPECT_TRUE(DrawsNothing(Step(run, g, 1)));
  const std::vector<RecordedOp> g2 = Step(run, g, 2);
  const RecordedOp* clear = FirstClear(g2);
  ASSERT_NE(clear, nullptr);
  EXPECT_EQ(clear->x1, 836);
  EXPECT_EQ(clear->y1, 0);
  EXPECT_EQ(clear->x2, 836 + 1320);
  EXPECT_EQ(clear->y2, 1300);
  EXPECT_EQ(Dots(g2, 7).size(), 9u);
  for (const RecordedOp& d : Dots(g2, 7)) EXPECT_EQ(d.pen, 3);  // the table scene left 3
  EXPECT_EQ(Dots(Step(run, g, 3), 5).size(), 47u);
  EXPECT_EQ(Dots(Step(run, g, 4), 3).size(), 93u);
  EXPECT_TRUE(HasDot(Step(run, g, 3), 980 + 48 * 2.3f, 578 - 48 * (2 * 2.3f * 2.3f), 5, 3));
  const std::vector<RecordedOp> g6 = Step(run, g, 6);
  EXPECT_TRUE(Dots(g6, 5).empty());
  EXPECT_TRUE(Dots(g6, 3).empty());
  ASSERT_NE(FirstClear(g6), nullptr);
  EXPECT_EQ(FirstClear(g6)->x1, 836);
  EXPECT_TRUE(TextStartsAt(Step(run, g, 7), 44, 570, 0, "教"));

  // HalfParabolaScene: points at (856 + 28x, 610 - 14x^2)
  const int h = g + 6 + 2;
  EXPECT_TRUE(TextStartsAt(Step(run, h, 1), 1052, 50, 7, "y"));
  const int order[] = {-4, -3, -2, -1, 0, 1, 2, 3, 4};
  for (int i = 0; i < 9; i++) {
    const float x = static_cast<float>(order[i]);
    EXPECT_TRUE(HasDot(Step(run, h, 2 + i), 856 + 28 * x, 610 - 14 * x * x, 5, 3));
  }
  EXPECT_TRUE(HasDot(Step(run, h, 2), 744, 386, 5, 3));
  // the curve of step 12 runs from the point at x = -4 to the one at x = 4
  const std::vector<RecordedOp> curve = Dots(Step(run, h, 12), 1);
  EXPECT_GE(curve.size(), 5000u);  // 5001 steps, one landing on x = 0 is skipped
  EXPECT_LE(curve.size(), 5001u);
  EXPECT_NEAR(curve.front().x, 744, 0.01);
  EXPECT_NEAR(curve.back().x, 968, 0.01);
  const float later[] = {-6, -5, 0, 5, 6, 0};
  for (int step : {13, 14, 16, 17}) {
    const float x = later[step - 13];
    EXPECT_TRUE(HasDot(Step(run, h, step), 856 + 28 * x, 610 - 14 * x * x, 5, 3));
  }
  EXPECT_TRUE(TextStartsAt(Step(run, h, 19), 1052, 138, 3, "y"));

  // PositiveFeaturesScene: names at the plane's right edge, 88 apart
  const int f = h + 18 + 2;
  const std::vector<RecordedOp> f1 = Step(run, f, 1);
  EXPECT_TRUE(TextStartsAt(f1, 1052, 50, 5, "y"));
  EXPECT_TRUE(TextStartsAt(f1, 1052, 138, 3, "y"));
  EXPECT_TRUE(TextStartsAt(f1, 1052, 226, 7, "y"));
  // axes only: no grid lines of pen 1
  EXPECT_EQ(CountIf(f1, [](const RecordedOp& op) { return op.op == "line" && op.pen == 1; }), 0);
  EXPECT_TRUE(TextStartsAt(Step(run, f, 2), 44, 60, 0, "教"));
  const std::vector<RecordedOp> f2 = Step(run, f, 2);
  const RecordedOp* third = nullptr;
  for (const RecordedOp& op : f2)
    if (op.op == "box" && op.fill == 13 && op.y1 == 337) third = &op;
  ASSERT_NE(third, nullptr);
  const std::vector<RecordedOp> f5 = Step(run, f, 5);
  const RecordedOp* answer = FirstAnswerBox(f5);
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer->x1, third->x1);
  EXPECT_EQ(answer->y1, 337);
  EXPECT_EQ(TextIn(f5, answer->x1, answer->y1, answer->x2, answer->y2, 5), "y≧0");
}

TEST(KasimelTopics47, MirrorTopicTour) {
  const std::string keys =
      "6\\r1\\r" + AnyKeys(53) + "2\\r" + AnyKeys(24) + "3\\r" + AnyKeys(19) + "4\\r" + AnyKeys(7) + "5\\r8\\r";
  const ScriptedRun run = RunScripted("kasimel", keys);
  ExpectCleanEndOnce(run);

  // MirrorTableScene: heading, plane and graph first, then the table
  const int t = 4;
  const std::vector<RecordedOp> s1 = Step(run, t, 1);
  const float cellX[] = {138, 198, 288, 348, 438, 498, 588, 648, 738, 798};
  const char* row2[] = {"8", "4.5", "2", "0.5", "0", "0.5", "2", "4.5", "8"};
  const char* row3[] = {"-8", "-4.5", "-2", "-0.5", "0", "-0.5", "-2", "-4.5", "-8"};
  for (int k = 0; k < 9; k++) {
    EXPECT_EQ(TextIn(Step(run, t, 2 + k), cellX[k], 130, cellX[k + 1], 180, 7), row2[k]);
    EXPECT_EQ(TextIn(Step(run, t, 12 + k), cellX[k], 180, cellX[k + 1], 230, 3), row3[k]);
  }
  {
    // the plane comes before the table in this twin
    size_t plane = 0, table = 0;
    for (size_t i = 0; i < s1.size(); i++) {
      if (!plane && s1[i].op == "line" && s1[i].pen == 4) plane = i;
      if (!table && s1[i].op == "box" && s1[i].y1 == 80 && s1[i].x1 == 30) table = i;
    }
    EXPECT_GT(plane, 0u);
    EXPECT_GT(table, plane);
  }
  // points of y=2x^2 in 7 and of y=-2x^2 in 3; origin (976, 350), 32 a step
  for (int k = 0; k < 9; k++) {
    const float x = -2 + 0.5f * static_cast<float>(k);
    EXPECT_TRUE(HasDot(Step(run, t, 22 + k), 976 + 32 * x, 350 - 32 * (2 * x * x), 9, 7));
    EXPECT_TRUE(HasDot(Step(run, t, 31 + k), 976 + 32 * x, 350 + 32 * (2 * x * x), 9, 3));
  }
  // both segments from the axis, at pen 4: up in colour 3, down in colour 7
  std::vector<RecordedOp> lines;
  for (const RecordedOp& op : Step(run, t, 41))
    if (op.op == "line" && op.y1 < 657) lines.push_back(op);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].colour, 3);
  EXPECT_EQ(lines[1].colour, 7);
  for (const RecordedOp& l : lines) {
    EXPECT_EQ(l.pen, 4);
    EXPECT_EQ(l.y1, 350);
    EXPECT_EQ(l.x1, 912);
  }
  EXPECT_TRUE(TextStartsAt(Step(run, t, 51), 57, 250, 3, "y"));
  EXPECT_TRUE(TextStartsAt(Step(run, t, 52), 57, 300, 5, "x"));
  EXPECT_TRUE(TextStartsAt(Step(run, t, 53), 57, 350, 0, "y"));
  EXPECT_TRUE(TextStartsAt(Step(run, t, 53), 57, 400, 0, "上"));
  EXPECT_TRUE(TextStartsAt(Step(run, t, 54), 30, 460, 3, "Q"));

  // MirrorGraphScene: drawn with the width 4 the table scene left
  const int g = t + 53 + 2;
  const std::vector<RecordedOp> g2 = Step(run, g, 2);
  ASSERT_NE(FirstClear(g2), nullptr);
  EXPECT_EQ(FirstClear(g2)->x1, 880);
  for (int k = 0; k < 9; k++) {
    const float x = -2 + 0.5f * static_cast<float>(k);
    const std::vector<RecordedOp> up = Step(run, g, 3 + 2 * k);
    const std::vector<RecordedOp> down = Step(run, g, 4 + 2 * k);
    EXPECT_TRUE(HasDot(up, 976 + 32 * x, 350 - 32 * (2 * x * x), 9, 7));
    EXPECT_TRUE(HasDot(down, 976 + 32 * x, 350 + 32 * (2 * x * x), 9, 3));
    EXPECT_EQ(Dots(up, 9).front().pen, 4);
  }
  EXPECT_EQ(Dots(Step(run, g, 21), 5).size(), 45u);
  EXPECT_EQ(Dots(Step(run, g, 22), 3).size(), 89u);
  EXPECT_TRUE(TextStartsAt(Step(run, g, 25), 44, 570, 0, "教"));

  // NegativeHalfScene: the mirror points one a key press, then y=-1/2x^2
  const int h = g + 24 + 2;
  EXPECT_TRUE(TextStartsAt(Step(run, h, 1), 824, 30, 7, "y"));
  for (int k = 1; k <= 9; k++) {
    const float x = static_cast<float>(k - 5);
    EXPECT_TRUE(HasDot(Step(run, h, 2 * k), 632 + 32 * x, 350 - 16 * x * x, 5, 7));
    EXPECT_TRUE(HasDot(Step(run, h, 2 * k + 1), 632 + 32 * x, 350 + 16 * x * x, 5, 3));
  }
  const std::vector<RecordedOp> h20 = Step(run, h, 20);
  const std::vector<RecordedOp> lower = Dots(h20, 1);
  ASSERT_FALSE(lower.empty());
  // the label starts 40 right of and 120 above the last dot drawn
  EXPECT_TRUE(TextStartsAt(h20, lower.back().x + 40, lower.back().y - 120, 3, "y"));
  EXPECT_NEAR(lower.back().x, 775, 2);
  EXPECT_NEAR(lower.back().y, 670, 1);
  EXPECT_TRUE(TextStartsAt(h20, 44, 60, 0, "教"));
  EXPECT_TRUE(TextStartsAt(h20, 44 + 27, 110, 0, "問"));  // after a half-width blank

  // NegativeFeaturesScene: the ranges of y by the sign of a
  const int f = h + 19 + 2;
  const std::vector<RecordedOp> f1 = Step(run, f, 1);
  const float nameY[] = {50, 138, 226, 314};
  const int nameColour[] = {0, 3, 7, 5};
  for (int i = 0; i < 4; i++) EXPECT_TRUE(TextStartsAt(f1, 996, nameY[i], nameColour[i], "y"));
  EXPECT_TRUE(TextStartsAt(Step(run, f, 2), 44, 60, 3, "教"));
  EXPECT_EQ(CountIf(Step(run, f, 2), [](const RecordedOp& op) {
              return op.op == "box" && op.fill == 13;
            }),
            2);
  const std::vector<RecordedOp> f5 = Step(run, f, 5);
  EXPECT_TRUE(TextStartsAt(f5, 132, 400, 0, "a"));
  EXPECT_EQ(TextIn(Step(run, f, 6), 132, 380, 700, 450, 3), "y≧0");
  EXPECT_TRUE(TextStartsAt(Step(run, f, 7), 132, 460, 0, "a"));
  EXPECT_EQ(TextIn(Step(run, f, 8), 132, 440, 700, 510, 3), "y≦0");
}

// Chosen without the table scene first, the graph scene clears from the edge
// of whatever plane was drawn last and still draws its own figure complete.
TEST(KasimelTopics47, GraphSceneClearsFromTheLastPlaneEdge) {
  struct Case {
    std::string keys;
    float edge;
    float pointRadius;
    size_t points;
  };
  const Case cases[] = {
      {"5\\r2\\r" + AnyKeys(6) + "5\\r8\\r", 0, 7, 9},                          // no plane yet
      {"5\\r3\\r" + AnyKeys(18) + "2\\r" + AnyKeys(6) + "5\\r8\\r", 660, 7, 9},      // after a>0 item 3
      {"6\\r3\\r" + AnyKeys(19) + "2\\r" + AnyKeys(24) + "5\\r8\\r", 440, 9, 18},    // after a<0 item 3
      {"7\\r3\\r" + AnyKeys(6) + "5\\r5\\r2\\r" + AnyKeys(6) + "5\\r8\\r", 792, 7, 9},  // after the terms
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    const ScriptedRun run = RunScripted("kasimel", c.keys);
    ExpectCleanEndOnce(run);
    // the first box of width 1320 from y 0 at the graph scene's step 2
    std::vector<RecordedOp> clears;
    for (const RecordedOp& op : run.ops)
      if (op.op == "box" && op.y1 == 0 && op.x2 - op.x1 == 1320 && op.y2 == 1300)
        clears.push_back(op);
    ASSERT_GE(clears.size(), 2u);
    const RecordedOp& graphClear = clears[clears.size() - 2];
    EXPECT_EQ(graphClear.x1, c.edge);
    // the table points: the scene sets their values itself
    EXPECT_EQ(Dots(run.ops, c.pointRadius).size(), c.points);
  }
}

// ---------------------------------------------------------------------------
// Topic 7: the summary

TEST(KasimelTopics47, SummaryTopicTour) {
  const std::string keys =
      "7\\r1\\r" + AnyKeys(14) + "2\\r" + AnyKeys(4) + "3\\r" + AnyKeys(6) + "4\\r" + AnyKeys(4) + "5\\r8\\r";
  const ScriptedRun run = RunScripted("kasimel", keys);
  ExpectCleanEndOnce(run);

  // OpeningWidthScene: ten parabolas, their equations in their colours
  const int o = 4;
  struct Eq {
    float x, y;
    int colour;
  };
  const Eq eqs[] = {{908, 30, 0},  {952, 90, 3},  {996, 150, 5}, {908, 200, 7}, {908, 250, 9},
                    {918, 300, 9}, {908, 350, 7}, {908, 400, 5}, {908, 455, 3}, {908, 535, 0}};
  for (int i = 0; i < 10; i++) {
    const std::vector<RecordedOp> ops = Step(run, o, 2 + i);
    EXPECT_TRUE(TextStartsAt(ops, eqs[i].x, eqs[i].y, eqs[i].colour, "y")) << "equation " << i;
    const std::vector<RecordedOp> dots = Dots(ops, 1);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots.front().fill, eqs[i].colour);
  }
  EXPECT_TRUE(TextStartsAt(Step(run, o, 11), 44, 140, 0, "①"));
  EXPECT_TRUE(TextStartsAt(Step(run, o, 12), 88 + 27, 190, 3, "小"));  // after a blank
  EXPECT_TRUE(TextStartsAt(Step(run, o, 12), 44, 250, 0, "②"));
  EXPECT_TRUE(TextStartsAt(Step(run, o, 13), 88 + 27, 300, 3, "大"));
  EXPECT_TRUE(TextStartsAt(Step(run, o, 14), 44, 370, 5, "a"));
  EXPECT_TRUE(TextStartsAt(Step(run, o, 15), 88, 420, 5, "グ"));
  // a = 1/5 runs over the whole x range, ending at y 7.2 on the plane's edges
  const std::vector<RecordedOp> fifth = Dots(Step(run, o, 2), 1);
  EXPECT_NEAR(fifth.front().x, 572, 0.01);
  EXPECT_NEAR(fifth.front().y, 128.4f, 0.1f);
  EXPECT_NEAR(fifth.back().x, 908, 0.01);

  // MatchGraphsScene: clears 1320 by 1800, sets pen 5
  const int m = o + 14 + 2;
  const std::vector<RecordedOp> m1 = Step(run, m, 1);
  ASSERT_NE(FirstClear(m1), nullptr);
  EXPECT_EQ(FirstClear(m1)->y2, 1800);
  const char* labels[] = {"①", "②", "③"};
  const float labelX[] = {851, 940, 889};
  const float labelY[] = {51, 155, 560};
  for (int i = 0; i < 3; i++) {
    bool found = false;
    for (const RecordedOp& op : m1)
      if (op.op == "text" && op.text == labels[i] && std::fabs(op.x - labelX[i]) < 3 &&
          std::fabs(op.y - labelY[i]) < 3)
        found = true;
    EXPECT_TRUE(found) << labels[i];
  }
  for (const RecordedOp& d : Dots(m1, 1)) EXPECT_EQ(d.pen, 5);
  EXPECT_TRUE(TextStartsAt(Step(run, m, 2), 44, 260, 0, "<"));
  EXPECT_TRUE(TextStartsAt(Step(run, m, 3), 44, 350, 3, "①"));
  // "②..." on the same line, after the end of "①y=3x^2"
  EXPECT_EQ(CountIf(Step(run, m, 4), [](const RecordedOp& op) {
              return op.op == "text" && op.text == "②" && op.colour == 3 && op.y == 350 &&
                     op.x > 200;
            }),
            1);
  EXPECT_TRUE(TextStartsAt(Step(run, m, 5), 44, 440, 3, "③"));

  // ParabolaTermsScene: no plane; the parabola drawn with the 5 the task left,
  // the axis at pen 4 and the vertex disc in colour 7
  const int p = m + 4 + 2;
  const std::vector<RecordedOp> pAll = [&] {
    std::vector<RecordedOp> all;
    for (int s = 1; s <= 7; s++) {
      const std::vector<RecordedOp> ops = Step(run, p, s);
      all.insert(all.end(), ops.begin(), ops.end());
    }
    return all;
  }();
  EXPECT_EQ(CountIf(pAll, [](const RecordedOp& op) {
              return op.op == "text" && (op.text == "x" || op.text == "y" || op.text == "0") &&
                     op.y < 657 && op.x > 600;
            }),
            0);
  std::vector<RecordedOp> thick;
  for (const RecordedOp& op : pAll)
    if (op.op == "line" && op.pen == 4 && op.x1 > 600) thick.push_back(op);
  ASSERT_EQ(thick.size(), 1u);
  EXPECT_EQ(thick[0].x1, 912);
  EXPECT_EQ(thick[0].y1, 100);
  EXPECT_EQ(thick[0].x2, 912);
  EXPECT_EQ(thick[0].y2, 460);
  EXPECT_EQ(thick[0].colour, 0);
  const std::vector<RecordedOp> curve = Dots(Step(run, p, 3), 1);
  ASSERT_FALSE(curve.empty());
  for (const RecordedOp& d : curve) {
    EXPECT_EQ(d.pen, 5);
    EXPECT_GE(d.y, 100);
  }
  EXPECT_NEAR(curve.front().x, 799, 1.5);
  EXPECT_NEAR(curve.back().x, 1025, 1.5);
  EXPECT_TRUE(HasDot(Step(run, p, 7), 912, 420, 8, 7));
  EXPECT_EQ(Dots(Step(run, p, 7), 8).front().pen, 3);
  EXPECT_TRUE(TextStartsAt(Step(run, p, 3), 692, 220, 3, "放"));
  EXPECT_TRUE(TextStartsAt(Step(run, p, 5), 916, 100, 3, "軸"));
  EXPECT_TRUE(TextStartsAt(Step(run, p, 7), 924, 420, 3, "頂"));

  // GraphSummaryScene
  const int s = p + 6 + 2;
  const std::vector<RecordedOp> s1 = Step(run, s, 1);
  const std::vector<RecordedOp> halves = Dots(s1, 1);
  // both curves whole: 5001 dots each, less one that lands on x = 0
  EXPECT_GE(halves.size(), 2u * 5000u);
  EXPECT_LE(halves.size(), 2u * 5001u);
  for (const RecordedOp& d : halves) {
    EXPECT_GE(d.y, 170);
    EXPECT_LE(d.y, 530);
  }
  EXPECT_TRUE(TextStartsAt(s1, 44, 60, 3, "y"));
  EXPECT_TRUE(TextStartsAt(Step(run, s, 2), 44, 140, 0, "("));
  EXPECT_TRUE(TextStartsAt(Step(run, s, 3), 44, 210, 0, "("));
  const std::vector<RecordedOp> s4 = Step(run, s, 4);
  EXPECT_TRUE(TextStartsAt(s4, 132, 330, 0, "a"));
  EXPECT_TRUE(TextStartsAt(s4, 648, 110, 5, "a"));
  EXPECT_TRUE(TextStartsAt(s4, 648, 532, 5, "a"));
  EXPECT_TRUE(TextStartsAt(Step(run, s, 5), 44, 400, 0, "("));
  EXPECT_TRUE(TextStartsAt(Step(run, s, 5), 132, 450, 5, "グ"));
}

// ---------------------------------------------------------------------------
// Texts, boxes and state across the scenes of topics 4 to 7

// The texts of the step tables that the tours above do not place: each
// stands where its table puts it, in its colour (checked on its first glyph;
// a half-width blank in front moves it by 27).
TEST(KasimelTopics47, StepTableTextsStandWhereTheTablesPutThem) {
  struct Placed {
    int step;
    float x, y;
    int colour;
    const char* glyph;
  };
  struct SceneTexts {
    std::string name, keys;  // the scene's step 1 follows key 4
    std::vector<Placed> texts;
  };
  const SceneTexts scenes[] = {
      // drill 1 step 1; drill 2 step 1 follows the next-step entry "1"
      {"coordinate review", "4\\r1\\r 1\\r 1\\r5\\r8\\r",
       {{1, 44, 30, 0, "次"}, {4, 44, 30, 0, "次"}}},
      {"square table", "4\\r2\\r" + AnyKeys(24) + "5\\r8\\r",
       {{1, 13, 30, 3, "関"}, {1, 30, 90, 7, "Q"}, {1, 57, 140, 0, "x"}, {1, 57, 200, 3, "y"}}},
      {"square features", "4\\r4\\r" + AnyKeys(4) + "5\\r8\\r",
       {{2, 88, 110, 0, "("}, {2, 88, 180, 0, "("}, {2, 88, 250, 0, "("}}},
      {"double-height table", "5\\r1\\r" + AnyKeys(52) + "5\\r8\\r",
       {{1, 30, 30, 3, "Q"}, {1, 57, 80, 3, "y"}}},
      {"mirror table", "6\\r1\\r" + AnyKeys(53) + "5\\r8\\r", {{1, 30, 20, 3, "Q"}}},
      {"positive features", "5\\r4\\r" + AnyKeys(4) + "5\\r8\\r",
       {{2, 44, 120, 0, "グ"}, {2, 44, 200, 0, "("}, {2, 44, 270, 0, "("}, {2, 44, 340, 0, "("}}},
      {"negative features", "6\\r4\\r" + AnyKeys(7) + "5\\r8\\r",
       {{2, 44, 120, 0, "グ"}, {2, 44, 200, 0, "("}, {2, 44, 270, 0, "("}, {2, 44, 340, 0, "("}}},
      {"opening width", "7\\r1\\r" + AnyKeys(14) + "5\\r8\\r",
       {{1, 44, 30, 0, "問"}, {1, 88, 80, 0, "開"}}},
      {"match graphs", "7\\r2\\r" + AnyKeys(4) + "5\\r8\\r",
       {{1, 44, 30, 0, "課"}, {1, 44 + 27, 80, 0, "ど"}, {1, 44, 170, 0, "y"}}},
      {"parabola terms", "7\\r3\\r" + AnyKeys(6) + "5\\r8\\r",
       {{1, 44 + 54, 30, 3, "放"},
        {2, 44, 90, 7, "1"},
        {3, 132, 140, 0, "y"},
        {4, 44, 200, 7, "2"},
        {5, 132, 250, 0, "放"},
        {6, 44, 310, 7, "3"},
        {7, 132, 360, 0, "軸"}}},
      {"graph summary", "7\\r4\\r" + AnyKeys(4) + "5\\r8\\r",
       {{2, 44, 140, 0, "("}, {4, 44, 280, 0, "("}, {5, 44, 400, 0, "("}}},
  };
  for (const SceneTexts& scene : scenes) {
    SCOPED_TRACE(scene.name);
    const ScriptedRun run = RunScripted("kasimel", scene.keys);
    ExpectCleanEndOnce(run);
    for (const Placed& t : scene.texts)
      EXPECT_TRUE(TextStartsAt(Step(run, 4, t.step), t.x, t.y, t.colour, t.glyph))
          << t.glyph << " at " << t.x << "," << t.y << " in step " << t.step;
  }
}

// The feature exercises: on each numbered line the box stands from 3 above
// to 47 below the line, 132 wide, with its number in it; the rest of the
// sentence starts 20 right of the box; each answer box covers its numbered
// box exactly and holds the answer.
TEST(KasimelTopics47, FeatureExercisesAnswerInTheirNumberedBoxes) {
  struct Exercise {
    std::string name, keys;
    int step;                        // the step that draws the exercise
    std::vector<float> lineY;        // the lines with a box
    std::vector<std::string> tails;  // first glyph after each box
  };
  const Exercise exercises[] = {
      {"square features", "4\\r4\\r" + AnyKeys(4) + "5\\r8\\r", 2, {110, 180, 250}, {"を", "に", "で"}},
      {"positive features", "5\\r4\\r" + AnyKeys(4) + "5\\r8\\r", 2, {200, 270, 340}, {"を", "に", "で"}},
      {"negative features", "6\\r4\\r" + AnyKeys(7) + "5\\r8\\r", 2, {200, 270}, {"を", "に"}},
  };
  const char* numbers[] = {"①", "②", "③"};
  const char* answers[] = {"原点", "y軸", "y≧0"};
  for (const Exercise& e : exercises) {
    SCOPED_TRACE(e.name);
    const ScriptedRun run = RunScripted("kasimel", e.keys);
    ExpectCleanEndOnce(run);
    const std::vector<RecordedOp> ops = Step(run, 4, e.step);
    std::vector<RecordedOp> boxes;
    for (const RecordedOp& op : ops)
      if (op.op == "box" && op.border == 3 && op.fill == 13) boxes.push_back(op);
    ASSERT_EQ(boxes.size(), e.lineY.size());
    for (size_t i = 0; i < boxes.size(); i++) {
      const RecordedOp& b = boxes[i];
      EXPECT_EQ(b.y1, e.lineY[i] - 3);
      EXPECT_EQ(b.y2, e.lineY[i] + 47);
      EXPECT_EQ(b.x2 - b.x1, 132);
      EXPECT_EQ(TextIn(ops, b.x1, b.y1, b.x2, b.y2, 5), numbers[i]);
      EXPECT_TRUE(TextStartsAt(ops, b.x2 + 20, e.lineY[i], 0, e.tails[i].c_str())) << i;
      // the answer, one step each after the exercise
      const std::vector<RecordedOp> answer = Step(run, 4, e.step + 1 + static_cast<int>(i));
      const RecordedOp* again = FirstAnswerBox(answer);
      ASSERT_NE(again, nullptr);
      EXPECT_EQ(again->x1, b.x1);
      EXPECT_EQ(again->y1, b.y1);
      EXPECT_EQ(again->x2, b.x2);
      EXPECT_EQ(again->y2, b.y2);
      EXPECT_EQ(TextIn(answer, b.x1, b.y1, b.x2, b.y2, 5), answers[i]);
    }
    // "(1)" and "(2)" are equally wide: their boxes start at one x
    EXPECT_EQ(boxes[0].x1, boxes[1].x1);
  }
}

// Exposes the pen width to the tests.
class KasimelStateProbe : public Kasimel {
 public:
  using Kasimel::Kasimel;
  using Kasimel::GetPenWidth;
};

// What a scene leaves for the next one: the pen width, the edge GGX that the
// graph scenes clear from, the plane's scale and the positions a scene
// overwrites. The run stops at the sub-menu prompt after the scene.
TEST(KasimelTopics47, ScenesLeaveTheStateTheNextSceneReads) {
  struct Left {
    std::string name, keys;
    float pen, ggx;
    std::function<void(const KasimelStateProbe&)> more;
  };
  const Left cases[] = {
      {"square table", "4\\r2\\r" + AnyKeys(24), 5, 792,
       [](const KasimelStateProbe& k) {
         // the segments end at (3, 9) and overwrite the plane's corner
         EXPECT_EQ(k.GX1, 1100);
         EXPECT_EQ(k.GY1, 144);
         EXPECT_EQ(k.GX, 1100);
         EXPECT_EQ(k.GY, 144);
       }},
      {"near origin", "4\\r3\\r" + AnyKeys(45), 5, 440, nullptr},
      {"square features", "4\\r4\\r" + AnyKeys(4), 3, 748, nullptr},
      {"double-height table", "5\\r1\\r" + AnyKeys(52), 3, 836, nullptr},
      {"mirror table", "6\\r1\\r" + AnyKeys(53), 4, 880,
       [](const KasimelStateProbe& k) {
         // the values stay for the graph scene; -(0) is a zero
         EXPECT_EQ(k.T(25), 0);
         EXPECT_EQ(k.T(29), -8);
         EXPECT_EQ(k.T_s(25), "0");
       }},
      {"double-height graph", "5\\r2\\r" + AnyKeys(6), 3, 836, nullptr},
      {"mirror graph after its table", "6\\r1\\r" + AnyKeys(53) + "2\\r" + AnyKeys(24), 4, 880, nullptr},
      {"half parabola", "5\\r3\\r" + AnyKeys(18), 3, 660, nullptr},
      {"negative half", "6\\r3\\r" + AnyKeys(19), 3, 440, nullptr},
      {"positive features", "5\\r4\\r" + AnyKeys(4), 3, 660, nullptr},
      {"negative features", "6\\r4\\r" + AnyKeys(7), 3, 660, nullptr},
      {"opening width", "7\\r1\\r" + AnyKeys(14), 3, 572, nullptr},
      {"match graphs", "7\\r2\\r" + AnyKeys(4), 5, 660, nullptr},
      {"parabola terms after the match", "7\\r2\\r" + AnyKeys(4) + "3\\r" + AnyKeys(6), 3, 792,
       [](const KasimelStateProbe& k) {
         // the frame set by hand, never drawn
         EXPECT_EQ(k.GX0, 912);
         EXPECT_EQ(k.GY0, 420);
         EXPECT_EQ(k.GX2, 1032);
         EXPECT_EQ(k.GY2, 460);
       }},
      {"graph summary", "7\\r4\\r" + AnyKeys(4), 3, 704, nullptr},
  };
  for (const Left& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingScreen screen;
    ScriptedRuntime rt(screen, ScriptedRuntime::ParseKeys(c.keys));
    KasimelStateProbe probe(rt);
    EXPECT_EQ(RunRecorded(probe, screen), 0);
    EXPECT_EQ(rt.keysLeft(), 0u);
    EXPECT_EQ(probe.GetPenWidth(), c.pen);
    EXPECT_EQ(probe.GGX, c.ggx);
    // one value a grid step for whatever plots next
    EXPECT_TRUE(probe.BAIX == 0 || probe.BAIX == 1);
    EXPECT_TRUE(probe.BAIY == 0 || probe.BAIY == 1);
    if (c.more) c.more(probe);
  }
}

// ---------------------------------------------------------------------------
// Random keys through topics 4 to 7: never a fault, the run always ends cleanly.

TEST(KasimelTopics47, RandomKeyWalkThroughTopicsFourToSeven) {
  int waits = 0;
  std::set<std::string> texts;
  for (unsigned seed = 1; seed <= 4; seed++) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 gen(seed);
    std::vector<std::string> keys;
    const std::vector<std::string> others = {" ", "a", "\b", "\f", "-", ".", "/", "0", "9", "x"};
    while (keys.size() < 2500) {
      const int r = static_cast<int>(gen() % 100);
      if (r < 6) {
        keys.push_back(std::to_string(4 + gen() % 4));  // a topic of 4 to 7
        keys.push_back("\r");
      } else if (r < 22) {
        keys.push_back(std::to_string(1 + gen() % 6));  // a scene, or out of range
        keys.push_back("\r");
      } else if (r < 26) {
        keys.push_back("1");
        keys.push_back("\r");
      } else if (r < 80) {
        keys.push_back(" ");
      } else {
        keys.push_back(others[gen() % others.size()]);
      }
    }
    const ScriptedRun run = RunScriptedKeys("kasimel", keys);
    EXPECT_FALSE(run.faulted) << "fault at step " << run.faultStep << " code " << run.faultCode;
    EXPECT_EQ(run.exitCode, 0);
    waits += CountIf(run.ops, IsKeyWaitBox);
    for (const RecordedOp& op : run.ops)
      if (op.op == "text" && op.y < 640) texts.insert(op.text);
  }
  // the walk gets into the scenes, not only the menus
  EXPECT_GT(waits, 500);
  // glyphs of scenes of topics 4 to 7: most of them must have been drawn
  int reached = 0;
  for (const char* glyph : {"座", "標", "頂", "絶", "符", "軸"}) reached += texts.count(glyph) > 0;
  EXPECT_GE(reached, 4);
}

}  // namespace
}  // namespace lesson
