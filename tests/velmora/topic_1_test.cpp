// velmora's main menu and topic 1 (braking marks and falling bodies): a
// scripted tour through every scene with exact key waits and drawings, the
// braking animation frame by frame (also on the raster: no trace of the
// braking mark), the fall loop's entries, and the braking table's layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "lessons/velmora/velmora.h"
#include "platform/cairo_screen.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "programs/catalog.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

// Every glyph on the text line whose top is y, whatever its colour.
std::string AnyColourLine(const std::vector<RecordedOp>& ops, float y) {
  std::string s;
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.y >= y - 22 && op.y <= y + 14) s += op.text;
  return s;
}

int CountBoxes(const std::vector<RecordedOp>& ops, float x1, float y1, float x2, float y2,
               int colour) {
  int n = 0;
  for (const RecordedOp& op : ops)
    n += op.op == "box" && Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) &&
         Near(op.y2, y2) && op.border == colour && op.fill == colour;
  return n;
}

// The ops from the first op matching `from` up to (not including) the
// first one after it matching `to`.
std::vector<RecordedOp> Between(const std::vector<RecordedOp>& ops,
                                const std::function<bool(const RecordedOp&)>& from,
                                const std::function<bool(const RecordedOp&)>& to) {
  std::vector<RecordedOp> out;
  bool in = false;
  for (const RecordedOp& op : ops) {
    if (!in && from(op)) in = true;
    else if (in && to(op)) break;
    if (in) out.push_back(op);
  }
  return out;
}

// ---------------------------------------------------------------- main menu

TEST(VelmoraMainMenu, ItemsAndChoices) {
  // 0, 9, -1, 0.6 and 7 show the menu again; 7.6 passes the range check but
  // names no topic; 1.4 opens topic 1, whose last item comes back; 8 ends.
  const ScriptedRun run = RunScripted("velmora", "0\r9\r-1\r.6\r7\r7.6\r1.4\r8\r8\r");
  ExpectCleanEnd(run);
  const std::vector<RecordedOp> menu = run.AfterKey(0);
  const char* items[] = {"1　ブレーキ痕、落下、振り子", "2　グラフを利用して",
                         "3　切った紙の枚数",           "4　配達料",
                         "5　P124(関数 章の問題A)",     "6　P125(章の問題B)",
                         "7　",                         "8　終了"};
  auto withoutBlanks = [](std::string t) {
    for (const std::string blank : {"　", " "})
      for (size_t p; (p = t.find(blank)) != std::string::npos;) t.erase(p, blank.size());
    return t;
  };
  for (int n = 1; n <= 8; ++n) {
    SCOPED_TRACE(n);
    const float y = 120 + 60 * static_cast<float>(n - 1);
    EXPECT_NE(FindText(menu, std::to_string(n), 44, y, n % 2 == 1 ? 13 : 15), nullptr);
    std::string line;
    for (const RecordedOp& op : menu)
      if (op.op == "text" && op.y == y) line += op.text;
    EXPECT_EQ(withoutBlanks(line), withoutBlanks(items[n - 1]));
  }
  // Seven showings before topic 1 opens (start and six refusals), one after
  // it; topic 1's banner once; the last item ends with the menu on screen.
  size_t lastPanel = 0;
  int panels = 0, banners = 0;
  for (size_t i = 0; i < run.ops.size(); ++i) {
    const RecordedOp& op = run.ops[i];
    if (op.op == "box" && op.x1 == 22 && op.y1 == 10 && op.x2 == 1342 && op.y2 == 610 &&
        op.fill == 10) {
      ++panels;
      lastPanel = i;
    }
    banners += op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240;
  }
  EXPECT_EQ(panels, 8);
  EXPECT_EQ(banners, 1);
  for (size_t i = lastPanel; i < run.ops.size(); ++i)
    EXPECT_EQ(FindBox({run.ops[i]}, 0, 0, 1760, 1800, 15, 15), nullptr);
}

// ---------------------------------------------------------------- the tour

// Scene keys: 6 waits in the braking-mark scene, 21 in the table scene, 17
// in the graph scene, 13 and 12 in the formula and rain scenes, three falls
// ("5", a bare Enter, then "1.0") and 15 waits, one fall ended by "2/2" and
// 15 waits, 1 in the answer scene.
const char* const kTourFallKeys = "5\r\r1.0\r";

std::string TourKeys() {
  return "1\r1\r" + AnyKeys(6) + "2\r" + AnyKeys(21) + "3\r" + AnyKeys(17) + "4\r" + AnyKeys(13) +
         "5\r" + AnyKeys(12) + "6\r" + kTourFallKeys + AnyKeys(15) + "6\r2/2\r" + AnyKeys(15) +
         "7\r" + AnyKeys(1) + "8\r8\r";
}

