// velmora topics 5 and 6: the chapter problems A and B. Tours through every
// scene on the recorder's log (headers, planes, graphs, the moving-point
// figure, the sliding figure in each of its nine offsets), and scenes run on
// their own after another scene left a different scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "lessons/velmora/velmora.h"
#include "platform/scripted_runtime.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

bool IsSlideBox(const RecordedOp& op) {
  return op.op == "box" && op.x1 == 16 && op.y1 == 657 && op.x2 == 496 && op.y2 == 693 &&
         op.border == 13 && op.fill == 4;
}
bool IsMenuTitle(const RecordedOp& op) {
  return op.op == "text" && op.x == 264 && op.y == 30 && op.text == "＜";
}

const RecordedOp* FindLine(const std::vector<RecordedOp>& ops, float x1, float y1, float x2,
                           float y2, int colour) {
  for (const RecordedOp& op : ops)
    if (op.op == "line" && op.colour == colour && Near(op.x1, x1) && Near(op.y1, y1) &&
        Near(op.x2, x2) && Near(op.y2, y2))
      return &op;
  return nullptr;
}

bool SamePoints(const std::vector<Point>& a, const std::vector<Point>& b, float tol) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i++)
    if (!Near(a[i].x, b[i].x, tol) || !Near(a[i].y, b[i].y, tol)) return false;
  return true;
}

std::vector<RecordedOp> Polylines(const std::vector<RecordedOp>& ops, bool filled) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "polyline" && op.filled == filled) out.push_back(op);
  return out;
}

const RecordedOp* FindPolyline(const std::vector<RecordedOp>& ops, const std::vector<Point>& pts,
                               int colour, bool filled, int fill, float tol = 0.01f) {
  for (const RecordedOp& op : ops)
    if (op.op == "polyline" && op.colour == colour && op.filled == filled &&
        (!filled || op.fill == fill) && SamePoints(op.points, pts, tol))
      return &op;
  return nullptr;
}

// A glyph drawn with its cell's top-left exactly at (x, y).
bool GlyphAt(const std::vector<RecordedOp>& ops, float x, float y, const std::string& text,
             int colour, float tol = 0.01f) {
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == text && op.colour == colour && Near(op.x, x, tol) &&
        Near(op.y, y, tol))
      return true;
  return false;
}

// The text of a line whose top is at y, in one colour, read left to right:
// the glyphs on that line (italic letters sit 22 higher, a decimal point 14
// lower) and its drawn signs, a short stroke for "-" and a crossed one for
// "+". Texts drawn far below for measuring are not on any line.
std::string Row(const std::vector<RecordedOp>& ops, float y, int colour, float xFrom = 0,
                float xTo = 2000) {
  std::vector<std::pair<float, std::string>> parts;
  const auto crossed = [&](const RecordedOp& bar) {
    for (const RecordedOp& op : ops)
      if (op.op == "line" && op.colour == colour && op.x1 == op.x2 && op.x1 > bar.x1 &&
          op.x1 < bar.x2 && std::min(op.y1, op.y2) < bar.y1 && std::max(op.y1, op.y2) > bar.y1)
        return true;
    return false;
  };
  for (const RecordedOp& op : ops) {
    if (op.op == "text" && op.colour == colour && op.x >= xFrom && op.x < xTo &&
        (Near(op.y, y) || (op.italic && Near(op.y, y - 22)) ||
         (op.text == "." && Near(op.y, y + 14))))
      parts.push_back({op.x, op.text});
    if (op.op == "line" && op.colour == colour && op.y1 == op.y2 && op.x1 >= xFrom &&
        op.x1 < xTo && op.y1 > y && op.y1 < y + 44 && std::fabs(op.x2 - op.x1) < 30)
      parts.push_back({op.x1, crossed(op) ? "+" : "-"});
  }
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string s;
  for (const auto& p : parts) s += p.second;
  return s;
}

// The first glyph at the top y of a line, in colour: where that line starts.
float RowStart(const std::vector<RecordedOp>& ops, float y, int colour) {
  float x = 1e9f;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.colour == colour && (Near(op.y, y) || (op.italic && Near(op.y, y - 22))))
      x = std::min(x, op.x);
  return x;
}

// A scene entered with "T\rK\r" from start-up: its step s is what follows
// key 4 + s - 1.
std::vector<RecordedOp> Step(const ScriptedRun& run, int s) { return run.AfterKey(3 + s); }

// All ops of the scene, from its first step to the option line drawn again.
std::vector<RecordedOp> Scene(const ScriptedRun& run) {
  std::vector<RecordedOp> out;
  int keys = 0;
  bool after = false;
  for (const RecordedOp& op : run.ops) {
    if (op.op == "key") ++keys;
    if (keys == 4) after = true;
    if (after && IsOptionLine(op)) break;
    if (after) out.push_back(op);
  }
  return out;
}

// ---------------------------------------------------------------------------
// The topics open straight on their sub-menus

