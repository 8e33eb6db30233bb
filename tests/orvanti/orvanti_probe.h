// What orvanti's lesson tests share: a probe that opens the scenes and
// helpers, and orvanti's own queries on the recorded ops (next-step prompts,
// the text of a line with its minus and plus signs, the stages between key
// waits) beside the common ones of tests/support/log_queries.h.
#pragma once
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lessons/orvanti/orvanti.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace orvanti_test {

class OrvantiProbe : public Orvanti {
 public:
  using Orvanti::Orvanti;
  using Orvanti::CoefficientText;
  using Orvanti::DotParabola;
  using Orvanti::GetPenWidth;
  using Orvanti::MakeLinearRangeProblem;
  using Orvanti::MakeParabolaRangeProblem;
  using Orvanti::MakeRateProblem;
  using Orvanti::MakeRateProblemWithA;
  using Orvanti::PlotRangeOnParabola;
  using Orvanti::RandomSeed;
  using Orvanti::RangePlane;
  using Orvanti::SetPenWidth;
  // the scenes, run on their own
  using Orvanti::IncDecLinearFallingScene;
  using Orvanti::IncDecLinearRisingScene;
  using Orvanti::IncDecParabolaDownScene;
  using Orvanti::IncDecParabolaUpScene;
  using Orvanti::LineFromRateProblemScene;
  using Orvanti::LineThroughTwoPointsScene;
  using Orvanti::RangeAnswersScene;
  using Orvanti::RangeDrill2Scene;
  using Orvanti::RangeDrillScene;
  using Orvanti::RangeGraphScene;
  using Orvanti::RateDrillScene;
  using Orvanti::RateLinearTableScene;
  using Orvanti::RateParabolaTableScene;
  using Orvanti::RateQuestion1AnswerScene;
  using Orvanti::RateQuestion2AnswerScene;
  using Orvanti::RateTwoPointScene;
};

struct ProbeRig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  OrvantiProbe k;
  explicit ProbeRig(const std::string& keys)
      : rt(screen, ScriptedRuntime::ParseKeys(keys)), k(rt) {
    k.KAIX = 1056;
    k.KAIY = 648;
  }
};

inline bool IsNextStepBox(const RecordedOp& op) {
  return op.op == "box" && op.x1 == 96 && op.y1 == 639 && op.x2 == 400 && op.y2 == 675 &&
         op.fill == 12;
}

inline int NextStepPrompts(const std::vector<RecordedOp>& ops) {
  int n = 0;
  for (const RecordedOp& op : ops) n += IsNextStepBox(op);
  return n;
}

// The text of the line whose top is y in one colour within x from..to:
// glyphs (italic letters stand up to 22 higher, points 14 lower), and the
// signs the math text draws as strokes: a short horizontal stroke about 20
// below the top is "-", crossed by a vertical one it is "+". Sorted by x.
inline std::string SignedLineText(const std::vector<RecordedOp>& ops, float y, int colour,
                                  float xFrom = -1e9f, float xTo = 1e9f) {
  std::vector<std::pair<float, std::string>> parts;
  std::vector<RecordedOp> vertical;
  for (const RecordedOp& op : ops)
    if (op.op == "line" && op.colour == colour && op.x1 == op.x2 &&
        std::fabs(op.y2 - op.y1) < 26 && std::min(op.y1, op.y2) >= y && op.y1 <= y + 44)
      vertical.push_back(op);
  for (const RecordedOp& op : ops) {
    if (op.colour != colour) continue;
    if (op.op == "text" && op.y >= y - 22 && op.y <= y + 14 && op.x >= xFrom && op.x < xTo)
      parts.emplace_back(op.x, op.text);
    if (op.op == "line" && op.y1 == op.y2 && op.y1 >= y + 10 && op.y1 <= y + 30 &&
        std::fabs(op.x2 - op.x1) < 26 && std::min(op.x1, op.x2) >= xFrom &&
        std::min(op.x1, op.x2) < xTo) {
      const float lo = std::min(op.x1, op.x2), hi = std::max(op.x1, op.x2);
      bool plus = false;
      for (const RecordedOp& v : vertical)
        plus = plus || (v.x1 > lo && v.x1 < hi && std::min(v.y1, v.y2) < op.y1 &&
                        std::max(v.y1, v.y2) > op.y1);
      parts.emplace_back(lo, plus ? "+" : "-");
    }
  }
  std::stable_sort(parts.begin(), parts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string s;
  for (const auto& p : parts) s += p.second;
  return s;
}

// The ops between key waits: stage 0 is what is drawn before the first key
// wait, stage n what follows the n-th.
inline std::vector<std::vector<RecordedOp>> Stages(const std::vector<RecordedOp>& ops) {
  std::vector<std::vector<RecordedOp>> out(1);
  for (const RecordedOp& op : ops) {
    if (IsKeyWaitBox(op)) {
      out.emplace_back();
      continue;
    }
    out.back().push_back(op);
  }
  return out;
}

// A clock whose seed (hours + minutes + seconds) is `seed`, 0 to 141.
inline std::string ClockForSeed(int seed) {
  const int h = std::min(seed, 23), m = std::min(seed - h, 59), s = seed - h - m;
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", h, m, s);
  return clock;
}

}  // namespace orvanti_test
}  // namespace lesson