class BrakingFallTour : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    run_ = new ScriptedRun(RunScripted("velmora", TourKeys()));
    segs_ = ChoiceSegments(*run_);
  }
  static void TearDownTestSuite() { delete run_; }
  // Choice k of the sub-menu in the tour (k = 1 .. 9: scenes 1 to 6, the
  // falling scene again, scene 7, then item 8).
  static const std::vector<RecordedOp>& Choice(int k) { return segs_.at(segs_.size() - 10 + k); }
  static ScriptedRun* run_;
  static std::vector<std::vector<RecordedOp>> segs_;
};
ScriptedRun* BrakingFallTour::run_ = nullptr;
std::vector<std::vector<RecordedOp>> BrakingFallTour::segs_;

TEST_F(BrakingFallTour, RunsEveryScene) {
  ExpectCleanEnd(*run_);
  const int waits[] = {6, 21, 17, 13, 12, 15, 15, 1, 0};
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(KeyWaits(Choice(k)), waits[k - 1]) << "choice " << k;
  // Choice 9 (item 8) goes back to the main menu.
  EXPECT_NE(FindBox(Choice(9), 22, 10, 1342, 610, 15, 10), nullptr);
}

TEST_F(BrakingFallTour, BannerAndOptionLine) {
  const auto& ops = run_->ops;
  const auto banner = Between(
      ops, [](const RecordedOp& op) { return op.op == "text" && op.text == "<"; },
      IsPromptLineWipe);
  EXPECT_NE(FindText(banner, "<", 44, 240, 3), nullptr);
  EXPECT_EQ(LineText(banner, 305, 0), "身の回りの問題を、");
  EXPECT_EQ(LineText(banner, 370, 0), "関数y=ax2を利用して解決しよう。");
  // The option line, first glyph after the leading blank; the banner once.
  int options = 0, banners = 0;
  for (const RecordedOp& op : ops) {
    options += op.op == "text" && op.text == "①" && op.x == 32 && op.y == 666;
    banners += op.op == "text" && op.text == "<" && op.x == 44 && op.y == 240;
  }
  EXPECT_EQ(options, 9);
  EXPECT_EQ(banners, 1);
}

TEST_F(BrakingFallTour, CarAtRest) {
  const auto before = Between(
      Choice(1), [](const RecordedOp&) { return true; }, IsKeyWaitBox);
  EXPECT_NE(FindBox(before, 0, 0, 1760, 1800, 15, 15), nullptr);
  EXPECT_NE(FindText(before, "走", 30, 20, 3), nullptr);
  EXPECT_NE(FindText(before, "ブ", 30, 70, 7), nullptr);
  const RecordedOp* body = FindBox(before, 50, 470, 170, 550, 0, 9);
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->pen, 3);
  EXPECT_NE(FindBox(before, 170, 480, 230, 540, 0, 13), nullptr);
  const auto disc = Circles(before, 30);
  ASSERT_EQ(disc.size(), 1u);
  EXPECT_TRUE(disc[0].x == 190 && disc[0].y == 510 && disc[0].filled && disc[0].fill == 11);
  EXPECT_FLOAT_EQ(disc[0].start, 0.75f);
  EXPECT_FLOAT_EQ(disc[0].end, 0.25f);
  const RecordedOp* bar = FindLine(before, 190, 475, 210, 475);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->pen, 10);
  EXPECT_NE(FindLine(before, 190, 545, 210, 545), nullptr);
  const RecordedOp* stroke = FindLine(before, 220, 480, 220, 475);
  ASSERT_NE(stroke, nullptr);
  EXPECT_EQ(stroke->pen, 5);
  EXPECT_NE(FindLine(before, 220, 540, 220, 545), nullptr);
  // At rest: no speed lines, no wait.
  EXPECT_EQ(OpsOfKind(before, "wait").size(), 0u);
  EXPECT_EQ(FindLine(before, 30, 510, 20, 510), nullptr);
}

// The 50 frames between the first and the second key of the scene.
class BrakingAnimation : public BrakingFallTour {
 protected:
  static std::vector<RecordedOp> Frames() {
    return Between(
        Choice(1),
        [](const RecordedOp& op) { return op.op == "box" && op.y1 == 400 && op.fill == 15; },
        IsKeyWaitBox);
  }
  // The frame number (1..50) of each op: frames start at their clear.
  static std::vector<int> FrameOf(const std::vector<RecordedOp>& ops) {
    std::vector<int> out;
    int frame = 0;
    for (const RecordedOp& op : ops) {
      if (op.op == "box" && op.x1 == 0 && op.y1 == 400 && op.fill == 15) ++frame;
      out.push_back(frame);
    }
    return out;
  }
};

