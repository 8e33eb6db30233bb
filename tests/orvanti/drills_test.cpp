// Orvanti's random drills: the rate of change (y=x^2, then y=ax^2) and the
// range of y (y=ax+b and y=x^2; y=ax^2 for a>0 and a<0). The problem
// makers are replayed on a generator of the same seed, every answer is
// checked against a computation of its own (the rate as a difference
// quotient, the range by sampling the interval), and whole drills are run
// over every start-up seed, reading the problems and answers off the
// picture.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/orvanti/orvanti_probe.h"

namespace lesson {
namespace orvanti_test {
namespace {

// The documented draws: a whole number 1..k, then a sign draw (2 negates).
float ReplaySigned(Random& r, float k) {
  float v = std::floor(k * r.Draw() + 1);
  if (std::floor(2 * r.Draw() + 1) == 2) v = -v;
  return v;
}

struct Interval {
  float p, q;
};

Interval ReplayInterval(Random& r) {
  float p = ReplaySigned(r, 5), q = ReplaySigned(r, 5);
  if (p == q) q += 1;
  if (p > q) std::swap(p, q);
  return {p, q};
}

// The least and greatest y of f over [p, q], sampled every quarter.
template <class F>
std::pair<float, float> SampledRange(F f, float p, float q) {
  float lo = f(p), hi = f(p);
  for (float x = p; x <= q; x += 0.25f) {
    lo = std::min(lo, f(x));
    hi = std::max(hi, f(x));
  }
  return {lo, hi};
}

std::string Whole(float v) { return std::to_string(static_cast<int>(v)); }

// The coefficient as a formula shows it: no digit for 1 and -1.
std::string CoefficientShown(float a) { return a == 1 ? "" : a == -1 ? "-" : Whole(a); }

TEST(RateDrillProblems, FollowTheDrawRuleAndAnswerRight) {
  ProbeRig rig("");
  OrvantiProbe& k = rig.k;
  Random replay;
  k.RandomSeed(11);
  replay.Seed(11);
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < 3000; ++i) {
    const Interval iv = ReplayInterval(replay);
    k.MakeRateProblem();
    ASSERT_EQ(k.F(1), iv.p) << i;
    ASSERT_EQ(k.F(2), iv.q) << i;
    ASSERT_LT(k.F(1), k.F(2));
    // The rate of y=x^2 from p to q as the difference quotient.
    ASSERT_EQ(k.T(3), (iv.q * iv.q - iv.p * iv.p) / (iv.q - iv.p));
    ASSERT_EQ(k.T_s(3), Whole(iv.p + iv.q));
    ASSERT_EQ(k.F_s(2), Whole(iv.q)) << "a zero end reads 0";
    seen.insert({static_cast<int>(iv.p), static_cast<int>(iv.q)});
  }
  EXPECT_TRUE(seen.count({-1, 0}) && seen.count({5, 6}) && seen.count({3, 4}) &&
              seen.count({-3, 3}));
  for (int i = 0; i < 3000; ++i) {
    const float a = ReplaySigned(replay, 4);
    const Interval iv = ReplayInterval(replay);
    k.MakeRateProblemWithA();
    ASSERT_EQ(k.T(1), a) << i;
    ASSERT_EQ(k.F(1), iv.p) << i;
    ASSERT_EQ(k.F(2), iv.q) << i;
    ASSERT_EQ(k.T(3), (a * iv.q * iv.q - a * iv.p * iv.p) / (iv.q - iv.p));
    ASSERT_EQ(k.T_s(1), CoefficientShown(a));
    ASSERT_GE(k.T(3), -44);
    ASSERT_LE(k.T(3), 44);
  }
}

// The linear range problem: eight draws (a, b, both ends, each with its
// sign) and the end values in order.
TEST(RangeDrillProblems, LinearFollowsTheDrawRule) {
  ProbeRig rig("");
  OrvantiProbe& k = rig.k;
  Random replay;
  k.RandomSeed(5);
  replay.Seed(5);
  std::set<std::string> texts;
  for (int i = 0; i < 4000; ++i) {
    const float a = ReplaySigned(replay, 5), b = ReplaySigned(replay, 9);
    const Interval iv = ReplayInterval(replay);
    k.MakeLinearRangeProblem();
    ASSERT_EQ(k.T(1), a) << i;
    ASSERT_EQ(k.T(2), b) << i;
    ASSERT_EQ(k.F(1), iv.p) << i;
    ASSERT_EQ(k.F(2), iv.q) << i;
    const auto [lo, hi] = SampledRange([&](float x) { return a * x + b; }, iv.p, iv.q);
    ASSERT_EQ(k.T(5), lo);
    ASSERT_EQ(k.T(6), hi);
    ASSERT_EQ(k.T_s(5), Whole(lo));
    ASSERT_EQ(k.T_s(6), Whole(hi));
    ASSERT_EQ(k.T_s(1), CoefficientShown(a));
    ASSERT_EQ(k.T_s(2), Whole(b)) << "the bare text of b: the pass adds the plus";
    ASSERT_GE(lo, -39);
    ASSERT_LE(hi, 39);
    texts.insert(k.T_s(1));
  }
  EXPECT_TRUE(texts.count("") && texts.count("-") && texts.count("2") && texts.count("-3"));
}

// The parabola range problems for every a the drills use: the interval's
// four draws, and the least and greatest y of a x^2 over it.
TEST(RangeDrillProblems, ParabolaAnswersForEveryA) {
  for (float a : {1.0f, 2.0f, 3.0f, 4.0f, -1.0f, -2.0f, -3.0f, -4.0f}) {
    ProbeRig rig("");
    OrvantiProbe& k = rig.k;
    Random replay;
    k.RandomSeed(a + 40);
    replay.Seed(static_cast<int>(a + 40));
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 2000; ++i) {
      const Interval iv = ReplayInterval(replay);
      k.T(1) = a;
      k.MakeParabolaRangeProblem();
      SCOPED_TRACE("a=" + Whole(a) + " " + Whole(iv.p) + ".." + Whole(iv.q));
      ASSERT_EQ(k.F(1), iv.p);
      ASSERT_EQ(k.F(2), iv.q);
      const auto [lo, hi] = SampledRange([&](float x) { return a * x * x; }, iv.p, iv.q);
      ASSERT_EQ(k.T(5), lo);
      ASSERT_EQ(k.T(6), hi);
      ASSERT_EQ(k.T_s(5), Whole(lo)) << "a zero reads 0, never -0";
      ASSERT_EQ(k.T_s(6), Whole(hi)) << "a zero reads 0, never -0";
      ASSERT_EQ(k.T_s(1), CoefficientShown(a));
      seen.insert({static_cast<int>(iv.p), static_cast<int>(iv.q)});
    }
    // Among them the intervals that matter: ending at 0, reaching 6, 0
    // strictly inside, equal end values, both ends negative.
    for (auto iv : {std::pair{-1, 0}, {5, 6}, {-3, 2}, {-4, 4}, {-5, -2}})
      EXPECT_TRUE(seen.count(iv)) << iv.first << ".." << iv.second;
  }
}

// ------------------------------------------------------ whole drills

// The text of a drill line, split at the x where the colour-3 "≦y≦" of a
// range line stands: the answers in colour 5 left and right of it.
struct RangeLine {
  std::string question, interval, least, greatest;
};

float YSignX(const std::vector<RecordedOp>& ops, float y) {
  for (const RecordedOp& op : ops)
    if (op.op == "text" && op.text == "y" && op.colour == 3 && Near(op.y, y, 14)) return op.x;
  return -1;
}

// The passes of a drill: the ops from each of its clearing boxes to the next.
std::vector<std::vector<RecordedOp>> Passes(const std::vector<RecordedOp>& ops, float clearY,
                                            float stopY = -1) {
  std::vector<std::vector<RecordedOp>> out;
  bool in = false;
  for (const RecordedOp& op : ops) {
    const bool clear = op.op == "box" && op.fill == 15 && op.x1 == 0 && op.x2 == 1760;
    if (clear && op.y1 == clearY) {
      out.emplace_back();
      in = true;
      continue;
    }
    if (clear && op.y1 == stopY) in = false;
    if (IsPromptLineWipe(op)) in = false;  // the scene is over
    if (in) out.back().push_back(op);
  }
  return out;
}

RangeLine ReadRangePass(const std::vector<RecordedOp>& pass, float q, float a) {
  RangeLine r;
  r.question = SignedLineText(pass, q, 0);
  const float split = YSignX(pass, a);
  r.interval = SignedLineText(pass, a, 3);
  r.least = SignedLineText(pass, a, 5, -1e9f, split);
  r.greatest = SignedLineText(pass, a, 5, split);
  return r;
}

struct DrillRun {
  int seed;
  std::string clock;
  ScriptedRun run;
  std::vector<std::vector<RecordedOp>> scenes;
};

// Entries after each problem of a first drill: anything but 1 goes on;
// "2/2" is 1 and ends it. A second drill ends on its second problem.
const char* const kFirstEntries[] = {"2", "", "0", "-1", "2/2"};
constexpr int kFirstPasses = 5, kSecondPasses = 2;

std::string DrillKeys(int keyAfterProblem) {
  std::string keys;
  for (const char* e : kFirstEntries) keys += AnyKeys(keyAfterProblem) + e + "\r";
  return keys;
}

DrillRun RunAllDrills(int seed) {
  const std::string first = DrillKeys(1);
  const std::string second = AnyKeys(1) + "3\r" + AnyKeys(1) + "1\r";
  const std::string keys = "2\r5\r" + first + AnyKeys(3) + second + AnyKeys(4) + "9\r" +  //
                           "3\r1\r" + first + second +                                   //
                           "3\r" + first + second + AnyKeys(1) + "5\r7\r";
  DrillRun d{seed, ClockForSeed(seed), {}, {}};
  d.run = RunScripted("orvanti", keys, d.clock);
  d.scenes = ChoiceSegments(d.run);
  return d;
}

class AllDrills : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    runs_ = new std::vector<DrillRun>;
    for (int seed = 0; seed <= 141; ++seed) runs_->push_back(RunAllDrills(seed));
  }
  static void TearDownTestSuite() { delete runs_; }
  static std::vector<DrillRun>* runs_;
};
std::vector<DrillRun>* AllDrills::runs_ = nullptr;

