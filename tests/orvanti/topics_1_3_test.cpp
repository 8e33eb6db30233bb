// Orvanti's first three topics: a scripted tour per topic through every
// scene, with the key waits of each scene and exact drawings, the state the
// scenes leave for the next one, and the range figure's dot loop.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/orvanti/orvanti_probe.h"

namespace lesson {
namespace orvanti_test {
namespace {

std::vector<RecordedOp> CirclesOf(const std::vector<RecordedOp>& ops, float r, int colour) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "circle" && op.r == r && op.colour == colour) out.push_back(op);
  return out;
}

// An arrow drawn as its shaft between the two points (either way round) and
// two barbs ending at the head; all of it in one colour at one pen width.
void ExpectArrow(const std::vector<RecordedOp>& ops, float x0, float y0, Point head, int colour,
                 int pen) {
  SCOPED_TRACE("arrow (" + std::to_string(x0) + "," + std::to_string(y0) + ") to (" +
               std::to_string(head.x) + "," + std::to_string(head.y) + ")");
  const RecordedOp* shaft = FindLine(ops, x0, y0, head.x, head.y);
  if (shaft == nullptr) shaft = FindLine(ops, head.x, head.y, x0, y0);
  ASSERT_NE(shaft, nullptr);
  EXPECT_EQ(shaft->colour, colour);
  EXPECT_EQ(shaft->pen, pen);
  int barbs = 0;
  for (const RecordedOp& op : ops)
    if (op.op == "line" && op.colour == colour && Near(op.x2, head.x) && Near(op.y2, head.y) &&
        std::hypot(op.x1 - head.x, op.y1 - head.y) > 17 &&
        std::hypot(op.x1 - head.x, op.y1 - head.y) < 18.5f)
      ++barbs;
  EXPECT_GE(barbs, 2) << "two barbs 16 back and 8 aside";
}

// An axis: a line in colour 0 at pen 4 (grid lines lie under it).
bool HasAxis(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2) {
  for (const RecordedOp& op : ops)
    if (op.op == "line" && Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) &&
        Near(op.y2, y2) && op.colour == 0 && op.pen == 4)
      return true;
  return false;
}

// What a topic's entry draws before its sub-menu takes the first choice.
std::vector<RecordedOp> BeforeFirstChoice(const ScriptedRun& run) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : run.ops) {
    if (IsPromptLineWipe(op)) break;
    out.push_back(op);
  }
  return out;
}

// ---------------------------------------------------------------- topic 1

class IncDecTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted("orvanti", "1\r0\r6\r\r1\r" + AnyKeys(4) + "2\r" +
                                                      AnyKeys(4) + "3\r" + AnyKeys(8) + "4\r" +
                                                      AnyKeys(8) + "5\r7\r"));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  static const std::vector<RecordedOp>& Scene(int k) { return segs_.at(segs_.size() - 6 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* IncDecTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> IncDecTour::segs_;

TEST_F(IncDecTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  EXPECT_EQ(KeyWaits(Scene(1)), 4);
  EXPECT_EQ(KeyWaits(Scene(2)), 4);
  EXPECT_EQ(KeyWaits(Scene(3)), 8);
  EXPECT_EQ(KeyWaits(Scene(4)), 8);
  // 0, 6 and an empty entry draw the option line again and nothing else.
  ASSERT_GE(segs_.size(), 8u);
  for (int i = 0; i < 3; ++i) {
    for (const RecordedOp& op : segs_[static_cast<size_t>(i)])
      if (op.op == "text" && op.y < 640) ADD_FAILURE() << "drew " << op.text << " at " << op.y;
  }
}

TEST_F(IncDecTour, BannerOnceAndOptionLine) {
  const auto entry = BeforeFirstChoice(*run_);
  EXPECT_NE(FindText(entry, "<", 44, 240, 3), nullptr);
  EXPECT_EQ(SignedLineText(entry, 305, 0, 76), "y=ax2でyの増減を調べよう。");
  int banners = 0;
  for (const RecordedOp& op : run_->ops)
    banners += op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240;
  EXPECT_EQ(banners, 1);
  EXPECT_NE(FindText(run_->ops, "①", 16, 666, 0), nullptr);
}

TEST_F(IncDecTour, LinearRisingScene) {
  const auto& ops = Scene(1);
  EXPECT_NE(FindText(ops, "課", 30, 30, 0), nullptr);
  EXPECT_NE(FindText(ops, "増", 60, 80, 0), nullptr);
  EXPECT_EQ(SignedLineText(ops, 150, 5), "増加する");
  EXPECT_EQ(SignedLineText(ops, 220, 3), "右上がりは増加");
  EXPECT_EQ(SignedLineText(ops, 120, 0, 1032), "y=x+2");
  // The plane spans x 792 to 1032 and y 120 to 480.
  EXPECT_TRUE(HasAxis(ops, 912, 120, 912, 480));
  EXPECT_TRUE(HasAxis(ops, 792, 300, 1032, 300));
  // The line over the whole width, from x 792 to 1032 (the last step may
  // land a hair above the plane's top edge).
  const auto dots = CirclesOf(ops, 1, 3);
  ASSERT_GE(dots.size(), 5000u);
  EXPECT_TRUE(Near(dots.front().x, 792) && Near(dots.front().y, 360));
  EXPECT_TRUE(Near(dots.back().x, 1032, 0.1f) && Near(dots.back().y, 120, 0.1f));
  // Three arrows at pen 6, one a key, the last with the rule.
  const auto stages = Stages(ops);
  ExpectArrow(stages.at(1), 822, 330, {1002, 330}, 7, 6);
  ExpectArrow(stages.at(2), 1002, 330, {1002, 150}, 7, 6);
  ExpectArrow(stages.at(4), 822, 300, {972, 150}, 5, 6);
  EXPECT_EQ(SignedLineText(stages.at(3), 150, 5), "増加する");
}

TEST_F(IncDecTour, LinearFallingScene) {
  const auto& ops = Scene(2);
  EXPECT_EQ(SignedLineText(ops, 30, 0, 0, 430), "課11次関数y=-x+2");
  EXPECT_EQ(SignedLineText(ops, 150, 5), "減少する");
  EXPECT_EQ(SignedLineText(ops, 220, 3), "右下がりは減少");
  const auto stages = Stages(ops);
  ExpectArrow(stages.at(1), 822, 150, {1002, 150}, 7, 6);
  ExpectArrow(stages.at(2), 1002, 150, {1002, 330}, 7, 6);
  ExpectArrow(stages.at(4), 822, 210, {972, 360}, 5, 6);
}

TEST_F(IncDecTour, ParabolaUpScene) {
  const auto& ops = Scene(3);
  const auto stages = Stages(ops);
  ExpectArrow(stages.at(1), 822, 210, {1002, 210}, 7, 6);
  ExpectArrow(stages.at(2), 822, 210, {912, 480}, 5, 6);
  ExpectArrow(stages.at(3), 912, 480, {1002, 210}, 5, 6);
  EXPECT_NE(FindText(ops, "<", 60, 150, 0), nullptr);
  EXPECT_EQ(SignedLineText(ops, 120, 0, 1032), "y=x2");
  // Answer lines: the word in colour 3 right after its condition.
  const struct {
    float y;
    const char* condition;
    const char* word;
  } lines[] = {{200, "-3≦x<0のとき", "減少"}, {250, "0<x≦3のとき", "増加"},
               {300, "x=0のとき", "最小値y=0"}, {420, "x<0のとき", "減少"},
               {470, "x>0のとき", "増加"},     {520, "x=0のとき", "最小値y=0"}};
  for (const auto& l : lines) {
    SCOPED_TRACE(l.y);
    EXPECT_EQ(SignedLineText(ops, l.y, 0, 0, 780), l.condition);
    EXPECT_EQ(SignedLineText(ops, l.y, 3, 0, 780), l.word);
    float lastCondition = 0, firstWord = 1e9f;
    for (const RecordedOp& op : ops) {
      if (op.op != "text" || op.y < l.y - 22 || op.y > l.y + 14 || op.x > 780) continue;
      if (op.colour == 0) lastCondition = std::max(lastCondition, op.x);
      if (op.colour == 3) firstWord = std::min(firstWord, op.x);
    }
    EXPECT_GT(firstWord, lastCondition + 16) << "the trailing blank stands between them";
  }
  EXPECT_EQ(SignedLineText(ops, 370, 7), "<y=ax2a>0では>");
  // The curve keeps to the plane's height.
  for (const RecordedOp& dot : CirclesOf(ops, 1, 3)) ASSERT_TRUE(dot.y >= 120 && dot.y <= 510);
  // The answer lines come one a key; the summary all at once.
  EXPECT_EQ(SignedLineText(stages.at(5), 200, 3), "減少");
  EXPECT_EQ(SignedLineText(stages.at(8), 520, 3), "最小値y=0");
}

TEST_F(IncDecTour, ParabolaDownScene) {
  const auto& ops = Scene(4);
  const auto stages = Stages(ops);
  ExpectArrow(stages.at(1), 827, 470, {1037, 470}, 7, 6);
  ExpectArrow(stages.at(2), 827, 470, {932, 155}, 5, 6);
  ExpectArrow(stages.at(3), 932, 155, {1037, 470}, 5, 6);
  EXPECT_NE(FindText(ops, "y", 1072, 150, 0), nullptr);
  EXPECT_NE(FindText(ops, "<", 60, 150, 1), nullptr);
  EXPECT_EQ(SignedLineText(ops, 200, 3), "増加");
  EXPECT_EQ(SignedLineText(ops, 250, 3), "減少");
  EXPECT_EQ(SignedLineText(ops, 300, 3), "最大値y=0");
  EXPECT_EQ(SignedLineText(ops, 370, 7), "<y=ax2a<0では>");
  EXPECT_TRUE(HasAxis(ops, 932, 120, 932, 575));
  for (const RecordedOp& dot : CirclesOf(ops, 1, 3)) ASSERT_TRUE(dot.y >= 120 && dot.y <= 575);
}

// The pen each scene leaves, and the same picture on a second run.
TEST(IncDecScenes, PenLeftAndRepeatable) {
  struct Case {
    void (OrvantiProbe::*scene)();
    int keys;
    int pen;
  };
  const Case cases[] = {{&OrvantiProbe::IncDecLinearRisingScene, 4, 6},
                        {&OrvantiProbe::IncDecLinearFallingScene, 4, 6},
                        {&OrvantiProbe::IncDecParabolaUpScene, 8, 3},
                        {&OrvantiProbe::IncDecParabolaDownScene, 8, 3}};
  for (const Case& c : cases) {
    ProbeRig rig(AnyKeys(2 * c.keys));
    rig.k.SetPenWidth(2);
    (rig.k.*c.scene)();
    EXPECT_EQ(rig.k.GetPenWidth(), c.pen);
    const size_t first = rig.screen.ops().size();
    (rig.k.*c.scene)();
    const auto& ops = rig.screen.ops();
    ASSERT_EQ(ops.size(), 2 * first);
    // The clearing box takes the width in force; everything after it is the same.
    for (size_t i = 1; i < first; ++i) {
      const RecordedOp& a = ops[i];
      const RecordedOp& b = ops[first + i];
      ASSERT_TRUE(a.op == b.op && a.x == b.x && a.y == b.y && a.x1 == b.x1 && a.y1 == b.y1 &&
                  a.x2 == b.x2 && a.y2 == b.y2 && a.text == b.text && a.colour == b.colour &&
                  a.pen == b.pen)
          << i << " " << a.op << " " << a.text << a.x << "," << a.y << " / " << b.op << " "
          << b.text << b.x << "," << b.y;
    }
  }
}

// ---------------------------------------------------------------- topic 2

class RateTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted(
        "orvanti", "2\r10\r1\r" + AnyKeys(22) + "2\r" + AnyKeys(22) + "3\r" + AnyKeys(9) + "4\r" +
                       AnyKeys(5) + "5\r" + AnyKeys(1) + "1\r" + AnyKeys(3) + AnyKeys(1) + "1\r" +
                       AnyKeys(4) + "6\r7\r" + AnyKeys(16) + "8\r" + AnyKeys(5) + "9\r7\r"));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  static const std::vector<RecordedOp>& Scene(int k) { return segs_.at(segs_.size() - 10 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* RateTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> RateTour::segs_;

TEST_F(RateTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  const int waits[] = {22, 22, 9, 5, 1 + 3 + 1 + 4, 0, 16, 5};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(KeyWaits(Scene(k)), waits[k - 1]) << "scene " << k;
  EXPECT_EQ(NextStepPrompts(Scene(5)), 2);
  const auto entry = BeforeFirstChoice(*run_);
  EXPECT_EQ(SignedLineText(entry, 305, 0, 76), "1変化の割合を求めよう。");
  EXPECT_EQ(SignedLineText(entry, 370, 0, 76), "2変化の割合を使って、直線の式を求めよう。");
}

TEST_F(RateTour, LinearTableScene) {
  const auto& ops = Scene(1);
  // The table: five touching rows from (60, 150), headers 192 or 160 wide.
  EXPECT_NE(FindBox(ops, 60, 150, 252, 200, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 60, 200, 220, 250, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 60, 250, 220, 300, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 60, 300, 252, 350, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 60, 350, 252, 400, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 444, 150, 508, 200, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 476, 200, 540, 250, 3, 15), nullptr);
  EXPECT_EQ(SignedLineText(ops, 153, 3, 252), "1111");
  EXPECT_EQ(SignedLineText(ops, 203, 0, 220), "01234");
  EXPECT_EQ(SignedLineText(ops, 253, 0, 220), "13579");
  EXPECT_EQ(SignedLineText(ops, 303, 3, 252, 560), "2222");
  EXPECT_EQ(SignedLineText(ops, 353, 5, 252, 560), "2222");
  // The run and rise of each step, the rise written beside it.
  const float from[4][2] = {{832, 520}, {872, 440}, {912, 360}, {952, 280}};
  const auto stages = Stages(ops);
  for (int j = 0; j < 4; ++j) {
    const auto& st = stages.at(static_cast<size_t>(11 + j));
    const float x0 = from[j][0], y0 = from[j][1];
    ExpectArrow(st, x0, y0, {x0 + 40, y0}, 7, 5);
    ExpectArrow(st, x0 + 40, y0, {x0 + 40, y0 - 80}, 3, 5);
    EXPECT_NE(FindText(st, "2", x0 + 40, y0 - 56, 3), nullptr) << j;
    EXPECT_EQ(SignedLineText(st, y0 - 56, 7), "") << "the run is not written";
  }
  // Two key presses after the fourth pair and after the fourth rate box.
  for (size_t s : {15u, 21u})
    for (const RecordedOp& op : stages.at(s))
      EXPECT_FALSE((op.op == "text" && op.y < 640) || op.op == "line")
          << "stage " << s << " draws " << op.op;
  EXPECT_NE(FindText(ops, "変", 60, 430, 0), nullptr);
  EXPECT_EQ(SignedLineText(ops, 500, 0), "1次関数y=ax+bの変化の割合は");
  EXPECT_EQ(SignedLineText(ops, 550, 5), "一定で、aに等しい。");
}

TEST_F(RateTour, ParabolaTableScene) {
  const auto& ops = Scene(2);
  EXPECT_NE(FindText(ops, "課", 27, 20, 0), nullptr);
  EXPECT_NE(FindText(ops, "1", 57, 90, 0), nullptr);
  EXPECT_NE(FindBox(ops, 30, 160, 222, 210, 3, 13), nullptr);
  EXPECT_EQ(SignedLineText(ops, 263, 0, 190), "00.524.58");
  EXPECT_EQ(SignedLineText(ops, 313, 3, 222, 560), "0.51.52.53.5");
  EXPECT_EQ(SignedLineText(ops, 363, 5, 222, 560), "0.51.52.53.5");
  // The first run arrow on the x axis, its rise 20 long, labelled 0.5.
  const auto stages = Stages(ops);
  ExpectArrow(stages.at(11), 832, 560, {872, 560}, 7, 5);
  ExpectArrow(stages.at(11), 872, 560, {872, 540}, 3, 5);
  EXPECT_NE(FindText(stages.at(11), "0", 872, 534, 3), nullptr);
  EXPECT_EQ(SignedLineText(stages.at(11), 534, 3), "0.5");
  EXPECT_NE(FindText(stages.at(12), "1", 912, 494, 3), nullptr);
  EXPECT_NE(FindText(stages.at(13), "2", 952, 414, 3), nullptr);
  EXPECT_NE(FindText(stages.at(14), "3", 992, 294, 3), nullptr);
  // The curve leaves through the plane's top edge.
  const auto dots = CirclesOf(ops, 1, 3);
  for (const RecordedOp& dot : dots) ASSERT_TRUE(dot.y >= 120 && dot.y <= 600);
  EXPECT_NEAR(dots.back().x, 832 + 40 * std::sqrt(22.0f), 0.2);
  EXPECT_NE(FindText(ops, "変", 57, 440, 0), nullptr);
  EXPECT_EQ(SignedLineText(ops, 510, 0, 0, 780), "関数y=ax2の変化の割合は");
  EXPECT_EQ(SignedLineText(ops, 560, 5), "一定ではない。");
}

TEST_F(RateTour, TwoPointScene) {
  const auto& ops = Scene(3);
  const auto stages = Stages(ops);
  // Step 2: the bare arrows.
  ExpectArrow(stages.at(1), 942, 450, {1002, 450}, 7, 5);
  ExpectArrow(stages.at(1), 1002, 450, {1002, 210}, 3, 5);
  for (const RecordedOp& op : OpsOfKind(stages.at(1), "text")) EXPECT_GE(op.y, 640) << op.text;
  // Step 8: the same arrows with 2 and 8, then the fraction 8/2.
  const auto& st = stages.at(7);
  ExpectArrow(st, 942, 450, {1002, 450}, 7, 5);
  ExpectArrow(st, 1002, 450, {1002, 210}, 3, 5);
  size_t run = 0, rise = 0, fraction = 0;
  for (size_t i = 0; i < st.size(); ++i) {
    if (FindText({st[i]}, "2", 958, 406, 7)) run = i;
    if (FindText({st[i]}, "8", 1002, 314, 3)) rise = i;
    if (st[i].op == "text" && st[i].text == "8" && st[i].colour == 0 && st[i].y < 1000)
      fraction = i;
  }
  ASSERT_TRUE(run && rise && fraction);
  EXPECT_LT(run, rise);
  EXPECT_LT(rise, fraction);
  EXPECT_EQ(SignedLineText(ops, 380, 5), "4");
  EXPECT_NE(FindText(ops, "教", 44, 570, 7), nullptr);
  EXPECT_EQ(SignedLineText(ops, 200, 3), "1");
  EXPECT_EQ(SignedLineText(ops, 250, 3), "9");
  // No dots mark the two points; the graph's dots take the width the
  // previous scene left (3).
  for (const RecordedOp& op : OpsOfKind(ops, "circle")) {
    if (op.y > 600) continue;  // the number field's cursor dot
    EXPECT_EQ(op.r, 1);
    EXPECT_EQ(op.pen, 3);
  }
}

TEST_F(RateTour, Question1Scene) {
  const auto& ops = Scene(4);
  EXPECT_NE(FindText(ops, "問", 132, 30, 7), nullptr);
  const auto stages = Stages(ops);
  EXPECT_EQ(SignedLineText(stages.at(0), 80, 3), "18");
  EXPECT_EQ(SignedLineText(stages.at(1), 130, 3), "50");
  std::string answers;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.colour == 5 && op.y < 640) answers += op.text;
  EXPECT_EQ(answers, "16") << "the result is the only answer-coloured text";
}

TEST_F(RateTour, Question2SceneAtOnce) {
  const auto& ops = Scene(6);
  EXPECT_NE(FindText(ops, "問", 132, 30, 7), nullptr);
  EXPECT_NE(FindText(ops, "(", 44, 80, 3), nullptr);
  EXPECT_NE(FindText(ops, "(", 44, 390, 3), nullptr);
  EXPECT_EQ(SignedLineText(ops, 80, 3, 200), "2");
  EXPECT_EQ(SignedLineText(ops, 160, 3), "8");
  EXPECT_EQ(SignedLineText(ops, 300, 5), "3");
  EXPECT_EQ(SignedLineText(ops, 460, 5), "-4");
  EXPECT_EQ(SignedLineText(ops, 390, 3), "(2)変化の割合は");
}

TEST_F(RateTour, LineThroughTwoPointsScene) {
  const auto& ops = Scene(7);
  const auto stages = Stages(ops);
  const auto& fig = stages.at(0);
  // A and B: dots of radius 7 in colour 5 with their letters and guides.
  const auto a = CirclesOf(fig, 7, 5);
  ASSERT_EQ(a.size(), 2u);
  EXPECT_TRUE(Near(a[0].x, 1000) && Near(a[0].y, 520) && a[0].pen == 5);
  EXPECT_TRUE(Near(a[1].x, 1160) && Near(a[1].y, 200));
  EXPECT_NE(FindText(fig, "A", 960, 480, 5), nullptr);
  EXPECT_NE(FindText(fig, "B", 1120, 160, 5), nullptr);
  EXPECT_NE(FindLine(fig, 1000, 520, 1000, 560), nullptr);
  EXPECT_NE(FindLine(fig, 1000, 520, 1040, 520), nullptr);
  EXPECT_NE(FindLine(fig, 1160, 200, 1160, 560), nullptr);
  EXPECT_NE(FindLine(fig, 1160, 200, 1040, 200), nullptr);
  EXPECT_EQ(SignedLineText(fig, 560, 3, 960, 1000), "-1");
  EXPECT_NE(FindText(fig, "1", 1040, 474, 3), nullptr);
  EXPECT_NE(FindText(fig, "3", 1144, 560, 3), nullptr);
  EXPECT_NE(FindText(fig, "9", 1012, 176, 3), nullptr);
  EXPECT_NE(FindText(fig, "y", 1104, 40, 0), nullptr);
  EXPECT_FALSE(CirclesOf(fig, 1, 5).empty()) << "the line y=2x+3 from the first step";
  EXPECT_EQ(FindLine(fig, 880, 560, 1200, 560)->pen, 4);
  // Steps 4 and 7: the arrows, the rise drawn over in colour 7; step 7 adds
  // the run 4 and the rise 8, whose label stays colour 3.
  for (size_t s : {3u, 6u}) {
    ExpectArrow(stages.at(s), 1000, 520, {1160, 520}, 7, 5);
    const auto lines = OpsOfKind(stages.at(s), "line");
    int riseColour7 = 0;
    for (const RecordedOp& op : lines)
      riseColour7 += Near(op.x1, 1160) && Near(op.x2, 1160) && Near(op.y1, 520) &&
                     Near(op.y2, 200) && op.colour == 7;
    EXPECT_EQ(riseColour7, 1) << s;
  }
  EXPECT_EQ(OpsOfKind(stages.at(3), "text").size() > 0, true);
  EXPECT_NE(FindText(stages.at(6), "4", 1066, 476, 7), nullptr);
  EXPECT_NE(FindText(stages.at(6), "8", 1160, 344, 3), nullptr);
  EXPECT_EQ(FindText(stages.at(3), "4", 1066, 476, 7), nullptr);
  // The answer and the remark from the end of "=3", above and beside it.
  EXPECT_EQ(SignedLineText(ops, 500, 5, 0, 780), "=3");
  float end3 = 0;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == "3" && op.colour == 5 && Near(op.y, 500)) end3 = op.x + 27;
  std::vector<RecordedOp> answer;
  for (const RecordedOp& op : OpsOfKind(stages.at(15), "text"))
    if (op.y < 640) answer.push_back(op);
  ASSERT_FALSE(answer.empty());
  EXPECT_EQ(answer.front().text, "答");
  EXPECT_NEAR(answer.front().x, end3 + 96, 0.01);
  EXPECT_EQ(answer.front().y, 425);
  EXPECT_EQ(SignedLineText(ops, 475, 3, end3, 1000), "変化の割合は直線ABの傾き");
}

TEST_F(RateTour, LineFromRateScene) {
  const auto& ops = Scene(8);
  EXPECT_NE(FindText(ops, "課", 14, 30, 0), nullptr);
  EXPECT_NE(FindText(ops, "2", 44, 90, 0), nullptr);
  EXPECT_EQ(SignedLineText(ops, 500, 3), "=-4");
  EXPECT_EQ(SignedLineText(ops, 580, 5), "答y=3x-4");
  const auto stages = Stages(ops);
  EXPECT_EQ(SignedLineText(stages.at(5), 380, 0), "2=3×2+b");
  EXPECT_EQ(SignedLineText(stages.at(5), 580, 5), "答y=3x-4");
}

// The widths the rate scenes take and leave.
TEST(RateScenes, PenWidths) {
  {
    // The empty table takes the width in force; the rate row is drawn at 3.
    ProbeRig rig(AnyKeys(22));
    rig.k.SetPenWidth(7);
    rig.k.RateParabolaTableScene();
    const auto& ops = rig.screen.ops();
    EXPECT_EQ(FindBox(ops, 30, 160, 222, 210, 3, 13)->pen, 7);
    const RecordedOp* filled = nullptr;
    for (const RecordedOp& op : ops)
      if (op.op == "box" && Near(op.x1, 222) && Near(op.y1, 360) && op.fill == 15) filled = &op;
    ASSERT_NE(filled, nullptr);
    EXPECT_EQ(filled->pen, 3);
    EXPECT_EQ(rig.k.GetPenWidth(), 3);
  }
  {
    // The second run of the two-point scene draws its graph at 5.
    ProbeRig rig(AnyKeys(18));
    rig.k.SetPenWidth(3);
    rig.k.RateTwoPointScene();
    EXPECT_EQ(rig.k.GetPenWidth(), 5);
    rig.k.RateTwoPointScene();
    const auto dots = CirclesOf(rig.screen.ops(), 1, 3);
    EXPECT_EQ(dots.front().pen, 3);
    EXPECT_EQ(dots.back().pen, 5);
  }
  {
    ProbeRig rig(AnyKeys(16));
    rig.k.LineThroughTwoPointsScene();
    EXPECT_EQ(rig.k.GetPenWidth(), 5);
  }
}

// ---------------------------------------------------------------- topic 3

class RangeTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted(
        "orvanti", "3\r-1\r1\r" + AnyKeys(1) + "1\r" + AnyKeys(1) + "1\r2\r" + AnyKeys(18) +
                       "3\r" + AnyKeys(1) + "1\r" + AnyKeys(1) + "1\r" + AnyKeys(1) + "4\r" +
                       AnyKeys(5) + "5\r7\r"));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  static const std::vector<RecordedOp>& Scene(int k) { return segs_.at(segs_.size() - 6 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* RangeTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> RangeTour::segs_;

TEST_F(RangeTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  EXPECT_EQ(KeyWaits(Scene(1)), 2);
  EXPECT_EQ(NextStepPrompts(Scene(1)), 2);
  EXPECT_EQ(KeyWaits(Scene(2)), 18);
  EXPECT_EQ(KeyWaits(Scene(3)), 3);
  EXPECT_EQ(KeyWaits(Scene(4)), 5);
  const auto entry = BeforeFirstChoice(*run_);
  EXPECT_NE(FindText(entry, "<", 44, 240, 3), nullptr);
  EXPECT_EQ(SignedLineText(entry, 305, 0, 76), "xの変域からyの変域を求めよう。");
  EXPECT_EQ(SignedLineText(entry, 370, 0, 76), "");
}

TEST_F(RangeTour, GraphSceneFirstProblem) {
  const auto stages = Stages(Scene(2));
  ASSERT_EQ(stages.size(), 19u);
  EXPECT_NE(FindText(stages[0], "①", 30, 30, 0), nullptr);
  EXPECT_NE(FindText(stages[0], "y", 90, 80, 0), nullptr);
  EXPECT_NE(FindText(stages[0], "<", 60, 130, 3), nullptr);
  // The plane, the 90 dots of the dotted curve and the solid arc.
  EXPECT_NE(FindLine(stages[1], 980, 50, 980, 570), nullptr);
  const auto dots = CirclesOf(stages[1], 1, 0);
  ASSERT_EQ(dots.size(), 90u);
  EXPECT_TRUE(Near(dots.front().x, 880) && Near(dots.front().y, 50));
  EXPECT_EQ(dots.front().pen, 5);
  const auto arc = CirclesOf(stages[1], 1, 3);
  ASSERT_FALSE(arc.empty());
  EXPECT_TRUE(Near(arc.front().x, 900) && Near(arc.front().y, 230));
  EXPECT_NEAR(arc.back().x, 1040, 0.05);
  // Guides and their numbers.
  EXPECT_EQ(FindLine(stages[2], 900, 230, 900, 550)->colour, 7);
  EXPECT_NE(FindLine(stages[2], 1040, 370, 1040, 550), nullptr);
  EXPECT_EQ(SignedLineText(stages[2], 550, 7, 860, 930), "-4");
  EXPECT_NE(FindText(stages[2], "3", 1027, 550, 7), nullptr);
  EXPECT_NE(FindLine(stages[3], 900, 230, 980, 230), nullptr);
  EXPECT_NE(FindLine(stages[3], 1040, 370, 980, 370), nullptr);
  EXPECT_EQ(SignedLineText(stages[4], 190, 0), "x=-4のとき、y=");
  EXPECT_EQ(SignedLineText(stages[5], 190, 0), "(-4)2");
  EXPECT_EQ(SignedLineText(stages[6], 190, 3), "=16");
  EXPECT_NE(FindText(stages[7], "1", 980, 208, 7), nullptr);
  EXPECT_EQ(SignedLineText(stages[8], 250, 0), "x=3のとき、y=32");
  EXPECT_NE(FindText(stages[10], "9", 950, 346, 7), nullptr);
  // Two arrows from 9: up to 16 and down to 0, each with its head there.
  ExpectArrow(stages[11], 980, 370, {980, 230}, 5, 6);
  EXPECT_EQ(SignedLineText(stages[12], 310, 3), "0");
  ExpectArrow(stages[13], 980, 370, {980, 550}, 5, 6);
  EXPECT_EQ(SignedLineText(stages[14], 370, 5), "0≦y≦16");
}

TEST_F(RangeTour, GraphSceneLaterProblems) {
  const auto stages = Stages(Scene(2));
  ASSERT_EQ(stages.size(), 19u);
  struct Figure {
    size_t stage;
    float headingY;
    float x3, y3, x4, y4;  // the end points
    const char *x1, *x2;   // their x numbers at the x axis
    float lo, hi;          // the double arrow on the y axis
    const char* answer;
  };
  const Figure figs[] = {
      {15, 440, 1020, 470, 1060, 230, "2", "4", 470, 230, "4≦y≦16"},
      {17, 510, 880, 50, 940, 470, "-5", "-2", 470, 50, "4≦y≦25"},
  };
  for (const Figure& f : figs) {
    SCOPED_TRACE(f.answer);
    const auto& st = stages.at(f.stage);
    EXPECT_EQ(SignedLineText(st, f.headingY, 0, 0, 800),
              f.stage == 15 ? "②2≦x≦4のとき" : "③-5≦x≦-2のとき");
    EXPECT_NE(FindBox(st, 840, 0, 2160, 1800, 15, 15), nullptr);
    EXPECT_EQ(CirclesOf(st, 1, 0).size(), 90u);
    for (Point p : {Point{f.x3, f.y3}, Point{f.x4, f.y4}}) {
      const RecordedOp* down = FindLine(st, p.x, p.y, p.x, 550);
      ASSERT_NE(down, nullptr);
      EXPECT_EQ(down->colour, 7);
      EXPECT_EQ(down->pen, 5);
      EXPECT_NE(FindLine(st, p.x, p.y, 980, p.y), nullptr);
    }
    EXPECT_EQ(SignedLineText(st, 550, 7, f.x3 - 28, f.x3 + 20), f.x1);
    EXPECT_EQ(SignedLineText(st, 550, 7, f.x4 - 14, f.x4 + 20), f.x2);
    // The y numbers 8 right of the axis, at their guides.
    EXPECT_EQ(SignedLineText(st, f.y3, 7, 985, 1060), f.stage == 15 ? "4" : "25");
    EXPECT_EQ(SignedLineText(st, f.y4, 7, 985, 1060), f.stage == 15 ? "16" : "4");
    // The double arrow: one shaft twice, a head at each end, pen 6.
    int shafts = 0;
    for (const RecordedOp& op : OpsOfKind(st, "line"))
      shafts += Near(op.x1, 980) && Near(op.x2, 980) &&
                ((Near(op.y1, f.lo) && Near(op.y2, f.hi)) ||
                 (Near(op.y1, f.hi) && Near(op.y2, f.lo))) &&
                op.colour == 5 && op.pen == 6;
    EXPECT_EQ(shafts, 2);
    ExpectArrow(st, 980, f.lo, {980, f.hi}, 5, 6);
    ExpectArrow(st, 980, f.hi, {980, f.lo}, 5, 6);
    // The answer after one key, on the heading's line.
    EXPECT_EQ(SignedLineText(stages.at(f.stage + 1), f.headingY, 5), f.answer);
  }
  // While the third figure shows, the second one's heading and answer stay.
  const auto& last = stages.at(17);
  for (const RecordedOp& op : last)
    if (op.op == "box" && op.fill == 15 && op.x1 < 840 && op.y1 < 640)
      ADD_FAILURE() << "cleared the text column";
}

TEST_F(RangeTour, AnswersScene) {
  const auto& ops = Scene(4);
  const auto stages = Stages(ops);
  EXPECT_NE(FindText(stages.at(0), "問", 111, 30, 7), nullptr);
  EXPECT_EQ(SignedLineText(stages.at(1), 180, 5), "0≦y≦12");
  EXPECT_NE(FindText(stages.at(2), "(", 30, 290, 3), nullptr);
  EXPECT_EQ(SignedLineText(stages.at(2), 390, 5), "-32≦y≦-8");
  EXPECT_EQ(SignedLineText(stages.at(3), 540, 5), "-8≦y≦0");
  EXPECT_NE(FindText(stages.at(4), "(", 600, 30, 3), nullptr);
  EXPECT_EQ(SignedLineText(stages.at(4), 130, 5, 600), "-32≦y≦-8");
  EXPECT_NE(FindText(stages.at(5), "問", 681, 200, 7), nullptr);
  EXPECT_EQ(SignedLineText(stages.at(5), 320, 0, 600), "-1≦x≦3　だから");
  EXPECT_EQ(SignedLineText(stages.at(5), 440, 3, 600), "0≦y≦18");
  for (size_t s = 1; s < stages.size(); ++s)
    for (const RecordedOp& op : stages[s])
      if (op.op == "box" && op.fill == 15 && op.y1 < 640) ADD_FAILURE() << "cleared in " << s;
}

// The dot loop of the range figure: 90 dots, 0.1 apart where y exceeds 1.2
// and 0.2 apart near the vertex.
TEST(RangeFigure, DotLoop) {
  ProbeRig rig("");
  rig.k.SetPenWidth(5);
  rig.k.RangePlane();
  const size_t before = rig.screen.ops().size();
  rig.k.AA = 1;
  rig.k.DotParabola();
  std::vector<RecordedOp> dots;
  for (size_t i = before; i < rig.screen.ops().size(); ++i)
    if (rig.screen.ops()[i].op == "circle") dots.push_back(rig.screen.ops()[i]);
  ASSERT_EQ(dots.size(), 90u);
  int fine = 0, coarse = 0;
  for (size_t i = 1; i < dots.size(); ++i) {
    const float dx = (dots[i].x - dots[i - 1].x) / 20;
    if (Near(dx, 0.1f, 0.001f)) ++fine;
    else if (Near(dx, 0.2f, 0.001f)) ++coarse;
    else ADD_FAILURE() << "step " << dx << " at " << i;
  }
  EXPECT_EQ(coarse, 11) << "from -1.0 to 1.2 in steps of 0.2";
  EXPECT_EQ(fine, 78);
  EXPECT_NEAR(dots.back().x, 1080, 0.1);
  for (const RecordedOp& d : dots) EXPECT_TRUE(d.r == 1 && d.colour == 0 && d.pen == 5);
}

// The range on the parabola for any interval, and what the routine leaves.
TEST(RangeFigure, PlotRangeOnParabola) {
  struct Case {
    float a1, a2, lo, hi;
  };
  const Case cases[] = {{2, 4, 4, 16},  {-5, -2, 4, 25}, {-4, 3, 0, 16},
                        {0, 2, 0, 4},   {-3, 3, 0, 9},   {-2, 0, 0, 4}};
  for (const Case& c : cases) {
    ProbeRig rig("");
    OrvantiProbe& k = rig.k;
    k.SetPenWidth(3);
    k.RangePlane();
    k.XI1 = 60; k.XI2 = 77; k.YI1 = 440;
    k.AA = 1; k.A1 = c.a1; k.A2 = c.a2;
    k.PlotRangeOnParabola();
    SCOPED_TRACE(std::to_string(c.a1) + " to " + std::to_string(c.a2));
    EXPECT_FLOAT_EQ(k.Ya(5), 550 - 20 * c.lo);
    EXPECT_FLOAT_EQ(k.Ya(6), 550 - 20 * c.hi);
    EXPECT_FLOAT_EQ(k.Xa(5), 980);
    EXPECT_FLOAT_EQ(k.Xa(3), 980 + 20 * c.a1);
    EXPECT_FLOAT_EQ(k.Ya(4), 550 - 20 * c.a2 * c.a2);
    EXPECT_EQ(k.GetPenWidth(), 5);
    EXPECT_EQ(k.AA1, c.a1);
    EXPECT_EQ(k.AA2, c.a2);
    EXPECT_EQ(k.AA, 1);
    EXPECT_EQ(k.IROIRO, 2);
    EXPECT_EQ(k.CCC1, 7);
    EXPECT_EQ(k.CCC2, 5);
    EXPECT_EQ(k.CCC3, 3);
    EXPECT_EQ(k.MUKI, 0);
    EXPECT_EQ(k.NAGASA, 16);
    EXPECT_EQ(k.XI1, 60);
    EXPECT_EQ(k.XI2, 77);
    EXPECT_EQ(k.YI1, 440);
    EXPECT_TRUE(k.AAA_s.empty());
  }
}

// The rate drill's worked examples: each starts 40 right of the last answer
// box, on its line; the second drill is set 90 below the first example and
// clears only from there; the scene keeps the pen width it found.
TEST(RateDrillScene, WorkedExamplesBelowTheirDrills) {
  ProbeRig rig(" 1\r" + AnyKeys(3) + " 1\r" + AnyKeys(4));
  rig.k.RandomSeed(3);
  rig.k.SetPenWidth(4);
  rig.k.RateDrillScene();
  EXPECT_EQ(rig.k.GetPenWidth(), 4);
  const auto stages = Stages(rig.screen.ops());
  ASSERT_EQ(stages.size(), 10u);
  auto lastAnswerBox = [](const std::vector<RecordedOp>& ops) {
    const RecordedOp* box = nullptr;
    for (const RecordedOp& op : ops)
      if (op.op == "box" && op.fill == 13) box = &op;
    return box;
  };
  // The left edge of what is drawn in one colour on a line (fractions
  // included: their parts stand up to 30 above and 40 below it).
  auto leftEdge = [](const std::vector<RecordedOp>& ops, float y, int colour) {
    float x = 1e9f;
    for (const RecordedOp& op : ops)
      if (op.op == "text" && op.colour == colour && op.y >= y - 30 && op.y <= y + 40)
        x = std::min(x, op.x);
    return x;
  };
  const struct {
    size_t stage;
    float line, fractionLine;
  } examples[] = {{1, 110, 200}, {5, 390, 480}};
  for (const auto& e : examples) {
    SCOPED_TRACE(e.line);
    const RecordedOp* box = lastAnswerBox(stages.at(e.stage));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->y1, e.line - 8);
    EXPECT_EQ(box->pen, 4);
    EXPECT_NE(FindText(stages.at(e.stage), "y", box->x2 + 40, e.line, 7), nullptr);
    EXPECT_EQ(leftEdge(stages.at(e.stage), e.fractionLine, 0), 80);
  }
  EXPECT_EQ(LineText(stages.at(3), 200, 5), "8");
  EXPECT_NE(FindBox(stages.at(4), 0, 290, 1760, 2090, 15, 15), nullptr);
  for (size_t s = 4; s < stages.size(); ++s)
    for (const RecordedOp& op : stages[s])
      if (op.op == "box" && op.fill == 15 && op.y1 < 290) ADD_FAILURE() << "cleared at " << op.y1;
  EXPECT_EQ(LineText(stages.at(4), 310, 0).rfind("②y=", 0), 0u);
  // Its third line starts back at the column, 40 (the "=" stands 4 in).
  EXPECT_NEAR(leftEdge(stages.at(7), 560, 0), 42, 2);
  EXPECT_EQ(LineText(stages.at(8), 560, 5), "16");
  EXPECT_NE(FindText(stages.at(9), "教", 480, 600, 7), nullptr);
}

}  // namespace
}  // namespace orvanti_test
}  // namespace lesson