TEST_F(BrakingAnimation, FiftyFramesAtThePaceOfTheirWaits) {
  const auto ops = Frames();
  EXPECT_EQ(CountBoxes(ops, 0, 400, 1760, 2200, 15), 50);
  EXPECT_EQ(CountBoxes(ops, 0, 410, 1760, 2210, 15), 1);
  // No key is read during the animation.
  EXPECT_EQ(OpsOfKind(ops, "key").size(), 0u);
  // Frames 1 to 24 wait 10; 25 to 50 wait 10, then 20 with the skid.
  const auto frame = FrameOf(ops);
  std::vector<std::vector<int>> waits(51);
  for (size_t i = 0; i < ops.size(); ++i)
    if (ops[i].op == "wait") waits[frame[i]].push_back(ops[i].ticks);
  for (int f = 1; f <= 50; ++f) {
    SCOPED_TRACE(f);
    if (f < 25) {
      EXPECT_EQ(waits[f], std::vector<int>({10}));
    } else {
      EXPECT_EQ(waits[f], std::vector<int>({10, 20}));
    }
  }
  // The car's body moves 20 a frame: rear edge 50 + 20 f.
  std::vector<float> rears;
  for (const RecordedOp& op : ops)
    if (op.op == "box" && op.fill == 9 && op.border == 0) rears.push_back(op.x1);
  ASSERT_EQ(rears.size(), 51u) << "one car a frame and the car at rest in frame 50";
  for (int f = 1; f <= 50; ++f) EXPECT_EQ(rears[f - 1], 50 + 20 * f) << f;
  EXPECT_EQ(rears[50], 1050);
}

TEST_F(BrakingAnimation, BrakeMarkOnlyInFrames18To24) {
  const auto ops = Frames();
  const auto frame = FrameOf(ops);
  std::vector<int> frames;
  std::vector<float> xs;
  for (size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].op != "text") continue;
    EXPECT_EQ(ops[i].text, "！");
    EXPECT_EQ(ops[i].y, 390);
    EXPECT_EQ(ops[i].m1, 6);
    EXPECT_EQ(ops[i].m2, 6);
    EXPECT_EQ(ops[i].colour, 5);
    frames.push_back(frame[i]);
    xs.push_back(ops[i].x);
  }
  EXPECT_EQ(frames, std::vector<int>({18, 19, 20, 21, 22, 23, 24}));
  EXPECT_EQ(xs, std::vector<float>({550, 570, 590, 610, 630, 650, 670}));
  // The frames after a mark wipe the strip of it that lies above y 400.
  for (size_t i = 0; i < ops.size(); ++i) {
    const bool strip = ops[i].op == "box" && ops[i].y1 == 390 && ops[i].y2 == 400 &&
                       ops[i].x1 == 0 && ops[i].fill == 15;
    if (strip) {
      EXPECT_TRUE(frame[i] >= 19 && frame[i] <= 25) << frame[i];
    }
  }
  EXPECT_EQ(CountBoxes(ops, 0, 390, 1760, 400, 15), 7);
}

TEST_F(BrakingAnimation, SkidMarksGrowFromFrame25) {
  const auto ops = Frames();
  const auto frame = FrameOf(ops);
  std::vector<RecordedOp> upper, lower;
  int squeals = 0, speedLines = 0;
  for (size_t i = 0; i < ops.size(); ++i) {
    const RecordedOp& op = ops[i];
    if (op.op == "polyline") {
      EXPECT_GE(frame[i], 25);
      EXPECT_EQ(op.points.size(), 4u);
      EXPECT_FALSE(op.filled);
      EXPECT_EQ(op.pen, 5);
      ++squeals;
    }
    if (op.op == "line" && op.pen == 10 && op.y1 == 480 && op.y2 == 480) upper.push_back(op);
    if (op.op == "line" && op.pen == 10 && op.y1 == 540 && op.y2 == 540) lower.push_back(op);
    if (op.op == "line" && op.pen == 2) ++speedLines;
  }
  EXPECT_EQ(squeals, 26 * 8);
  EXPECT_EQ(speedLines, 50 * 3);
  // 26 frames and the final picture.
  ASSERT_EQ(upper.size(), 27u);
  ASSERT_EQ(lower.size(), 27u);
  EXPECT_TRUE(upper[0].x1 == 550 && upper[0].x2 == 550) << "zero length in frame 25";
  for (int k = 0; k < 26; ++k) EXPECT_EQ(upper[k].x2, 550 + 20 * k);
  EXPECT_NE(FindLine({upper.back()}, 550, 480, 1050, 480), nullptr);
  EXPECT_NE(FindLine({lower.back()}, 550, 540, 1050, 540), nullptr);
  EXPECT_EQ(upper.back().colour, 0);
  // The first squeal of frame 25 starts at (710, 460), 20 above the tyre bar.
  for (const RecordedOp& op : ops) {
    if (op.op != "polyline") continue;
    EXPECT_TRUE(Near(op.points[0].x, 710) && Near(op.points[0].y, 460));
    EXPECT_TRUE(Near(op.points[3].x, 735) && Near(op.points[3].y, 446.67f, 0.02f));
    break;
  }
  // The final picture: cleared from 410, the car at rest behind its marks,
  // no speed lines or squeal after that clear, then pen 5.
  const auto final = Between(
      ops, [](const RecordedOp& op) { return op.op == "box" && op.y1 == 410 && op.fill == 15; },
      [](const RecordedOp&) { return false; });
  EXPECT_NE(FindBox(final, 1050, 470, 1170, 550, 0, 9), nullptr);
  EXPECT_EQ(OpsOfKind(final, "polyline").size(), 0u);
  for (const RecordedOp& op : OpsOfKind(final, "line")) EXPECT_NE(op.pen, 2);
}

