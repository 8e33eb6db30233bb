// Kasimel's first three topics: scripted tours through every scene (key
// waits per scene and exact drawings), the slope the rolling-ball topic lays
// out, the constant drill's answers over every seed, and repeated figures.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "lessons/kasimel/kasimel.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

// ---------------------------------------------------------------- topic 1

class FunctionReviewTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted("kasimel", "1\r1\r" + AnyKeys(24) + "2\r" + AnyKeys(8) +
                                                      "3\r" + AnyKeys(18) + "4\r8\r"));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  // The scenes' segments: choices 1, 2, 3 of the sub-menu (the main menu's
  // own choice comes first).
  static const std::vector<RecordedOp>& Scene(int k) { return segs_.at(segs_.size() - 5 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* FunctionReviewTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> FunctionReviewTour::segs_;

TEST_F(FunctionReviewTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  EXPECT_EQ(KeyWaits(Scene(1)), 24);
  EXPECT_EQ(KeyWaits(Scene(2)), 8);
  EXPECT_EQ(KeyWaits(Scene(3)), 18);
  EXPECT_EQ(KeyWaits(Scene(4)), 0);
}

TEST_F(FunctionReviewTour, BannerAndOptionLine) {
  const auto& before = run_->ops;
  EXPECT_NE(FindText(before, "<", 44, 240, 3), nullptr) << "the goal banner";
  EXPECT_NE(LineText(before, 305, 0).find("比例、反比例、1次関数の復習をしよう。"),
            std::string::npos);
  // Scenes hand back to the option line, never to the banner.
  int banners = 0;
  for (const RecordedOp& op : before)
    banners += op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240;
  EXPECT_EQ(banners, 1);
}

TEST_F(FunctionReviewTour, TablesScene) {
  const auto& ops = Scene(1);
  // The y row of y=6/x: × at x=0, then 6, 3, 2 as bare digits, in cells of
  // 44 by 50 at pen 5.
  const RecordedOp* cell = FindBox(ops, 132, 370, 176, 420, 0, 15);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->pen, 5);
  EXPECT_EQ(LineText(ops, 373, 3, 88, 352), "…×632…");
  EXPECT_EQ(LineText(ops, 203, 3, 88, 352), "…0246…");
  EXPECT_EQ(LineText(ops, 543, 3, 88, 352), "…1234…");
  // The two partial clearings of the right-hand column.
  EXPECT_NE(FindBox(ops, 396, 110, 2156, 1910, 15, 15), nullptr);
  EXPECT_NE(FindBox(ops, 396, 140, 2156, 1940, 15, 15), nullptr);
  // ③ y=x+1 at (660, 80) survives the second clearing.
  EXPECT_NE(FindText(ops, "③", 660, 80, 0), nullptr);
  // The last answer comes with the 24th key and no wait follows it.
  size_t lastWait = 0, lastAnswer = 0;
  for (size_t i = 0; i < ops.size(); ++i) {
    if (IsKeyWaitBox(ops[i])) lastWait = i;
    if (ops[i].op == "text" && ops[i].text == "一" && ops[i].colour == 3) lastAnswer = i;
  }
  EXPECT_GT(lastAnswer, lastWait);
  const std::vector<RecordedOp> lastStage(ops.begin() + static_cast<long>(lastWait), ops.end());
  EXPECT_EQ(LineText(lastStage, 580, 3), "一定ではない");
}

TEST_F(FunctionReviewTour, GraphsScene) {
  const auto& ops = Scene(2);
  const RecordedOp* yAxis = FindLine(ops, 980, 100, 980, 460);
  const RecordedOp* xAxis = FindLine(ops, 800, 280, 1160, 280);
  ASSERT_NE(yAxis, nullptr);
  ASSERT_NE(xAxis, nullptr);
  EXPECT_EQ(yAxis->pen, 4);
  EXPECT_EQ(xAxis->pen, 4);
  EXPECT_EQ(xAxis->colour, 0);
  // Graph labels: ア 40 above (6, 1), イ at (5, 6), ウ 30 above (3, 6).
  EXPECT_NE(FindText(ops, "ア", 1160, 210, 3), nullptr);
  EXPECT_NE(FindText(ops, "イ", 1130, 100, 0), nullptr);
  EXPECT_NE(FindText(ops, "ウ", 1070, 70, 7), nullptr);
  // y=-3x labelled 88 left of (2, -6).
  EXPECT_NE(FindText(ops, "y", 952, 460, 7), nullptr);
  // The answers of question (1) on one line after their markers.
  EXPECT_EQ(LineText(ops, 160, 3), "ウアイ");
  EXPECT_EQ(LineText(ops, 490, 3), "傾き１，切片１の直線");
}

TEST_F(FunctionReviewTour, RollerCoasterScene) {
  const auto& ops = Scene(3);
  // Header cells as wide as "時間(秒)" (156), distance rows filled with 13.
  EXPECT_NE(FindBox(ops, 30, 180, 186, 230, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 30, 230, 186, 280, 3, 13), nullptr);
  EXPECT_NE(FindBox(ops, 486, 230, 546, 280, 3, 13), nullptr) << "uphill ends at 546";
  EXPECT_NE(FindBox(ops, 636, 390, 726, 440, 3, 13), nullptr) << "downhill ends at 726";
  EXPECT_EQ(LineText(ops, 393, 0, 186, 726), "04.212.623.141.070.4");
  // Axis units at size 26, bold, factors 1 and 1.
  const RecordedOp* sec = FindText(ops, "(秒)", 1124, 635, 0);
  ASSERT_NE(sec, nullptr);
  EXPECT_EQ(sec->size, 26);
  EXPECT_TRUE(sec->bold);
  EXPECT_EQ(sec->m1, 1);
  EXPECT_NE(FindText(ops, "(m)", 906, 7, 0), nullptr);
  // Twelve points of radius 5; the downhill one at the origin covers the
  // uphill one, and the last downhill point is at (1030, 107).
  const auto dots = Circles(ops, 5);
  ASSERT_EQ(dots.size(), 12u);
  EXPECT_TRUE(Near(dots[6].x, 880) && Near(dots[6].y, 635) && dots[6].fill == 7);
  EXPECT_TRUE(Near(dots[0].x, 880) && Near(dots[0].y, 635) && dots[0].fill == 3);
  EXPECT_TRUE(Near(dots[11].x, 1030) && Near(dots[11].y, 107));
  // Closing answers.
  EXPECT_EQ(LineText(ops, 550, 3), "一定");
  EXPECT_EQ(LineText(ops, 600, 3), "増加する");
}

// ---------------------------------------------------------------- topic 2

class RollingBallTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted("kasimel", "2\r1\r" + AnyKeys(1) + "2\r3\r" + AnyKeys(9) +
                                                      "4\r" + AnyKeys(10) + "1\r" + AnyKeys(1) +
                                                      "5\r8\r"));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  static const std::vector<RecordedOp>& Scene(int k) { return segs_.at(segs_.size() - 7 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* RollingBallTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> RollingBallTour::segs_;

TEST_F(RollingBallTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  EXPECT_EQ(KeyWaits(Scene(1)), 1);
  EXPECT_EQ(KeyWaits(Scene(2)), 0);
  EXPECT_EQ(KeyWaits(Scene(3)), 9);
  EXPECT_EQ(KeyWaits(Scene(4)), 10);
  EXPECT_EQ(KeyWaits(Scene(5)), 1) << "the roll after the distance scenes";
  // The distance scenes changed the frame (SIZE 50, origin (40, 650)); the
  // roll only uses the slope corners and direction, so it is the same.
  const auto first = Circles(Scene(1), 20), again = Circles(Scene(5), 20);
  ASSERT_EQ(first.size(), again.size());
  for (size_t i = 0; i < first.size(); ++i)
    EXPECT_TRUE(first[i].x == again[i].x && first[i].y == again[i].y) << i;
}

TEST_F(RollingBallTour, RollAnimation) {
  const auto& ops = Scene(1);
  int ticks = 0;
  std::vector<RecordedOp> balls, spins;
  for (const RecordedOp& op : ops) {
    if (op.op == "wait") {
      EXPECT_EQ(op.ticks, 1);
      ++ticks;
    }
    if (op.op == "circle" && op.r == 20) balls.push_back(op);
    if (op.op == "circle" && op.r == 15) spins.push_back(op);
  }
  EXPECT_EQ(ticks, 300);
  ASSERT_EQ(balls.size(), 301u) << "the ball at rest and one per frame";
  EXPECT_TRUE(Near(balls[0].x, 30) && Near(balls[0].y, 423.33334f) && balls[0].colour == 8);
  // Frames 100, 200 and 300 (contact point 20 below the centre).
  EXPECT_TRUE(Near(balls[100].x, 228.78f) && Near(balls[100].y, 445.42f));
  EXPECT_TRUE(Near(balls[200].x, 825.11f) && Near(balls[200].y, 511.68f));
  EXPECT_TRUE(Near(balls[300].x, 1818.99f) && Near(balls[300].y, 622.12f));
  EXPECT_EQ(balls[300].colour, 14);
  EXPECT_EQ(balls[300].fill, 9);
  // The spin mark of frame 3 wraps past the full turn.
  ASSERT_EQ(spins.size(), 300u);
  EXPECT_TRUE(Near(spins[2].start, 0.9f) && Near(spins[2].end, 0.15f));
  EXPECT_TRUE(Near(spins[299].start, 0) && Near(spins[299].end, 0.25f));
  EXPECT_FALSE(spins[0].filled);
  // Each frame clears the strip around the slope first.
  EXPECT_NE(FindBox(ops, 0, 390.33334f, 1440, 678.33334f, 15, 15), nullptr);
  // The slope: a filled triangle.
  const auto polys = [&] {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops)
      if (op.op == "polyline") out.push_back(op);
    return out;
  }();
  ASSERT_EQ(polys.size(), 301u);
  ASSERT_EQ(polys[0].points.size(), 4u);
  EXPECT_TRUE(polys[0].filled);
  EXPECT_EQ(polys[0].fill, 14);
  EXPECT_TRUE(Near(polys[0].points[2].x, 1350) && Near(polys[0].points[2].y, 590));
}

TEST_F(RollingBallTour, Trail) {
  const auto& ops = Scene(2);
  const auto balls = Circles(ops, 20);
  ASSERT_EQ(balls.size(), 60u);
  for (const RecordedOp& b : balls) {
    EXPECT_EQ(b.colour, 10);
    EXPECT_EQ(b.fill, 9);
  }
  EXPECT_TRUE(Near(balls[36].x, 1332.4f, 0.1f)) << "II = 181";
  EXPECT_TRUE(Near(balls[59].x, 3513.2f, 0.1f) && Near(balls[59].y, 810.4f, 0.1f));
  for (const RecordedOp& op : ops) EXPECT_NE(op.op, "wait");
}

TEST_F(RollingBallTour, DistanceTableScene) {
  const auto& ops = Scene(3);
  // Track and 22 ticks, long every fifth.
  EXPECT_NE(FindBox(ops, 40, 550, 1190, 650, 13, 13), nullptr);
  EXPECT_NE(FindLine(ops, 90, 550, 90, 600), nullptr);
  EXPECT_NE(FindLine(ops, 140, 550, 140, 575), nullptr);
  EXPECT_NE(FindLine(ops, 1140, 550, 1140, 575), nullptr);
  // Balls at 0.2 t^2 m, labels 27 left of the centre (20 for 1 second).
  const auto balls = Circles(ops, 25);
  ASSERT_EQ(balls.size(), 5u);
  const float cx[] = {90, 140, 290, 540, 890};
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(Near(balls[k].x, cx[k]) && Near(balls[k].y, 525)) << k;
  EXPECT_NE(FindText(ops, "1", 120, 450, 0), nullptr);
  EXPECT_NE(FindText(ops, "4", 863, 450, 0), nullptr);
  EXPECT_NE(FindText(ops, "4", 1063, 600, 0), nullptr) << "the 4m label";
  // The y values fill in, in colour 3 with their leading zero.
  EXPECT_EQ(LineText(ops, 183, 3, 132, 572), "00.20.81.83.2");
  // Answers.
  EXPECT_EQ(LineText(ops, 300, 3) + LineText(ops, 350, 3),
            "xの値を決めると、yの値がただ1つに決まるから");
}

TEST_F(RollingBallTour, FormulaScene) {
  const auto& ops = Scene(4);
  EXPECT_NE(FindBox(ops, 682, 58, 1186, 358, 0, 13), nullptr);
  EXPECT_EQ(LineText(ops, 183, 3, 132, 660), "01491625");
  EXPECT_EQ(LineText(ops, 233, 7, 132, 660), "00.20.81.83.25");
  EXPECT_EQ(LineText(ops, 500, 3), "y=0.2x2");
  EXPECT_EQ(LineText(ops, 230, 5), "yはxの2乗に比例する");
}

// The slope the topic entry lays out, as the scenes find it.
class KasimelProbe : public Kasimel {
 public:
  using Kasimel::Kasimel;
  using Kasimel::GetPenWidth;
  using Kasimel::MakeConstantProblem;
  using Kasimel::RandomSeed;
  using Kasimel::RollingBallMenu;
  using Kasimel::SetPenWidth;
  // the scenes, run on their own
  using Kasimel::BallDistanceTableScene;
  using Kasimel::BallFormulaScene;
  using Kasimel::BallRollScene;
  using Kasimel::BallStroboscopeScene;
  using Kasimel::ConstantDrillScene;
  using Kasimel::ConstantQuestion1AnswerScene;
  using Kasimel::ConstantQuestion2AnswerScene;
  using Kasimel::ConstantQuestion3AnswerScene;
  using Kasimel::FunctionReviewGraphsScene;
  using Kasimel::FunctionReviewTablesScene;
  using Kasimel::PrismVolumeScene;
  using Kasimel::RollerCoasterScene;
};

struct ProbeRig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  KasimelProbe k;
  explicit ProbeRig(const std::string& keys)
      : rt(screen, ScriptedRuntime::ParseKeys(keys)), k(rt) {
    k.KAIX = 1056;
    k.KAIY = 648;
  }
};