TEST(VelmoraTopics56, TopicsOpenOnTheirSubMenusAndRefuseOutOfRange) {
  struct Case {
    int topic;
    std::string refused;  // choices that only bring the option line back
    int refusedCount;
    int last;
    std::string optionLine;  // a part that the prompt text shows unchanged
  };
  const Case cases[] = {
      {5, "0\\r7\\r-1\\r", 3, 6, "①～⑤問題"},
      {6, "0\\r5\\r", 2, 4, "①～③→解答"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic));
    const ScriptedRun run = RunScripted(
        "velmora", std::to_string(c.topic) + "\\r" + c.refused + std::to_string(c.last) + "\\r8\\r");
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), c.refusedCount + 1);
    EXPECT_NE(run.AllText().find(c.optionLine), std::string::npos);
    // no goal banner, no scene: nothing but menus and prompts
    EXPECT_FALSE(GlyphAt(run.ops, 44, 240, "<", 3));
    EXPECT_EQ(CountIf(run.ops, IsKeyWaitBox), 0);
    // the last item leads back to the whole main menu
    EXPECT_EQ(CountIf(run.ops, IsMenuTitle), 2);
  }
}

// Every scene takes exactly its key presses and hands control back to its
// own sub-menu, whose last item leads to the main menu.
TEST(VelmoraTopics56, EverySceneTakesItsKeysAndReturnsToItsMenu) {
  struct Case {
    int topic, item;
    std::string keys;  // what the scene takes
    int waits;         // key waits with the any-key box
    int last;          // the sub-menu's last item
  };
  const Case cases[] = {
      {5, 1, AnyKeys(9), 9, 6},  {5, 2, AnyKeys(3), 3, 6},  {5, 3, AnyKeys(2), 2, 6},
      {5, 4, AnyKeys(2), 2, 6},  {5, 5, AnyKeys(4), 4, 6},  {6, 1, AnyKeys(1), 1, 4},
      {6, 2, AnyKeys(15), 15, 4}, {6, 3, "1" + AnyKeys(11), 11, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("topic " + std::to_string(c.topic) + " item " + std::to_string(c.item));
    const ScriptedRun run =
        RunScripted("velmora", std::to_string(c.topic) + "\\r" + std::to_string(c.item) + "\\r" +
                                   c.keys + std::to_string(c.last) + "\\r8\\r");
    ExpectCleanEndOnce(run);
    EXPECT_EQ(CountIf(run.ops, IsKeyWaitBox), c.waits);
    EXPECT_EQ(CountIf(run.ops, IsOptionLine), 2);
    // the scene cleared the screen from the top-left corner, 1760 by 1800
    EXPECT_NE(FindBox(Scene(run), 0, 0, 1760, 1800, 15, 15), nullptr);
  }
}

// ---------------------------------------------------------------------------
// The headers of the chapter problems

TEST(VelmoraTopics56, ChapterHeadersAndTheirPenWidth) {
  struct Case {
    std::string keys;   // from start-up to the scene
    float x, y, width;  // the page cell
    std::string page, number;
    int pen;            // the pen width the cells are drawn with
  };
  const Case cases[] = {
      {"5\\r1\\r", 121, 30, 456, "P124", "1", 5},
      {"5\\r2\\r", 72, 30, 456, "P124", "2", 3},
      {"5\\r3\\r", 72, 30, 396, "P124", "3", 3},
      {"5\\r4\\r", 72, 30, 456, "P124", "4", 3},
      {"5\\r5\\r", 72, 30, 396, "P124", "5", 3},
      {"6\\r1\\r", 72, 30, 360, "P125", "1", 3},
      {"6\\r2\\r", 72, 30, 360, "P125", "2", 5},
      {"6\\r3\\r", 84, 20, 360, "P125", "3", 3},
      // after a scene that left pen 5, the cells are drawn at 5
      {"5\\r1\\r" + AnyKeys(9) + "2\\r", 72, 30, 456, "P124", "2", 5},
      {"5\\r5\\r" + AnyKeys(4) + "3\\r", 72, 30, 396, "P124", "3", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    const ScriptedRun run = RunScripted("velmora", c.keys);
    const std::vector<RecordedOp> ops = run.SinceLastClear();
    const RecordedOp* page = FindBox(ops, c.x, c.y, c.x + c.width, c.y + 48, 3, 13);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->pen, c.pen);
    const float nx = c.x + c.width + 44;
    const RecordedOp* number = FindBox(ops, nx, c.y, nx + 44, c.y + 44, 4, 3);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->pen, c.pen);
    EXPECT_EQ(Row(ops, c.y, 13, nx, nx + 44), c.number);
    EXPECT_NE(Row(ops, c.y + 2, 0, c.x, nx).find(c.page), std::string::npos)
        << Row(ops, c.y + 2, 0, c.x, nx);
  }
}

// ---------------------------------------------------------------------------
// Topic 5, problem 1: five graphs and their features

class GraphFeaturesTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { run_ = new ScriptedRun(RunScripted("velmora", "5\\r1\\r" + AnyKeys(9) + "6\\r8\\r")); }
  static void TearDownTestSuite() { delete run_; }
  static ScriptedRun* run_;
};
ScriptedRun* GraphFeaturesTour::run_ = nullptr;