TEST_F(BrakingFallTour, BrakingMarkQuestionAndTable) {
  const auto& ops = Choice(1);
  // The question goes on from "ブレーキ痕" at y 70.
  EXPECT_EQ(LineText(ops, 70, 0), "がのとき、走行していた速さは?");
  EXPECT_EQ(LineText(ops, 70, 3), "25m");
  // The dimension arc over the upper mark: 61 dots from (1050, 480) over the
  // apex (800, 460) to (550, 480), the label centred with its top at 416.
  const auto dots = Circles(ops, 0.5f);
  ASSERT_EQ(dots.size(), 61u);
  EXPECT_TRUE(Near(dots.front().x, 1050) && Near(dots.front().y, 480));
  EXPECT_TRUE(Near(dots[30].x, 800) && Near(dots[30].y, 460));
  EXPECT_TRUE(Near(dots.back().x, 550) && Near(dots.back().y, 480));
  for (const RecordedOp& d : dots) EXPECT_EQ(d.colour, 3);
  EXPECT_EQ(LineText(ops, 416, 3, 700, 900), "25m");
  // The table at (30, 130); its open column filled in step 6 at pen 5.
  EXPECT_NE(FindBox(ops, 30, 130, 390, 180, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 750, 180, 840, 230, 3, 13), nullptr);
  const RecordedOp* speed = FindBox(ops, 840, 130, 930, 180, 3, 15);
  const RecordedOp* mark = FindBox(ops, 840, 180, 930, 230, 3, 13);
  ASSERT_NE(speed, nullptr);
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(speed->pen, 5);
  EXPECT_EQ(mark->pen, 5);
  EXPECT_EQ(LineText(ops, 183, 5, 840, 930), "25");
  EXPECT_EQ(LineText(ops, 240, 3), "Qどのようにして調べますか?");
  EXPECT_NE(FindText(ops, "①", 57, 290, 7), nullptr);
  EXPECT_NE(FindText(ops, "②", 57, 340, 7), nullptr);
  // The scene ends on the last text without a key wait.
  EXPECT_FALSE(IsKeyWaitBox(OpsOfKind(ops, "box").back()));
}

TEST_F(BrakingFallTour, TableScene) {
  const auto& ops = Choice(2);
  EXPECT_NE(FindBox(ops, 0, 0, 1600, 1800, 15, 15), nullptr);
  // Cells from x 30 to 840 and y 150 to 250; fixed texts such as "2.0".
  EXPECT_NE(FindBox(ops, 30, 150, 390, 200, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 750, 200, 840, 250, 3, 13), nullptr);
  EXPECT_EQ(LineText(ops, 203, 0, 390, 840), "0.52.04.47.912.3");
  EXPECT_EQ(LineText(ops, 153, 0, 390, 840), "1020304050");
  // The open column: empty at first, then "70.71" in colour 5, 120 wide.
  EXPECT_NE(FindBox(ops, 840, 150, 960, 200, 3, 15), nullptr);
  EXPECT_NE(FindBox(ops, 840, 200, 960, 250, 3, 13), nullptr);
  EXPECT_EQ(LineText(ops, 153, 5, 840, 960), "70.71");
  EXPECT_EQ(LineText(ops, 203, 5, 840, 960), "25");
  // Text lines.
  EXPECT_EQ(LineText(ops, 20, 3) + LineText(ops, 20, 0), "走行していた速さは?表で調べよう。");
  EXPECT_EQ(AnyColourLine(ops, 330), "Q走行時の速さとブレーキ痕の長さの関係は?");
  EXPECT_EQ(LineText(ops, 380, 5), "ブレーキ痕の長さは、走行時の速さの2乗に比例する。");
  EXPECT_EQ(LineText(ops, 430, 3), "25m0.5m50");
  EXPECT_EQ(LineText(ops, 540, 5), "走行していた速さは約70.71km／h");
}