TEST(RollingBallEntry, SlopeCornersAndDirection) {
  ProbeRig rig("5\r");
  rig.k.RollingBallMenu();
  const float xs[] = {30, 1350, 0, 0};
  const float ys[] = {443.33334f, 590, 440, 590};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(rig.k.Xa(31 + i), xs[i]) << 31 + i;
    EXPECT_FLOAT_EQ(rig.k.Ya(31 + i), ys[i]) << 31 + i;
  }
  EXPECT_FLOAT_EQ(rig.k.HHP, 6.1725245f);
  EXPECT_EQ(rig.k.II, 35);
  EXPECT_EQ(rig.k.YI1, 370);
}

// ---------------------------------------------------------------- topic 3

class ProportionalityTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted(
        "kasimel", "3\r1\r" + AnyKeys(5) + "2\r" + AnyKeys(8) + "3\r" + AnyKeys(8) + "4\r" +
                       AnyKeys(11) + "1\r" + AnyKeys(1) + "5\r" + AnyKeys(11) + "6\r8\r"));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  static const std::vector<RecordedOp>& Scene(int k) { return segs_.at(segs_.size() - 7 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* ProportionalityTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> ProportionalityTour::segs_;

TEST_F(ProportionalityTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  EXPECT_EQ(KeyWaits(Scene(1)), 5);
  EXPECT_EQ(KeyWaits(Scene(2)), 8);
  EXPECT_EQ(KeyWaits(Scene(3)), 8);
  EXPECT_EQ(KeyWaits(Scene(4)), 12) << "eleven steps and the closing key";
  EXPECT_EQ(KeyWaits(Scene(5)), 11);
}

TEST_F(ProportionalityTour, PrismScene) {
  const auto& ops = Scene(1);
  // The top face's first side, 7 to 1, at the faces' pen width 5.
  const RecordedOp* side = FindLine(ops, 898, 130, 748, 160);
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(side->pen, 5);
  EXPECT_EQ(side->colour, 0);
  // Three hidden edges of 26 dots in colour 0, three marks of 26 in colour 3.
  int hidden = 0, marks = 0;
  for (const RecordedOp& op : Circles(ops, 0.5f)) {
    hidden += op.colour == 0;
    marks += op.colour == 3;
    EXPECT_EQ(op.pen, 4);
  }
  EXPECT_EQ(hidden, 78);
  EXPECT_EQ(marks, 78);
  EXPECT_NE(LineText(ops, 570, 7).find("教科書P98問1"), std::string::npos);
  // Pen width 3 after the prism: the later texts are drawn at it.
  const RecordedOp* ans = FindText(ops, "y", 88, 210, 3);
  ASSERT_NE(ans, nullptr);
  EXPECT_EQ(ans->pen, 3);
}

TEST_F(ProportionalityTour, Question1Scene) {
  const auto& ops = Scene(2);
  const RecordedOp* heading = FindText(ops, "<", 88, 30, 3);
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->pen, 5);
  // The cube leaves pen width 2 for the rest of the scene.
  const RecordedOp* part1 = FindText(ops, "(", 44, 90, 7);
  ASSERT_NE(part1, nullptr);
  EXPECT_EQ(part1->pen, 2);
  EXPECT_EQ(LineText(ops, 90, 3, 0, 700), "12x");
  EXPECT_EQ(LineText(ops, 170, 3, 0, 700), "6x2");
  EXPECT_EQ(LineText(ops, 250, 3, 0, 700), "x3");
  EXPECT_EQ(LineText(ops, 330, 3, 0, 700), "(2)");
  // Cube faces at SIZE1 = 5.
  const RecordedOp* side = FindLine(ops, 898, 100, 748, 130);
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(side->pen, 5);
}

TEST_F(ProportionalityTour, Question2Scene) {
  const auto& ops = Scene(3);
  const auto discs = Circles(ops, 150);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_TRUE(Near(discs[0].x, 898) && Near(discs[0].y, 180) && discs[0].fill == 13 &&
              discs[0].pen == 5);
  // The first table 20 right of "(2)", the second 44 right of "(3)".
  EXPECT_NE(FindBox(ops, 145, 170, 233, 220, 0, 15), nullptr);
  EXPECT_NE(FindBox(ops, 321, 220, 409, 270, 0, 15), nullptr);
  EXPECT_NE(FindBox(ops, 169, 300, 257, 350, 0, 15), nullptr);
  EXPECT_NE(FindBox(ops, 345, 350, 433, 400, 0, 15), nullptr);
  EXPECT_NE(FindText(ops, "左", 429, 220, 0), nullptr);
  EXPECT_NE(FindText(ops, "左", 477, 300, 0), nullptr);
  EXPECT_NE(FindText(ops, "答", 477, 560, 5), nullptr);
  EXPECT_EQ(LineText(ops, 500, 3, 433), "a>0だからa=2");
}

TEST_F(ProportionalityTour, Question3Scene) {
  const auto& ops = Scene(5);
  struct Column {
    float x, y;
    const char* answer;
  };
  // Answers in colour 5; a minus is drawn as a line, a fraction stacked.
  const Column cols[] = {{84, 410, "答y=3x2"}, {374, 300, "答y=5x2"}, {674, 360, "答y=2x2"}};
  for (const Column& c : cols) {
    EXPECT_NE(FindText(ops, "答", c.x, c.y, 5), nullptr) << c.answer;
    EXPECT_EQ(LineText(ops, c.y, 5, c.x, c.x + 290), c.answer);
  }
  EXPECT_NE(FindText(ops, "答", 974, 390, 5), nullptr);
  EXPECT_NE(FindText(ops, "<", 30, 30, 3), nullptr);
  EXPECT_NE(FindText(ops, "(", 920, 30, 7), nullptr);
}

// The drill's problems as drawn, with the answers checked against the
// problem's own numbers: a = y1 / x1^2 and y2 = a x2^2.
struct DrawnProblem {
  int x1 = 0, y1 = 0, x2 = 0, a = 0, y2 = 0;
};

std::vector<DrawnProblem> DrawnProblems(const ScriptedRun& run) {
  std::vector<DrawnProblem> out;
  std::vector<RecordedOp> cur;
  bool in = false;
  auto flush = [&] {
    if (!in) return;
    DrawnProblem p;
    std::smatch m;
    const std::string given = LineText(cur, 30, 3);
    if (std::regex_match(given, m, std::regex("課2x=(\\d+)y=(\\d+)"))) {
      p.x1 = std::stoi(m[1]);
      p.y1 = std::stoi(m[2]);
    }
    const std::string asked = LineText(cur, 130, 3);
    if (std::regex_match(asked, m, std::regex("x=(\\d+)"))) p.x2 = std::stoi(m[1]);
    const std::string ans1 = LineText(cur, 490, 5, 0, 660);
    if (std::regex_match(ans1, m, std::regex("答y=(\\d+)x2"))) p.a = std::stoi(m[1]);
    const std::string ans2 = LineText(cur, 460, 5, 660);
    if (std::regex_match(ans2, m, std::regex("答y=(\\d+)"))) p.y2 = std::stoi(m[1]);
    out.push_back(p);
    cur.clear();
  };
  for (const RecordedOp& op : run.ops) {
    if (op.op == "box" && op.x1 == 0 && op.y1 == 0 && op.x2 == 1320 && op.y2 == 1300) {
      flush();
      in = true;
      continue;
    }
    if (in) cur.push_back(op);
  }
  flush();
  // The scene's own first clear precedes the first problem's.
  std::vector<DrawnProblem> shown;
  for (const DrawnProblem& p : out)
    if (p.x1 != 0) shown.push_back(p);
  return shown;
}

TEST(ConstantDrill, AnswersAreRightForEverySeed) {
  // The seed is the sum of hours, minutes and seconds: 0 to 141.
  const int kProblems = 4;
  std::string keys = "3\r4\r";
  for (int i = 0; i < kProblems; ++i) keys += AnyKeys(11) + (i + 1 < kProblems ? "2\r" : "1\r");
  keys += AnyKeys(1) + "6\r8\r";
  for (int seed = 0; seed <= 141; ++seed) {
    const int h = std::min(seed, 23), m = std::min(seed - h, 59), s = seed - h - m;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", h, m, s);
    const ScriptedRun run = RunScripted("kasimel", keys, clock);
    ASSERT_FALSE(run.faulted) << clock;
    const auto problems = DrawnProblems(run);
    ASSERT_EQ(problems.size(), static_cast<size_t>(kProblems)) << clock;
    for (const DrawnProblem& p : problems) {
      SCOPED_TRACE(std::string(clock) + " x1=" + std::to_string(p.x1) + " y1=" +
                   std::to_string(p.y1) + " x2=" + std::to_string(p.x2));
      EXPECT_GE(p.x1, 2);
      EXPECT_LE(p.x1, 8);
      EXPECT_GE(p.x2, 2);
      EXPECT_LE(p.x2, 8);
      EXPECT_NE(p.x1, p.x2);
      ASSERT_EQ(p.y1 % (p.x1 * p.x1), 0);
      const int a = p.y1 / (p.x1 * p.x1);
      EXPECT_GE(a, 2);
      EXPECT_LE(a, 5);
      EXPECT_EQ(p.a, a);
      EXPECT_EQ(p.y2, a * p.x2 * p.x2);
    }
  }
}

TEST(ConstantDrill, ProblemMakerFollowsItsDrawRule) {
  // The draws replayed on a generator of the same seed: a is drawn until it
  // differs from the a drawn just before (a discarded one included), x1 and
  // x2 are drawn after it, and the problem is drawn again while x1 = x2.
  ProbeRig rig("");
  KasimelProbe& k = rig.k;
  k.RandomSeed(7);
  Random replay;
  replay.Seed(7);
  float lastA = 0;
  int seen[6] = {}, discarded = 0;
  for (int i = 0; i < 5000; ++i) {
    float a, x1, x2;
    for (;;) {
      do a = std::floor(4 * replay.Draw()) + 2;
      while (a == lastA);
      lastA = a;
      x1 = std::floor(7 * replay.Draw()) + 2;
      x2 = std::floor(7 * replay.Draw()) + 2;
      if (x1 != x2) break;
      ++discarded;
    }
    k.MakeConstantProblem();
    ASSERT_EQ(k.T(1), a) << i;
    ASSERT_EQ(k.F(2), x1) << i;
    ASSERT_EQ(k.F(3), x2) << i;
    ASSERT_EQ(k.T(2), a * x1 * x1);
    ASSERT_EQ(k.T(3), a * x2 * x2);
    ASSERT_EQ(k.F(4), x2 * x2);
    ASSERT_EQ(k.F(5), x1 * x1);
    ASSERT_EQ(k.T_s(1), std::to_string(static_cast<int>(a)));
    ASSERT_EQ(k.T_s(2), std::to_string(static_cast<int>(a * x1 * x1)));
    ASSERT_EQ(k.T_s(3), std::to_string(static_cast<int>(a * x2 * x2)));
    ASSERT_EQ(k.F_s(4), std::to_string(static_cast<int>(x2 * x2)));
    ASSERT_EQ(k.F_s(5), std::to_string(static_cast<int>(x1 * x1)));
    ASSERT_EQ(k.FMAESU, a);
    ++seen[static_cast<int>(a)];
  }
  for (int a = 2; a <= 5; ++a) EXPECT_GT(seen[a], 0) << a;
  EXPECT_GT(discarded, 0) << "the seed should meet the x1 = x2 case";
}

TEST(ConstantDrill, FractionOfOneEndsTheDrill) {
  const ScriptedRun run =
      RunScripted("kasimel", "3\r4\r" + AnyKeys(11) + "2/2\r" + AnyKeys(1) + "6\r8\r");
  ExpectCleanEnd(run);
  EXPECT_NE(run.AllText().find("教科書P98問3"), std::string::npos);
}

// Each sub-menu takes its own item count: a choice above it or below 1
// shows the option line again over the unchanged picture, the last item
// leads back to the main menu.
TEST(TopicsOneToThree, SubMenusRejectChoicesOutsideTheirItems) {
  const auto clears = [](const ScriptedRun& run) {
    int n = 0;
    for (const RecordedOp& op : run.ops)
      n += op.op == "clear" || (op.op == "box" && op.x1 == 0 && op.y1 == 0 && op.x2 >= 1320 &&
                                op.y2 >= 720 && op.fill == 15);
    return n;
  };
  struct Case {
    const char* topic;
    int items;
  } cases[] = {{"1", 4}, {"2", 5}, {"3", 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.topic);
    const std::string open = std::string(c.topic) + "\r", last = std::to_string(c.items) + "\r";
    const ScriptedRun direct = RunScripted("kasimel", open + last + "8\r");
    const ScriptedRun rejected = RunScripted(
        "kasimel", open + std::to_string(c.items + 1) + "\r0\r-1\r" + last + "8\r");
    ExpectCleanEnd(direct);
    ExpectCleanEnd(rejected);
    EXPECT_EQ(clears(rejected), clears(direct)) << "no scene started, no extra clearing";
    EXPECT_EQ(rejected.TextsContaining("<").size(), direct.TextsContaining("<").size())
        << "the banner is not drawn again";
  }
}

// What each scene leaves in the shared variables: the pen width for the
// next scene, the plane state, the text cursor, the figure state and the
// counters that later code finds.
std::map<std::string, float> SharedNumbers(KasimelProbe& k) {
  return {
      {"pen", k.GetPenWidth()},
      {"A", k.A}, {"AA", k.AA}, {"AA1", k.AA1}, {"AA2", k.AA2}, {"AINP", k.AINP},
      {"B", k.B}, {"BAIX", k.BAIX}, {"BAIY", k.BAIY}, {"BB1", k.BB1}, {"BB2", k.BB2},
      {"C", k.C}, {"CCC1", k.CCC1}, {"CCC2", k.CCC2}, {"CCC3", k.CCC3},
      {"FMAESU-T(1)", k.FMAESU - k.T(1)},
      {"GX0", k.GX0}, {"GY0", k.GY0}, {"GX1", k.GX1}, {"GY1", k.GY1}, {"GX2", k.GX2},
      {"GY2", k.GY2}, {"H1", k.H1}, {"H2", k.H2}, {"HABA", k.HABA}, {"HHP", k.HHP},
      {"HOUKOU", k.HOUKOU}, {"II", k.II}, {"IROIRO", k.IROIRO}, {"KAKU", k.KAKU},
      {"KASANARIX", k.KASANARIX}, {"KASANARIY", k.KASANARIY}, {"M", k.M}, {"N", k.N},
      {"N2", k.N2}, {"R(1)", k.Ra(1)}, {"SIZE", k.SIZE}, {"SIZE1", k.SIZE1},
      {"T(0)", k.T(0)}, {"T(1)", k.T(1)}, {"T(2)", k.T(2)}, {"T(3)", k.T(3)},
      {"T(4)", k.T(4)}, {"T(5)", k.T(5)}, {"TAKASA", k.TAKASA}, {"TATE", k.TATE},
      {"U(1)", k.U(1)}, {"X(1)", k.Xa(1)}, {"X(11)", k.Xa(11)}, {"X(12)", k.Xa(12)},
      {"X(31)", k.Xa(31)}, {"XI0", k.XI0}, {"XI1", k.XI1}, {"Y(11)", k.Ya(11)},
      {"Y(12)", k.Ya(12)}, {"Y(31)", k.Ya(31)}, {"YI1", k.YI1}, {"YJ1", k.YJ1},
      {"YOKO", k.YOKO},
  };
}

struct LeavesCase {
  const char* scene;
  std::string keys;  // for the slope entry (rolling ball), then the scene
  std::function<void(KasimelProbe&)> run;
  std::vector<std::pair<std::string, float>> numbers;
  std::vector<std::pair<std::string, std::string>> texts;  // "T$(i)"
};

TEST(TopicsOneToThree, ScenesLeaveTheSharedStateLaterCodeFinds) {
  const auto slopeThen = [](void (KasimelProbe::*scene)()) {
    return [scene](KasimelProbe& k) {
      k.RollingBallMenu();
      (k.*scene)();
    };
  };
  const std::vector<LeavesCase> cases = {
      {"tables", AnyKeys(24), [](KasimelProbe& k) { k.FunctionReviewTablesScene(); },
       {{"pen", 5}, {"X(1)", 352}, {"XI1", 396}, {"YJ1", 30}, {"YI1", 580}, {"II", 4}},
       {}},
      {"graphs", AnyKeys(8), [](KasimelProbe& k) { k.FunctionReviewGraphsScene(); },
       {{"pen", 5}, {"GX0", 980}, {"GY0", 280}, {"GX1", 800}, {"GY1", 100}, {"GX2", 1160},
        {"GY2", 460}, {"SIZE", 30}, {"SIZE1", 26}, {"AA1", -6}, {"AA2", 6}, {"BB1", -6},
        {"BB2", 6}, {"BAIX", 1}, {"BAIY", 1}, {"KASANARIX", 0}, {"KASANARIY", 0},
        {"HABA", 5000}, {"IROIRO", 1}, {"AA", -6}, {"CCC3", 3}, {"XI1", 44}, {"YI1", 540}},
       {}},
      {"roller coaster", AnyKeys(18), [](KasimelProbe& k) { k.RollerCoasterScene(); },
       {{"pen", 5}, {"T(0)", 0}, {"T(1)", 4.2f}, {"T(2)", 12.6f}, {"T(3)", 23.1f},
        {"T(4)", 41}, {"T(5)", 70.4f}, {"GX0", 880}, {"GY0", 635}, {"GX1", 880}, {"GY1", 20},
        {"GX2", 1150}, {"GY2", 635}, {"SIZE", 15}, {"SIZE1", 26}, {"AA1", 0}, {"AA2", 9},
        {"BAIX", 1}, {"BAIY", 1}, {"KASANARIX", 0}, {"KASANARIY", 0}, {"HABA", 5000},
        {"IROIRO", 2}, {"AA", 2.84f}, {"CCC3", 7}, {"X(11)", 30}, {"X(12)", 186},
        {"Y(11)", 340}, {"Y(12)", 390}, {"U(1)", 726}, {"XI0", 30}, {"YI1", 600}},
       {{"T$(0)", "0"}, {"T$(1)", "4.2"}, {"T$(4)", "41.0"}, {"T$(5)", "70.4"}}},
      // The ball scenes set no pen width: 3 after start-up.
      {"roll", "5\r" + AnyKeys(1), slopeThen(&KasimelProbe::BallRollScene),
       {{"pen", 3}, {"A", 33}, {"B", 34}, {"C", 32}, {"II", 301}, {"H1", 0}, {"H2", 0.25f},
        {"R(1)", 1800}},
       {}},
      {"trail", "5\r", slopeThen(&KasimelProbe::BallStroboscopeScene),
       {{"pen", 3}, {"A", 33}, {"II", 301}},
       {}},
      {"distance table", "5\r" + AnyKeys(9), slopeThen(&KasimelProbe::BallDistanceTableScene),
       {{"pen", 3}, {"GX0", 40}, {"GY0", 650}, {"GX2", 1240}, {"SIZE", 50}, {"YOKO", 24},
        {"TATE", 50}, {"HABA", 88}, {"CCC1", 3}, {"CCC2", 0}, {"CCC3", 15}, {"II", 5},
        {"X(31)", 30}, {"Y(31)", 443.33334f}, {"HHP", 6.1725245f}},
       {}},
      {"formula", "5\r" + AnyKeys(10), slopeThen(&KasimelProbe::BallFormulaScene),
       {{"pen", 3}, {"XI1", 704}, {"YI1", 280}, {"CCC1", 0}, {"HABA", 88}, {"TATE", 50},
        {"CCC2", 0}, {"CCC3", 15}, {"II", 6}, {"X(31)", 30}, {"HHP", 6.1725245f}},
       {}},
      // The prism leaves pen width 3 and the cube 2; the disc keeps the 5.
      {"prism", AnyKeys(5), [](KasimelProbe& k) { k.PrismVolumeScene(); },
       {{"pen", 3}, {"GX0", 748}, {"GY0", 460}, {"SIZE1", 5}, {"KAKU", 4}, {"T(1)", 3},
        {"T(2)", 4}, {"T(3)", 6}, {"T(4)", 5}, {"A", 10}, {"B", 1}, {"N2", 6}, {"CCC2", 3},
        {"HOUKOU", -1}, {"HABA", 7}, {"TAKASA", 16}, {"II", 182}, {"XI1", 44}},
       {}},
      {"question 1", AnyKeys(8), [](KasimelProbe& k) { k.ConstantQuestion1AnswerScene(); },
       {{"pen", 2}, {"GX0", 748}, {"GY0", 310}, {"TATE", 6}, {"SIZE1", 5}, {"A", 6}, {"B", 1},
        {"II", 182}},
       {}},
      {"question 2", AnyKeys(8), [](KasimelProbe& k) { k.ConstantQuestion2AnswerScene(); },
       {{"pen", 5}, {"GX0", 748}, {"GY0", 330}, {"A", 1}, {"M", 1}},
       {{"T$(1)", "π"}, {"T$(2)", "2π"}}},
      {"drill", AnyKeys(11) + "1\r" + AnyKeys(1),
       [](KasimelProbe& k) { k.ConstantDrillScene(); },
       {{"AINP", 1}, {"FMAESU-T(1)", 0}},
       {}},
      {"question 3", AnyKeys(11), [](KasimelProbe& k) { k.ConstantQuestion3AnswerScene(); },
       {{"pen", 3}, {"XI0", 920}, {"XI1", 974}, {"YI1", 390}, {"CCC1", 5}},
       {}},
  };
  for (const LeavesCase& c : cases) {
    SCOPED_TRACE(c.scene);
    ProbeRig rig(c.keys);
    rig.k.SetPenWidth(3);  // as start-up leaves it
    c.run(rig.k);
    EXPECT_EQ(rig.rt.keysLeft(), 0u) << "the scene takes exactly its keys";
    const auto numbers = SharedNumbers(rig.k);
    for (const auto& [name, want] : c.numbers) {
      ASSERT_TRUE(numbers.count(name)) << name;
      EXPECT_FLOAT_EQ(numbers.at(name), want) << name;
    }
    for (const auto& [name, want] : c.texts)
      EXPECT_EQ(rig.k.T_s(std::stoi(name.substr(3))), want) << name;
  }
}

// Showing the figures and the metre scale many times in one run: their
// points are converted afresh each time, nothing grows without bound.
TEST(RepeatedViews, FiguresAndScaleDoNotGrowWithoutBound) {
  struct Case {
    const char* what;
    std::string open, tour, close;
  } cases[] = {
      {"prism, cube and disc", "3\r",
       "1\r" + AnyKeys(5) + "2\r" + AnyKeys(8) + "3\r" + AnyKeys(8), "6\r8\r"},
      {"metre scale", "2\r", "3\r" + AnyKeys(9), "5\r8\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string keys = c.open;
    for (int i = 0; i < 30; ++i) keys += c.tour;
    keys += c.close;
    ExpectCleanEnd(RunScripted("kasimel", keys));
  }
}

}  // namespace
}  // namespace lesson