TEST_F(GraphFeaturesTour, PlaneHasAxesOnlyAndFiveLabelledGraphs) {
  ExpectCleanEndOnce(*run_);
  const std::vector<RecordedOp> first = Step(*run_, 1);
  EXPECT_NE(FindLine(first, 812, 90, 812, 570, 0), nullptr) << "y axis";
  EXPECT_NE(FindLine(first, 572, 330, 1052, 330, 0), nullptr) << "x axis";
  EXPECT_EQ(CountIf(first, [](const RecordedOp& op) { return op.op == "line" && op.pen == 1; }), 0)
      << "no grid";

  const std::vector<RecordedOp> graphs = Step(*run_, 2);
  struct Graph {
    int colour;
    const char* label;
  };
  const Graph kGraphs[] = {{3, "ア"}, {5, "エ"}, {7, "イ"}, {0, "ウ"}, {9, "オ"}};
  for (const Graph& g : kGraphs) {
    SCOPED_TRACE(g.label);
    const std::vector<RecordedOp> dots = Dots(graphs, 1, g.colour);
    ASSERT_GT(dots.size(), 500u);
    for (const RecordedOp& d : dots) {
      EXPECT_GE(d.y, 90 - 0.01f);
      EXPECT_LE(d.y, 570 + 0.01f);
    }
    // the label stands at the last dot drawn, in the graph's colour
    EXPECT_TRUE(GlyphAt(graphs, dots.back().x, dots.back().y, g.label, g.colour, 0.5f));
  }
  // the hyperbola: two branches, nothing on the y axis
  const std::vector<RecordedOp> hyperbola = Dots(graphs, 1, 9);
  EXPECT_EQ(CountIf(hyperbola, [](const RecordedOp& d) { return std::fabs(d.x - 812) < 0.5f; }), 0);
  EXPECT_GT(CountIf(hyperbola, [](const RecordedOp& d) { return d.x < 812; }), 100);
  EXPECT_GT(CountIf(hyperbola, [](const RecordedOp& d) { return d.x > 812; }), 100);
  // y = -2x + 1 is cut off above y = 8 on the left (x = -3.5)
  const std::vector<RecordedOp> line = Dots(graphs, 1, 7);
  EXPECT_NEAR(line.front().x, 812 - 3.5f * 30, 0.5f);
  // the labels' places on this plane
  EXPECT_TRUE(GlyphAt(graphs, 812 + 8 * 30, 330 - 0.25f * 30, "オ", 9, 0.5f));
}

TEST_F(GraphFeaturesTour, PropertiesAndTheirAnswers) {
  struct Case {
    int step;
    float y;
    int colour;
    std::string text;
  };
  const Case cases[] = {
      {3, 120, 3, "(1)"}, {3, 120, 0, "y軸について対称"}, {4, 120, 5, "ア,エ"},
      {5, 180, 3, "(2)"}, {5, 180, 0, "原点を通る"},     {6, 180, 5, "ア,ウ,エ"},
      {7, 240, 3, "(3)"}, {7, 240, 0, "xの値が増加すると"}, {7, 290, 0, "yの値もつねに増加"},
      {8, 290, 5, "ウ"},  {9, 350, 3, "(4)"}, {9, 350, 0, "変化の割合が一定でない関数"},
      {10, 400, 5, "ア,エ,オ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Row(Step(*run_, c.step), c.y, c.colour), c.text);
  }
  // the question numbers at the margin 40, the properties at 121
  EXPECT_TRUE(GlyphAt(Step(*run_, 3), 40, 120, "(", 3));
  EXPECT_TRUE(GlyphAt(Step(*run_, 3), 121, 120, "y", 0));
  // the last answer on a line of its own, 40 right of the indented margin
  EXPECT_TRUE(GlyphAt(Step(*run_, 10), 161, 400, "ア", 5));
}

// ---------------------------------------------------------------------------
// Scenes run on their own, after another scene left a scale other than 1

class VelmoraProbe : public Velmora {
 public:
  using Velmora::Velmora;
  using Velmora::AnimateSlidingFigure;
  using Velmora::CoefficientFromPointScene;
  using Velmora::GraphFeaturesScene;
  using Velmora::ParabolaTriangleScene;
  using Velmora::RateOfChangeScene;
  using Velmora::SlidingOverlapScene;
};

struct ProbeRig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  VelmoraProbe v;
  explicit ProbeRig(const std::string& keys)
      : rt(screen, ScriptedRuntime::ParseKeys(keys)), v(rt) {
    v.KAIX = 1056;
    v.KAIY = 648;
  }
};

std::vector<std::string> Json(const std::vector<RecordedOp>& ops) {
  std::vector<std::string> out;
  for (const RecordedOp& op : ops) out.push_back(ToJsonLine(op));
  return out;
}