TEST_F(BrakingFallTour, TableSceneArcs) {
  const auto& ops = Choice(2);
  // Dots per call: 1+180/9, 1+180/7, 1+180/4, twice for 4 to 6, 7 and 8.
  const auto dots = Circles(ops, 0.5f);
  EXPECT_EQ(dots.size(), 21u + 26 + 46 + 2 * (21 + 26 + 46) + 2 * 91 + 2 * 91);
  // The bare arc 4 and its labelled redraw put their dots on the same
  // places: the bulge of 10 is given again for the second call.
  const size_t a4 = 21 + 26 + 46;
  for (size_t i = 0; i < 21; ++i) {
    EXPECT_TRUE(dots[a4 + i].x == dots[a4 + 21 + i].x && dots[a4 + i].y == dots[a4 + 21 + i].y)
        << i;
  }
  EXPECT_TRUE(Near(dots[a4 + 10].x, 480) && Near(dots[a4 + 10].y, 260)) << "apex (X(2), Y(2)+10)";
  // Labels at their apexes: arc 1 "2倍" top 86 centred on 440; arc 4 "4倍"
  // top 270 centred on 440; arc 7 "50倍" top 280.
  EXPECT_EQ(LineText(ops, 86, 3, 400, 480), "2倍");
  EXPECT_EQ(LineText(ops, 270, 3, 400, 480), "4倍");
  EXPECT_EQ(LineText(ops, 280, 0, 550, 650), "16倍");
  EXPECT_EQ(LineText(ops, 280, 5, 650, 800), "50倍");
  // "50倍" comes two keys after its bare arc, which step ① draws.
  const auto after50 = Between(
      ops, [](const RecordedOp& op) { return op.op == "text" && op.text == "①" && op.y == 430; },
      [](const RecordedOp&) { return false; });
  const auto labels50 = Between(
      after50,
      [](const RecordedOp& op) { return op.op == "text" && Near(op.y, 280) && op.colour == 5; },
      [](const RecordedOp&) { return false; });
  EXPECT_EQ(KeyWaits(after50) - KeyWaits(labels50), 2);
}

TEST_F(BrakingFallTour, GraphScene) {
  const auto& ops = Choice(3);
  // The plane right of the table, grid without step numbers, and the
  // scaled labels "50" and 5 to 25.
  EXPECT_NE(FindBox(ops, 40, 90, 400, 140, 3, 15), nullptr);
  EXPECT_NE(FindLine(ops, 940, 10, 940, 631), nullptr);
  EXPECT_NE(FindLine(ops, 940, 631, 1147, 631), nullptr);
  EXPECT_NE(FindText(ops, "5", 1035, 635, 0), nullptr);
  EXPECT_NE(FindText(ops, "0", 1055, 635, 0), nullptr);
  EXPECT_NE(FindText(ops, "5", 910, 503, 0), nullptr);
  EXPECT_NE(FindText(ops, "2", 890, 43, 0), nullptr);
  // Units at 26 points, not bold.
  const RecordedOp* km = FindText(ops, "km／h", 1108, 631, 0);
  ASSERT_NE(km, nullptr);
  EXPECT_EQ(km->size, 26);
  EXPECT_FALSE(km->bold);
  EXPECT_EQ(km->m1, 1);
  const RecordedOp* m = FindText(ops, "m", 890, 10, 0);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->m1, 2);
  EXPECT_EQ(m->m2, 1);
  // The five points, one a key, and two keys more before the remark.
  const auto points = Circles(ops, 6);
  ASSERT_EQ(points.size(), 5u);
  const float px[] = {963, 986, 1009, 1032, 1055};
  const float py[] = {619.5f, 585, 529.8f, 449.3f, 348.1f};
  for (int k = 0; k < 5; ++k) {
    EXPECT_TRUE(Near(points[k].x, px[k], 0.05f) && Near(points[k].y, py[k], 0.05f)) << k;
    EXPECT_EQ(points[k].fill, 3);
  }
  const auto afterFifth = Between(
      ops, [&](const RecordedOp& op) { return op.op == "circle" && op.r == 6 && op.x == points[4].x; },
      [](const RecordedOp& op) { return op.op == "text" && op.text == "放"; });
  EXPECT_EQ(KeyWaits(afterFifth), 2);
  // The graph: dots only inside the plane, the last near x 73.5.
  const auto curve = Circles(ops, 1);
  ASSERT_GT(curve.size(), 4000u);
  EXPECT_LT(curve.size(), 5001u);
  for (const RecordedOp& d : curve) ASSERT_TRUE(d.y >= 10 && d.y <= 631);
  EXPECT_TRUE(Near(curve.back().x, 940 + 2.3f * 73.5f, 1));
  // The reading point and the two arrows at pen 5 in colour 5.
  const auto reading = Circles(ops, 8);
  ASSERT_EQ(reading.size(), 1u);
  EXPECT_TRUE(Near(reading[0].x, 1101) && Near(reading[0].y, 56) && reading[0].fill == 5);
  const RecordedOp* across = FindLine(ops, 940, 56, 1101, 56);
  const RecordedOp* down = FindLine(ops, 1101, 56, 1101, 631);
  if (!across) across = FindLine(ops, 1101, 56, 940, 56);
  if (!down) down = FindLine(ops, 1101, 631, 1101, 56);
  ASSERT_NE(across, nullptr);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(across->pen, 5);
  EXPECT_EQ(down->colour, 5);
  // Text lines.
  EXPECT_EQ(LineText(ops, 200, 3), "放物線になりそうだ。比例定数は");
  EXPECT_EQ(LineText(ops, 300, 3), "a=0.005");
  EXPECT_EQ(LineText(ops, 450, 5), "x=70");
  EXPECT_EQ(LineText(ops, 510, 5), "走行していた速さは約70km／h");
}