TEST_F(AllDrills, RepeatUntilOneIsEntered) {
  for (const DrillRun& d : *runs_) {
    SCOPED_TRACE(d.clock);
    ExpectCleanEnd(d.run);
    // Segments: the rate topic's scene 5 and exit, the range topic's
    // scenes 1 and 3 and exit.
    ASSERT_EQ(d.scenes.size(), 5u);
    const int passes = kFirstPasses + kSecondPasses;
    EXPECT_EQ(NextStepPrompts(d.scenes[0]), passes);
    EXPECT_EQ(KeyWaits(d.scenes[0]), passes + 3 + 4);
    EXPECT_EQ(NextStepPrompts(d.scenes[2]), passes);
    EXPECT_EQ(KeyWaits(d.scenes[2]), passes);
    EXPECT_EQ(NextStepPrompts(d.scenes[3]), passes);
    EXPECT_EQ(KeyWaits(d.scenes[3]), passes + 1);
  }
}

TEST_F(AllDrills, RateAnswersAsDrawn) {
  for (const DrillRun& d : *runs_) {
    SCOPED_TRACE(d.clock);
    Random replay;
    replay.Seed(d.seed);
    const auto& ops = d.scenes[0];
    const auto first = Passes(ops, 30, 290);
    const auto second = Passes(ops, 290);
    ASSERT_EQ(first.size(), static_cast<size_t>(kFirstPasses));
    ASSERT_EQ(second.size(), static_cast<size_t>(kSecondPasses));
    const std::regex interval("xが(-?\\d+)から(-?\\d+)まで増加");
    for (const auto& pass : first) {
      const Interval iv = ReplayInterval(replay);
      EXPECT_EQ(SignedLineText(pass, 30, 0), "①y=x2について、変化の割合を求めなさい。");
      std::smatch m;
      const std::string text = SignedLineText(pass, 110, 3);
      ASSERT_TRUE(std::regex_match(text, m, interval)) << text;
      const float p = std::stof(m[1]), q = std::stof(m[2]);
      EXPECT_EQ(p, iv.p);
      EXPECT_EQ(q, iv.q);
      EXPECT_EQ(SignedLineText(pass, 110, 5, 0, 780), Whole((q * q - p * p) / (q - p)));
    }
    const std::regex question("②y=(-?\\d*)x2について、変化の割合を求めなさい。");
    for (const auto& pass : second) {
      const float a0 = ReplaySigned(replay, 4);
      const Interval iv = ReplayInterval(replay);
      std::smatch m;
      const std::string q1 = SignedLineText(pass, 310, 0);
      ASSERT_TRUE(std::regex_match(q1, m, question)) << q1;
      EXPECT_EQ(m[1].str(), CoefficientShown(a0));
      const std::string text = SignedLineText(pass, 390, 3);
      ASSERT_TRUE(std::regex_match(text, m, interval)) << text;
      const float p = std::stof(m[1]), q = std::stof(m[2]);
      EXPECT_EQ(p, iv.p);
      EXPECT_EQ(q, iv.q);
      EXPECT_EQ(SignedLineText(pass, 390, 5, 0, 780), Whole((a0 * q * q - a0 * p * p) / (q - p)));
    }
  }
}