TEST(VelmoraTopics56, PlanesDoNotDependOnTheScaleLeftBefore) {
  struct Case {
    const char* name;
    std::function<void(VelmoraProbe&)> scene;
    std::string keys;
  };
  const Case scenes[] = {
      {"graph features", [](VelmoraProbe& v) { v.GraphFeaturesScene(); }, AnyKeys(9)},
      {"coefficient from a point", [](VelmoraProbe& v) { v.CoefficientFromPointScene(); }, AnyKeys(3)},
      {"parabola and triangle", [](VelmoraProbe& v) { v.ParabolaTriangleScene(); }, AnyKeys(15)},
      {"sliding overlap", [](VelmoraProbe& v) { v.SlidingOverlapScene(); }, "1" + AnyKeys(11)},
  };
  const std::pair<float, float> scales[] = {{10, 1}, {1, 25}, {20, 300}};
  for (const Case& c : scenes) {
    SCOPED_TRACE(c.name);
    ProbeRig fresh(c.keys);
    c.scene(fresh.v);
    EXPECT_EQ(fresh.v.BAIX, 1);
    EXPECT_EQ(fresh.v.BAIY, 1);
    for (const auto& [bx, by] : scales) {
      ProbeRig scaled(c.keys);
      scaled.v.BAIX = bx;
      scaled.v.BAIY = by;
      c.scene(scaled.v);
      EXPECT_EQ(Json(scaled.screen.ops()), Json(fresh.screen.ops())) << bx << ", " << by;
    }
  }
}

// ---------------------------------------------------------------------------
// Topic 5, problems 2 to 4

TEST(VelmoraTopics56, CoefficientFromPointDrawsItsPlaneAndParabola) {
  const ScriptedRun run = RunScripted("velmora", "5\\r2\\r" + AnyKeys(3) + "6\\r8\\r");
  ExpectCleanEndOnce(run);
  const std::vector<RecordedOp> three = Step(run, 3);
  EXPECT_EQ(Row(three, 560, 5), "y=-2");
  EXPECT_EQ(Row(Step(run, 2), 260, 5), "y=-x2");
  // the plane: origin (732, 130), 40 a step, grid, the line y = -5 numbered
  EXPECT_NE(FindLine(three, 732, 90, 732, 450, 0), nullptr);
  EXPECT_NE(FindLine(three, 572, 130, 892, 130, 0), nullptr);
  EXPECT_GT(CountIf(three, [](const RecordedOp& op) { return op.op == "line" && op.pen == 1; }), 15);
  EXPECT_NE(FindLine(three, 572, 330, 892, 330, 1), nullptr) << "y = -5 in colour 1";
  // the parabola from (-4, -8) through the origin to (4, -8), in colour 5
  const std::vector<RecordedOp> dots = Dots(Step(run, 4), 1, 5);
  ASSERT_GT(dots.size(), 4900u);
  EXPECT_NEAR(dots.front().x, 572, 0.01f);
  EXPECT_NEAR(dots.front().y, 450, 0.01f);
  EXPECT_NEAR(dots.back().x, 892, 0.1f);
  EXPECT_NEAR(dots.back().y, 450, 0.3f);
}

TEST(VelmoraTopics56, RateOfChangePutsItsConclusionOnTheRight) {
  struct Case {
    std::string keys;
    float lineY;      // the line of "(2)"
    float nextY;      // the line of the answer
    std::string conclusion;
    std::string answer;  // its line as the row reads it (the fraction stands above and below)
  };
  const Case cases[] = {
      {"5\\r3\\r" + AnyKeys(2) + "6\\r8\\r", 360, 430, "したがって、9a=-6", "a=-="},
      {"6\\r1\\r" + AnyKeys(1) + "4\\r8\\r", 240, 310, "したがって、8a=2", "a=="},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    const ScriptedRun run = RunScripted("velmora", c.keys);
    ExpectCleanEndOnce(run);
    const std::vector<RecordedOp> ops = Scene(run);
    // "9a" in colour 3 ends the first line of (2); the conclusion starts 96
    // after it, on the same line, and its second line 192 further right
    float nineEnd = 0;
    for (const RecordedOp& op : ops)
      if (op.op == "text" && op.colour == 3 && op.text == "a" && Near(op.y, c.lineY - 22))
        nineEnd = std::max(nineEnd, op.x);
    ASSERT_GT(nineEnd, 0);
    float conclusionX = 1e9f;
    for (const RecordedOp& op : ops)
      if (op.op == "text" && op.colour == 0 && op.text == "し" && Near(op.y, c.lineY))
        conclusionX = std::min(conclusionX, op.x);
    EXPECT_GT(conclusionX, nineEnd + 96);
    EXPECT_LT(conclusionX, nineEnd + 96 + 30);
    EXPECT_EQ(Row(ops, c.lineY, 0, conclusionX), c.conclusion);
    EXPECT_EQ(Row(ops, c.nextY, 0, conclusionX + 150), c.answer);
    EXPECT_NEAR(RowStart(ops, c.nextY, 0), conclusionX + 192, 12);
    EXPECT_GT(RowStart(ops, c.nextY, 5), conclusionX + 192) << "the value of a follows";
  }
}