TEST_F(BrakingFallTour, FormulaAndRainScenes) {
  const auto& f = Choice(4);
  EXPECT_EQ(LineText(f, 30, 0), "式で調べよう。");
  EXPECT_EQ(LineText(f, 80, 0), "式に表す");
  EXPECT_EQ(LineText(f, 140, 3), "xkm／hym");
  EXPECT_EQ(LineText(f, 190, 0), "ブレーキ痕の長さは、走行時の速さの2乗に比例し");
  EXPECT_EQ(LineText(f, 250, 3), "0.005y=0.005x2");
  EXPECT_EQ(LineText(f, 360, 3), "5000");
  EXPECT_EQ(LineText(f, 425, 3), "x=1050≒70.71");
  EXPECT_EQ(LineText(f, 485, 5), "走行していた速さは約70.71km／h");
  const auto& r = Choice(5);
  EXPECT_EQ(LineText(r, 30, 3), "Q時速50km16m");
  EXPECT_EQ(LineText(r, 80, 0), "雨天時にで走行したときのブレーキ痕の長さは何m?");
  EXPECT_EQ(LineText(r, 130, 7), "　<解答>");
  EXPECT_EQ(LineText(r, 230, 3), "y=ax2");
  EXPECT_EQ(LineText(r, 350, 3), "a=0.0064");
  EXPECT_EQ(LineText(r, 410, 3), "y=0.0064x2x=70");
  EXPECT_EQ(LineText(r, 470, 3), "31.36");
  EXPECT_EQ(LineText(r, 530, 5), "ブレーキ痕の長さは約31.36m");
}

TEST_F(BrakingFallTour, FallingBall) {
  const auto& ops = Choice(6);
  EXPECT_NE(FindBox(ops, 0, 0, 1320, 1300, 15, 15), nullptr);
  // Three falls ("5", a bare Enter, "1.0"), then the strobe picture.
  const auto balls = Circles(ops, 16);
  ASSERT_EQ(balls.size(), 1u + 3 * 32 + 8);
  EXPECT_TRUE(balls[0].x == 1168 && balls[0].y == 50 && balls[0].colour == 0 &&
              balls[0].fill == 9);
  for (int fall = 0; fall < 3; ++fall) {
    const size_t first = 1 + 32 * static_cast<size_t>(fall);
    EXPECT_TRUE(balls[first].colour == 9 && balls[first].fill == 9) << "the ball at rest";
    for (int ii = 0; ii <= 30; ++ii) {
      const RecordedOp& b = balls[first + 1 + ii];
      const float want = 34 + 560 * (ii / 30.0f) * (ii / 30.0f);
      EXPECT_TRUE(b.x == 1168 && Near(b.y, want, 0.01f) && b.fill == 5) << fall << " " << ii;
    }
  }
  int tenTicks = 0;
  for (const RecordedOp& op : ops) tenTicks += op.op == "wait" && op.ticks == 10;
  EXPECT_EQ(tenTicks, 93);
  // The strobe: the ball at rest and seven balls, no wait among them.
  const float strobe[] = {34, 49.6f, 96.2f, 174, 282.9f, 422.9f, 594};
  EXPECT_TRUE(balls[97].y == 50 && balls[97].fill == 5);
  for (int k = 0; k < 7; ++k) EXPECT_TRUE(Near(balls[98 + k].y, strobe[k], 0.05f)) << k;
  const auto strobeOps = Between(
      ops, [&](const RecordedOp& op) { return op.op == "circle" && op.r == 16 && op.y == 50 &&
                                              op.fill == 5; },
      IsKeyWaitBox);
  EXPECT_EQ(OpsOfKind(strobeOps, "wait").size(), 0u);
  EXPECT_EQ(OpsOfKind(strobeOps, "text").size(), 0u) << "the texts come after a key";
  // The tower: the scene's own, one before each fall and one a frame, and
  // the strobe's.
  EXPECT_EQ(static_cast<int>(std::count_if(ops.begin(), ops.end(), [](const RecordedOp& op) {
              return op.op == "box" && op.x1 == 1120 && op.y2 == 610 && op.fill == 13;
            })),
            1 + 3 * 32 + 1);
  // Texts.
  EXPECT_EQ(LineText(ops, 30, 3), "課3");
  EXPECT_EQ(LineText(ops, 220, 5), "答19.6m");
  EXPECT_EQ(LineText(ops, 570, 3), "教科書P117問1　をしなさい。");
  // "2/2" counts as 1: one fall.
  EXPECT_EQ(Circles(Choice(7), 16).size(), 1u + 32 + 8);
}