TEST_F(AllDrills, RangeAnswersAsDrawn) {
  for (const DrillRun& d : *runs_) {
    SCOPED_TRACE(d.clock);
    Random replay;
    replay.Seed(d.seed);
    // Skip the rate drill's draws.
    for (int i = 0; i < kFirstPasses; ++i) ReplayInterval(replay);
    for (int i = 0; i < kSecondPasses; ++i) ReplaySigned(replay, 4), ReplayInterval(replay);

    const std::regex interval("(-?\\d+)≦x≦(-?\\d+)のとき≦y≦");
    auto check = [&](const std::vector<RecordedOp>& pass, float q, float aLine, float a, float b,
                     const std::string& expectedQuestion, bool linear) -> Interval {
      const RangeLine r = ReadRangePass(pass, q, aLine);
      EXPECT_EQ(r.question, expectedQuestion);
      std::smatch m;
      if (!std::regex_match(r.interval, m, interval)) {
        ADD_FAILURE() << "unreadable interval " << r.interval;
        return {NAN, NAN};
      }
      const Interval iv = {std::stof(m[1]), std::stof(m[2])};
      const auto [lo, hi] =
          SampledRange([&](float x) { return linear ? a * x + b : a * x * x; }, iv.p, iv.q);
      EXPECT_EQ(r.least, Whole(lo)) << r.interval << " a=" << a;
      EXPECT_EQ(r.greatest, Whole(hi)) << r.interval << " a=" << a;
      return iv;
    };
    auto lineQ = [](const std::string& head, float a, const std::string& rest) {
      return head + CoefficientShown(a) + rest + "について、yの変域をいいなさい。";
    };

    // Item 1: y=ax+b, then y=x^2.
    const auto& drill1 = d.scenes[2];
    const auto lin = Passes(drill1, 50, 210);
    const auto sq = Passes(drill1, 210);
    ASSERT_EQ(lin.size(), static_cast<size_t>(kFirstPasses));
    ASSERT_EQ(sq.size(), static_cast<size_t>(kSecondPasses));
    for (const auto& pass : lin) {
      const float a = ReplaySigned(replay, 5), b = ReplaySigned(replay, 9);
      const Interval want = ReplayInterval(replay);
      const std::string bText = (b > 0 ? "+" : "") + Whole(b);
      const Interval iv = check(pass, 50, 130, a, b, lineQ("①y=", a, "x" + bText), true);
      EXPECT_EQ(iv.p, want.p);
      EXPECT_EQ(iv.q, want.q);
    }
    for (const auto& pass : sq) {
      const Interval want = ReplayInterval(replay);
      const Interval iv = check(pass, 230, 310, 1, 0, lineQ("②y=", 1, "x2"), false);
      EXPECT_EQ(iv.p, want.p);
      EXPECT_EQ(iv.q, want.q);
      // The first drill's last problem stays above.
    }
    EXPECT_EQ(SignedLineText(drill1, 400, 7), "なぜ？");

    // Item 3: y=ax^2 with a from 1 to 4, then from -1 to -4.
    const auto& drill2 = d.scenes[3];
    const auto pos = Passes(drill2, 50, 210);
    const auto neg = Passes(drill2, 210);
    ASSERT_EQ(pos.size(), static_cast<size_t>(kFirstPasses));
    ASSERT_EQ(neg.size(), static_cast<size_t>(kSecondPasses));
    for (const auto& pass : pos) {
      const float a = std::floor(4 * replay.Draw() + 1);
      const Interval want = ReplayInterval(replay);
      const Interval iv = check(pass, 50, 130, a, 0, lineQ("①y=", a, "x2"), false);
      EXPECT_EQ(iv.p, want.p);
      EXPECT_EQ(iv.q, want.q);
    }
    for (const auto& pass : neg) {
      const float a = -std::floor(4 * replay.Draw() + 1);
      const Interval want = ReplayInterval(replay);
      const Interval iv = check(pass, 230, 310, a, 0, lineQ("②y=", a, "x2"), false);
      EXPECT_EQ(iv.p, want.p);
      EXPECT_EQ(iv.q, want.q);
    }
    EXPECT_EQ(SignedLineText(drill2, 570, 0), "教科書P110問3,問4,問5　をしなさい。");
  }
}