TEST(VelmoraTopics56, RangeOfYAnswers) {
  const ScriptedRun run = RunScripted("velmora", "5\\r4\\r" + AnyKeys(2) + "6\\r8\\r");
  ExpectCleanEndOnce(run);
  EXPECT_EQ(Row(Step(run, 2), 150, 3), "11");
  EXPECT_EQ(Row(Step(run, 2), 210, 3), "-4");
  EXPECT_EQ(Row(Step(run, 2), 280, 5), "-4≦y≦11");
  EXPECT_EQ(Row(Step(run, 3), 420, 3), "8");
  EXPECT_EQ(Row(Step(run, 3), 480, 3), "0");
  EXPECT_EQ(Row(Step(run, 3), 540, 3), "18");
  // the lowest line of the topic, above the prompt strip
  EXPECT_EQ(Row(Step(run, 3), 610, 5), "0≦y≦18");
}

// ---------------------------------------------------------------------------
// Topic 5, problem 5: the moving-point triangle

class MovingPointTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { run_ = new ScriptedRun(RunScripted("velmora", "5\\r5\\r" + AnyKeys(4) + "6\\r8\\r")); }
  static void TearDownTestSuite() { delete run_; }
  static ScriptedRun* run_;
};
ScriptedRun* MovingPointTour::run_ = nullptr;

TEST_F(MovingPointTour, FigureOfTheFirstStep) {
  ExpectCleanEndOnce(*run_);
  const std::vector<RecordedOp> ops = Step(*run_, 1);
  const RecordedOp* outline =
      FindPolyline(ops, {{748, 530}, {988, 530}, {988, 50}, {748, 530}}, 0, false, 0);
  ASSERT_NE(outline, nullptr);
  EXPECT_EQ(outline->pen, 5);
  const RecordedOp* pbq =
      FindPolyline(ops, {{808, 530}, {988, 530}, {988, 170}, {808, 530}}, 0, true, 13);
  ASSERT_NE(pbq, nullptr);
  EXPECT_GT(pbq, outline) << "the painted triangle lies over the outline";
  const RecordedOp* mark =
      FindPolyline(ops, {{988, 505}, {963, 505}, {963, 530}}, 5, false, 0, 0.001f);
  ASSERT_NE(mark, nullptr);
  EXPECT_GT(mark, pbq);
  // P and Q: discs of radius 6 in colour 3
  for (const Point p : {Point{808, 530}, Point{988, 170}}) {
    EXPECT_EQ(CountIf(ops, [&](const RecordedOp& op) {
                return op.op == "circle" && op.filled && op.r == 6 && op.fill == 3 &&
                       op.colour == 3 && op.x == p.x && op.y == p.y;
              }),
              1);
  }
  // the letters
  EXPECT_TRUE(GlyphAt(ops, 721, 540, "A", 3));
  EXPECT_TRUE(GlyphAt(ops, 794, 540, "P", 3));
  EXPECT_TRUE(GlyphAt(ops, 988, 540, "B", 3));
  EXPECT_TRUE(GlyphAt(ops, 998, 30, "C", 3));
  EXPECT_TRUE(GlyphAt(ops, 998, 145, "Q", 3));
  // the two outer marks: 37 dots each, labels beside their apexes
  EXPECT_EQ(Dots(ops, 0.5f, 0).size(), 74u);
  EXPECT_TRUE(GlyphAt(ops, 1038, 268, "8", 0, 0.01f));
  float four = 0;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == "4" && op.colour == 0 && Near(op.y, 570, 0.01f)) four = op.x;
  EXPECT_GT(four, 800);
  EXPECT_LT(four, 868) << "4cm is centred under (868, 570)";
}

TEST_F(MovingPointTour, MarksOfXAndTwoXAndTheWorking) {
  const std::vector<RecordedOp> two = Step(*run_, 2);
  EXPECT_EQ(Dots(two, 0.5f, 3).size(), 37u);
  EXPECT_EQ(Row(two, 471, 5), "xcm");
  EXPECT_TRUE(GlyphAt(two, 868, 410, "y", 7)) << "ycm^2 at the area-label point";
  const std::vector<RecordedOp> three = Step(*run_, 3);
  EXPECT_EQ(Dots(three, 0.5f, 3).size(), 37u);
  EXPECT_EQ(Row(three, 328, 5), "2xcm");
  // the letters left the cursor under the header: "(1)" at (36, 90)
  const std::vector<RecordedOp> four = Step(*run_, 4);
  EXPECT_TRUE(GlyphAt(four, 36, 90, "(", 3));
  EXPECT_EQ(Row(four, 170, 5), "y=x2");
  const std::vector<RecordedOp> five = Step(*run_, 5);
  EXPECT_EQ(Row(five, 250, 5), "0≦x≦4");
  EXPECT_EQ(Row(five, 370, 3), "16");
  EXPECT_TRUE(GlyphAt(five, 72, 510, "0", 5)) << "the range on a line of its own";
  EXPECT_EQ(Row(five, 510, 5), "0≦y≦16");
}

// ---------------------------------------------------------------------------
// Topic 6, problem 2: the parabola and the triangles

class ParabolaTriangleTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { run_ = new ScriptedRun(RunScripted("velmora", "6\\r2\\r" + AnyKeys(15) + "4\\r8\\r")); }
  static void TearDownTestSuite() { delete run_; }
  static ScriptedRun* run_;
};
ScriptedRun* ParabolaTriangleTour::run_ = nullptr;