TEST_F(BrakingFallTour, FallingAnswerScene) {
  const auto& ops = Choice(8);
  const auto first = Between(
      ops, [](const RecordedOp&) { return true; }, IsKeyWaitBox);
  EXPECT_NE(FindText(first, "<", 132, 30, 7), nullptr);
  EXPECT_NE(FindText(first, "(", 44, 90, 7), nullptr);
  EXPECT_EQ(LineText(first, 170, 5), "答4m");
  EXPECT_EQ(LineText(first, 260, 7), "");
  EXPECT_NE(FindText(ops, "(", 44, 260, 7), nullptr);
  EXPECT_EQ(LineText(ops, 410, 5), "答2秒");
}

// ---------------------------------------------------------------- fall loop

TEST(FallingBallLoop, FallsAgainUntilExactlyOne) {
  // Falls for: a bare Enter, "3/0" (no value), "0.5", "1/2", then "01" ends.
  const ScriptedRun run =
      RunScripted("velmora", "1\r6\r\r3/0\r.5\r1/2\r01\r" + AnyKeys(15) + "8\r8\r");
  ExpectCleanEnd(run);
  int falls = 0;
  for (const RecordedOp& op : run.ops) falls += op.op == "circle" && op.r == 16 && op.y == 594 &&
                                                op.fill == 5;
  EXPECT_EQ(falls, 5 + 1) << "five falls and the strobe's last ball";
}

// ---------------------------------------------------------------- probes

class TopicProbe : public Velmora {
 public:
  using Velmora::Velmora;
  using Engine::GetPenWidth;
  using Engine::SetPenWidth;
  using Velmora::BrakingMarkIntroScene;
  using Velmora::DrawBrakingTable;
  using Velmora::DrawCar;
  using Velmora::DrawSkidSqueal;
  using Velmora::DrawSpeedLines;
  using Velmora::SetUpCarShape;
};

struct TopicRig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  TopicProbe v;
  explicit TopicRig(const std::string& keys = "")
      : rt(screen, ScriptedRuntime::ParseKeys(keys)), v(rt) {
    v.KAIX = 1056;
    v.KAIY = 648;
  }
};

TEST(BrakingTable, LayoutAndWhatItLeaves) {
  TopicRig rig;
  auto& v = rig.v;
  v.SetPenWidth(2);
  v.Xa(0) = 30;
  v.Ya(0) = 150;
  v.Xa(8) = 1234;
  v.DrawBrakingTable();
  const float xs[] = {30, 390, 480, 570, 660, 750, 840, 930};
  for (int i = 0; i <= 7; ++i) EXPECT_EQ(v.Xa(i), xs[i]) << i;
  EXPECT_EQ(v.Xa(8), 1234) << "only X(0..7) and Y(0..3) are the table's";
  EXPECT_EQ(v.Ya(1), 200);
  EXPECT_EQ(v.Ya(2), 250);
  EXPECT_EQ(v.Ya(3), 310);
  EXPECT_EQ(v.YI1, 200);
  EXPECT_EQ(v.GetPenWidth(), 5);
  EXPECT_EQ(v.II, 6);
  EXPECT_EQ(v.U(1), 840);
  EXPECT_EQ(v.V(1), 200);
  EXPECT_EQ(v.T_s(12), "2.0");
  EXPECT_EQ(v.T_s(0), "速さ(km／h)");
  // Twelve cells, nothing drawn from 840 to 930.
  const auto boxes = OpsOfKind(rig.screen.ops(), "box");
  ASSERT_EQ(boxes.size(), 12u);
  for (const RecordedOp& b : boxes) {
    EXPECT_LE(b.x2, 840);
    EXPECT_EQ(b.border, 3);
    EXPECT_EQ(b.pen, 5);
  }
}