// The boxes of a pass: empty first, then drawn again with the answers at
// the same place; the widths of the four drills, and the second drill
// below the first one's answers.
TEST(RangeDrillLayout, BoxesAndPlaces) {
  const DrillRun d = RunAllDrills(17);
  ASSERT_EQ(d.scenes.size(), 5u);
  struct Drill {
    const std::vector<RecordedOp>* ops;
    float clearY, answerY, width;
  };
  const Drill drills[] = {{&d.scenes[2], 50, 130, 132},
                          {&d.scenes[2], 210, 310, 132},
                          {&d.scenes[3], 50, 130, 132},
                          {&d.scenes[3], 210, 310, 176}};
  for (const Drill& dr : drills) {
    SCOPED_TRACE(dr.answerY + dr.width);
    for (const auto& pass : Passes(*dr.ops, dr.clearY, dr.clearY == 50 ? 210 : -1)) {
      std::vector<RecordedOp> boxes;
      for (const RecordedOp& op : pass)
        if (op.op == "box" && op.fill == 13) boxes.push_back(op);
      ASSERT_EQ(boxes.size(), 4u) << "two empty boxes, then the same two with the answers";
      for (const RecordedOp& b : boxes) {
        EXPECT_EQ(b.border, 3);
        EXPECT_FLOAT_EQ(b.x2 - b.x1, dr.width);
        EXPECT_FLOAT_EQ(b.y1, dr.answerY - 8);
        EXPECT_FLOAT_EQ(b.y2, dr.answerY + 52);
      }
      EXPECT_FLOAT_EQ(boxes[2].x1, boxes[0].x1);
      EXPECT_FLOAT_EQ(boxes[3].x1, boxes[1].x1);
      // "≦y≦" 20 right of the first box, the second box right after it.
      const float ysign = YSignX(pass, dr.answerY);
      EXPECT_GT(ysign, boxes[0].x2 + 20);
      EXPECT_LT(ysign, boxes[1].x1);
    }
  }
}

}  // namespace
}  // namespace orvanti_test
}  // namespace lesson