TEST_F(ParabolaTriangleTour, FigurePointsAndDropLines) {
  ExpectCleanEndOnce(*run_);
  const std::vector<RecordedOp> one = Step(*run_, 1);
  for (const Point p : {Point{973, 330}, Point{793, 240}, Point{1063, 375}})
    EXPECT_EQ(CountIf(Dots(one, 6, 5), [&](const RecordedOp& d) { return d.x == p.x && d.y == p.y; }), 1)
        << p.x << "," << p.y;
  EXPECT_NE(FindLine(one, 793, 240, 793, 420, 5), nullptr);
  EXPECT_NE(FindLine(one, 1063, 375, 1063, 420, 5), nullptr);
  EXPECT_TRUE(GlyphAt(one, 961, 286, "C", 5));
  // the line is drawn over the whole range, the parabola only up to y = 6
  const std::vector<RecordedOp> black = Dots(one, 1, 0);
  EXPECT_EQ(CountIf(black, [](const RecordedOp& d) { return d.y < 150 - 0.01f || d.y > 465 + 0.01f; }), 0);

  // step 5: the text column cleared, C labelled "2" as well, A-O and B-O
  const std::vector<RecordedOp> five = Step(*run_, 5);
  EXPECT_NE(FindBox(five, 0, 0, 738, 1800, 15, 15), nullptr);
  EXPECT_TRUE(GlyphAt(five, 993, 290, "2", 3));
  EXPECT_NE(FindLine(five, 793, 240, 973, 420, 3), nullptr);
  EXPECT_NE(FindLine(five, 1063, 375, 973, 420, 3), nullptr);
  // the two points P, their segments and drop lines
  const std::vector<RecordedOp> ten = Step(*run_, 10);
  EXPECT_NE(FindBox(ten, 0, 0, 738, 1800, 15, 15), nullptr);
  EXPECT_EQ(Dots(ten, 6, 7).size(), 1u);
  EXPECT_NE(FindLine(ten, 838, 318.75f, 973, 420, 7), nullptr);
  EXPECT_NE(FindLine(ten, 838, 318.75f, 973, 330, 7), nullptr);
  EXPECT_NE(FindLine(Step(*run_, 12), 838, 318.75f, 838, 420, 5), nullptr);
  EXPECT_EQ(Row(Step(*run_, 12), 420, 7, 820, 870), "-p");
  const std::vector<RecordedOp> fifteen = Step(*run_, 15);
  EXPECT_NE(FindLine(fifteen, 1108, 318.75f, 973, 420, 7), nullptr);
  EXPECT_NE(FindLine(fifteen, 1108, 318.75f, 1108, 420, 5), nullptr);
  EXPECT_TRUE(GlyphAt(fifteen, 1108, 420, "p", 7));
}

TEST_F(ParabolaTriangleTour, TextLinesOfTheThreeParts) {
  // question (1): the line of J carries "b=1+1" and "=2"; the answer lies below it
  const std::vector<RecordedOp> four = Step(*run_, 4);
  EXPECT_EQ(Row(four, 480, 0), "1=-×2+bb=1+1");
  EXPECT_EQ(Row(four, 480, 5), "=2");
  EXPECT_NE(Row(four, 560, 5).find("答"), std::string::npos);
  // the answer is aligned with "b=1+1"
  float b = 1e9f, answer = 1e9f;
  for (const RecordedOp& op : four) {
    if (op.op == "text" && op.text == "b" && op.colour == 0 && op.y == 480 && op.x > 300) b = std::min(b, op.x);
    if (op.op == "text" && op.text == "答" && op.y == 560) answer = op.x;
  }
  EXPECT_EQ(b, answer);
  // question (2) from the top again, after the clear
  EXPECT_TRUE(GlyphAt(Step(*run_, 6), 36, 30, "(", 3));
  EXPECT_EQ(Row(Step(*run_, 9), 430, 5), "△OAB=6");
  EXPECT_EQ(Row(Step(*run_, 9), 430, 0), "4+2=");
  // question (3): its last line
  EXPECT_NE(Row(Step(*run_, 16), 600, 5).find("答"), std::string::npos);
  EXPECT_EQ(Row(Step(*run_, 14), 220, 3), "p=3");
}

// ---------------------------------------------------------------------------
// Topic 6, problem 3: the sliding figure and the overlap

// The figure at offset pp with the frame's top at y 90 (YI1 = 20).
struct Offset {
  std::vector<Point> overlap;        // the painted polygon; empty for none
  std::vector<std::string> missing;  // letters left out
};

Offset Expected(int pp) {
  const float s = 30.0f * static_cast<float>(pp);
  const Point c{910 + s, 210}, d{790 + s, 90}, e{910, 90}, f{910, 210};
  if (pp == 0) return {{}, {"F"}};
  if (pp <= 4) return {{c, {910, 210 - s}, f, c}, pp == 4 ? std::vector<std::string>{"E"} : std::vector<std::string>{}};
  if (pp == 8) return {{c, d, e, f, c}, {"E", "G", "F"}};
  return {{c, d, e, f, c}, {}};
}