TEST(CarFigure, MovesWithItsOriginAndEndsAtPen2) {
  // Drawn at the set-up place and again 100 further on: every op moves by
  // 100 and by nothing else.
  auto draw = [](float shift) {
    TopicRig rig;
    auto& v = rig.v;
    v.GGX = 30;
    v.GGY = 450;
    v.SetUpCarShape();
    EXPECT_EQ(v.GX0, 30);
    EXPECT_EQ(v.GY0, 570);
    v.GX0 = v.GX0 + shift;
    for (int i = 1; i <= 15; ++i) v.Xa(i) = v.GX0 + v.SIZE * v.T(i);
    for (auto routine : {&TopicProbe::DrawCar, &TopicProbe::DrawSpeedLines,
                         &TopicProbe::DrawSkidSqueal}) {
      v.SetPenWidth(7);
      (v.*routine)();
      EXPECT_EQ(v.GetPenWidth(), 2);
    }
    EXPECT_EQ(v.A, 11);
    return rig.screen.ops();
  };
  const auto a = draw(0), b = draw(100);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a[i].op, b[i].op);
    const bool lineOrBox = a[i].op == "line" || a[i].op == "box";
    EXPECT_FLOAT_EQ(a[i].x1 + (lineOrBox ? 100 : 0), b[i].x1);
    EXPECT_FLOAT_EQ(a[i].y1, b[i].y1);
    EXPECT_FLOAT_EQ(a[i].x + (a[i].op == "circle" ? 100 : 0), b[i].x);
    for (size_t p = 0; p < a[i].points.size(); ++p) {
      EXPECT_FLOAT_EQ(a[i].points[p].x + 100, b[i].points[p].x);
      EXPECT_FLOAT_EQ(a[i].points[p].y, b[i].points[p].y);
    }
  }
  // The squeal's start points from (GX0, GY0), as laid out.
  std::vector<Point> starts;
  for (const RecordedOp& op : a)
    if (op.op == "polyline") starts.push_back(op.points[0]);
  const float sx[] = {180, 180, 180, 180, 80, 80, 80, 80};
  const float sy[] = {-110, -120, -10, 0, -110, -120, -10, 0};
  ASSERT_EQ(starts.size(), 8u);
  for (int k = 0; k < 8; ++k)
    EXPECT_TRUE(Near(starts[k].x, 30 + sx[k]) && Near(starts[k].y, 570 + sy[k])) << k;
}

TEST(BrakingMarkScene, TableTakesOverTheCarsPoints) {
  TopicRig rig(AnyKeys(6));
  auto& v = rig.v;
  v.BrakingMarkIntroScene();
  EXPECT_EQ(v.Xa(6), 840);
  EXPECT_EQ(v.Xa(7), 930);
  EXPECT_EQ(v.Ya(0), 130);
  EXPECT_EQ(v.Ya(1), 180);
  EXPECT_EQ(v.Ya(3), 290);
  // The skid marks' starts and the car's other points stay.
  EXPECT_EQ(v.Xa(16), 550);
  EXPECT_EQ(v.Ya(16), 480);
  EXPECT_EQ(v.Xa(17), 550);
  EXPECT_EQ(v.Ya(17), 540);
  EXPECT_EQ(v.Xa(9), 1190);
  EXPECT_EQ(v.IJ, 51);
  EXPECT_EQ(v.YI1, 340);
  EXPECT_EQ(v.GetPenWidth(), 5);
  EXPECT_EQ(rig.rt.keysLeft(), 0u);
}

// ---------------------------------------------------------------- on the raster

// A scripted runtime that hands every wait to a callback first (the raster
// then holds the picture of the frame that waits).
class FrameRuntime : public ScriptedRuntime {
 public:
  using ScriptedRuntime::ScriptedRuntime;
  std::function<void(int)> onWait;
  void Wait(int ticks) override {
    if (onWait) onWait(ticks);
    ScriptedRuntime::Wait(ticks);
  }
};

TEST(BrakingAnimationPicture, NoTraceOfTheBrakeMark) {
  CairoScreen raster;
  RecordingScreen recorder(&raster);
  FrameRuntime rt(recorder, ScriptedRuntime::ParseKeys("1\r1\r  "));
  auto program = MakeProgram("velmora", rt);
  // Frame n waits 10 first; the band above the car (y 300 to 400, where
  // only the marks are drawn) is sampled at each of those waits.
  int frame = 0;
  std::vector<int> inkAbove400(51), inkBand(51);
  rt.onWait = [&](int ticks) {
    if (ticks != 10) return;
    ++frame;
    inkAbove400[frame] = OffColour(raster, 500, 800, 380, 400, 15);
    inkBand[frame] = OffColour(raster, 500, 800, 300, 400, 15);
    if (frame == 1 || frame == 18 || frame == 24 || frame == 25 || frame == 26 || frame == 50) {
      raster.WritePng(TestOutputPath("velmora_braking_frame_" + std::to_string(frame) + ".png"));
    }
  };
  RunRecorded(*program, recorder);
  ASSERT_EQ(frame, 50);
  // The mark's glyph does reach above y 400 ...
  EXPECT_GT(inkAbove400[18], 0);
  // ... and nothing of it is left once the next frame has cleared.
  for (int f = 1; f <= 50; ++f) {
    if (f >= 18 && f <= 24) continue;
    EXPECT_EQ(inkBand[f], 0) << "frame " << f;
  }
  EXPECT_EQ(OffColour(raster, 500, 800, 300, 400, 15), 0) << "after the animation";
}

}  // namespace
}  // namespace lesson