TEST(VelmoraTopics56, SlidingFigureInEachOfItsNineOffsets) {
  // Enter, letters and digits other than 1 all move the trapezoid; the ninth
  // move brings it back to offset 0; "1" ends the slide.
  const std::string moves = "\\ra2 0\\rx9\\r";
  const ScriptedRun run = RunScripted("velmora", "6\\r3\\r" + moves + "1" + AnyKeys(11) + "4\\r8\\r");
  ExpectCleanEndOnce(run);
  EXPECT_EQ(CountIf(run.ops, IsSlideBox), 10);
  for (int k = 0; k <= 9; k++) {
    const int pp = k % 9;
    SCOPED_TRACE("offset " + std::to_string(pp) + " after " + std::to_string(k) + " moves");
    const std::vector<RecordedOp> ops = run.AfterKey(4 + k);
    const Offset want = Expected(pp);
    const std::vector<RecordedOp> filled = Polylines(ops, true);
    if (want.overlap.empty()) {
      EXPECT_TRUE(filled.empty());
    } else {
      ASSERT_EQ(filled.size(), 1u);
      EXPECT_TRUE(SamePoints(filled[0].points, want.overlap, 0.01f));
      EXPECT_EQ(filled[0].colour, 0);
      EXPECT_EQ(filled[0].fill, 13);
    }
    // both outlines, the trapezoid at its offset
    const float s = 30.0f * static_cast<float>(pp);
    EXPECT_NE(FindPolyline(ops, {{670 + s, 90}, {670 + s, 210}, {910 + s, 210}, {790 + s, 90}, {670 + s, 90}}, 0, false, 0), nullptr);
    EXPECT_NE(FindPolyline(ops, {{910, 90}, {910, 210}, {1150, 210}, {1150, 90}, {910, 90}}, 0, false, 0), nullptr);
    EXPECT_NE(FindLine(ops, 640, 210, 1180, 210, 0), nullptr) << "the line l";
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
      const bool missing = std::count(want.missing.begin(), want.missing.end(), name) > 0;
      EXPECT_EQ(CountIf(ops, [&](const RecordedOp& op) { return op.op == "text" && op.text == name && op.x > 600 && op.y < 300; }),
                missing ? 0 : 1)
          << name;
    }
    EXPECT_TRUE(GlyphAt(ops, 626, 160, "ℓ", 0, 30)) << "the name of l";
    // the message in its own box, and the strip cleared after the key
    EXPECT_EQ(CountIf(ops, IsSlideBox), 1);
    EXPECT_TRUE(GlyphAt(ops, 48, 666, "１", 9));
    // a move clears the figure's box; the last pass (the key "1") does not
    if (k < 9) {
      const std::vector<RecordedOp> next = run.AfterKey(5 + k);
      EXPECT_NE(FindBox(next, 0, 657, 992, 720, 15, 15), nullptr);
      EXPECT_NE(FindBox(next, 610, 30, 1280, 310, 15, 15), nullptr);
    }
  }
  // after "1": the last clear, the figure at offset 3 with its two marks
  const std::vector<RecordedOp> end = run.AfterKey(14);
  EXPECT_NE(FindBox(end, 590, 40, 1280, 260, 15, 15), nullptr);
  EXPECT_EQ(FindBox(end, 610, 30, 1280, 310, 15, 15), nullptr);
  const std::vector<RecordedOp> filled = Polylines(end, true);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_TRUE(SamePoints(filled[0].points, Expected(3).overlap, 0.01f));
  const std::vector<RecordedOp> arc = Dots(end, 0.5f, 3);
  ASSERT_EQ(arc.size(), 19u);
  EXPECT_NEAR(arc[9].x, 955, 0.01f);
  EXPECT_NEAR(arc[9].y, 230, 0.01f);
  EXPECT_TRUE(GlyphAt(end, 910, 150, "y", 3));
}

TEST(VelmoraTopics56, SlideStatePointElevenAndTheScenesFollowUp) {
  // The slide's end is the same however it went.
  ProbeRig quick("1");
  quick.v.YI1 = 20;
  quick.v.AnimateSlidingFigure();
  EXPECT_EQ(quick.v.PP, 3);
  EXPECT_EQ(quick.v.AINP, 1);
  EXPECT_EQ(quick.v.I_s, "1");
  EXPECT_EQ(quick.v.GGX, 640);
  EXPECT_EQ(quick.v.SIZE, 30);
  EXPECT_EQ(quick.v.GY2, 210);
  EXPECT_EQ(quick.v.Xa(11), 910);  // IntersectLines: CD meets EF at (910, 120)
  EXPECT_EQ(quick.v.Ya(11), 120);
  for (int k = 21; k <= 30; k++) EXPECT_EQ(quick.v.Xa(k), quick.v.Xa(k - 20) - (k <= 24 ? 90 : 0));

  const auto tail = [](const ScriptedRun& run) {
    std::vector<RecordedOp> out;
    int keys = 0;
    for (const RecordedOp& op : run.ops) {
      if (op.op == "key" && op.key == "1") keys = 1;
      if (keys) out.push_back(op);
    }
    return Json(out);
  };
  const ScriptedRun first = RunScripted("velmora", "6\\r3\\r1" + AnyKeys(11) + "4\\r8\\r");
  const ScriptedRun later = RunScripted("velmora", "6\\r3\\r" + AnyKeys(13) + "1" + AnyKeys(11) + "4\\r8\\r");
  ExpectCleanEndOnce(first);
  ExpectCleanEndOnce(later);
  EXPECT_EQ(tail(first), tail(later));
}

TEST(VelmoraTopics56, SlidingOverlapSolution) {
  const ScriptedRun run = RunScripted("velmora", "6\\r3\\r1" + AnyKeys(11) + "4\\r8\\r");
  ExpectCleanEndOnce(run);
  // a scene step s follows key 5 + s - 1 here (the slide took the key "1")
  const auto step = [&](int s) { return run.AfterKey(4 + s); };
  const std::vector<RecordedOp> two = step(2);
  EXPECT_TRUE(GlyphAt(two, 30, 80, "(", 3));
  EXPECT_EQ(Row(two, 130, 0), "重なった部分は直角二等辺三角形");
  EXPECT_TRUE(GlyphAt(two, 74, 130, "重", 0));
  EXPECT_EQ(Dots(two, 0.5f, 3).size(), 19u) << "xcm along EF";
  EXPECT_NE(Row(two, 200, 0).find("だから"), std::string::npos);
  EXPECT_NE(Row(step(3), 200, 3).find("y="), std::string::npos);

  // offset 7: the quadrilateral C, D, E, F and three marks
  const std::vector<RecordedOp> four = step(4);
  EXPECT_NE(FindBox(four, 590, 40, 1280, 280, 15, 15), nullptr);
  const std::vector<RecordedOp> filled = Polylines(four, true);
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_TRUE(SamePoints(filled[0].points, Expected(7).overlap, 0.01f));
  EXPECT_EQ(Dots(four, 0.5f, 3).size(), 57u);
  EXPECT_TRUE(GlyphAt(four, 910, 130, "y", 3));
  EXPECT_EQ(Row(four, 320, 0), "重なった部分は台形だから");
  EXPECT_EQ(Row(step(5), 370, 3), "y=2x-2");

  // the plane below the figure: origin (840, 600), 6 by 8 cells of 40
  const std::vector<RecordedOp> six = step(6);
  EXPECT_NE(FindLine(six, 840, 600, 1080, 600, 0), nullptr);
  EXPECT_NE(FindLine(six, 840, 280, 840, 600, 0), nullptr);
  const std::vector<RecordedOp> half = Dots(six, 1, 0);
  ASSERT_FALSE(half.empty());
  EXPECT_NEAR(half.back().x, 920, 0.1f);
  EXPECT_NEAR(half.back().y, 520, 0.3f);
  const std::vector<RecordedOp> line = Dots(step(7), 1, 0);
  EXPECT_NEAR(line.front().x, 920, 0.05f);
  EXPECT_NEAR(line.back().x, 1000, 0.05f);
  EXPECT_NEAR(line.back().y, 360, 0.1f);
  // y = 3 across the plane, in colour 3
  const std::vector<RecordedOp> three = Dots(step(9), 1, 3);
  ASSERT_GT(three.size(), 4900u);
  EXPECT_NEAR(three.front().x, 840, 0.01f);
  EXPECT_NEAR(three.back().x, 1080, 0.05f);
  for (const RecordedOp& d : three) ASSERT_NEAR(d.y, 480, 0.01f);

  EXPECT_EQ(Row(step(7), 430, 3), "(3)");
  EXPECT_EQ(Row(step(8), 430, 3), "6cm2");
  EXPECT_EQ(Row(step(10), 530, 0), "3=2x-2");
  EXPECT_EQ(Row(step(12), 590, 3), "x=2.5");
  EXPECT_EQ(Row(step(12), 590, 5), "答2.5cm");
}

// The overlap's dimension arcs lie on the sides the problem gives them: the
// middle dot of each 19-dot arc is its apex, 20 (40 for x-2) off the edge.
TEST(VelmoraTopics56, SlidingOverlapArcsBulgeToTheirSides) {
  const ScriptedRun run = RunScripted("velmora", "6\\r3\\r1" + AnyKeys(11) + "4\\r8\\r");
  ExpectCleanEnd(run);
  struct Arc {
    int step, index;  // the scene step and the arc's place among its dots
    float x, y;       // the apex
    const char* what;
  };
  const Arc arcs[] = {
      {2, 0, 890, 165, "x along EF, left of it"},
      {4, 0, 1015, 230, "x along FC, below l"},
      {4, 1, 890, 150, "2cm along EF, left of it"},
      {4, 2, 955, 50, "x-2 along ED, above the top edge"},
  };
  for (const Arc& a : arcs) {
    SCOPED_TRACE(a.what);
    const std::vector<RecordedOp> dots = Dots(run.AfterKey(4 + a.step), 0.5f, 3);
    ASSERT_GE(dots.size(), 19u * (a.index + 1));
    const RecordedOp& apex = dots[19 * a.index + 9];
    EXPECT_NEAR(apex.x, a.x, 0.01f);
    EXPECT_NEAR(apex.y, a.y, 0.01f);
  }
}

}  // namespace
}  // namespace lesson
