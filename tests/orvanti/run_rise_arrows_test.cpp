// Orvanti's run-and-rise arrows: the two arrows, their order, the labels and
// their texts, and the pen width they leave.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>
#include <vector>

#include "lessons/orvanti/orvanti.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"

namespace lesson {
namespace {

class ArrowsProbe : public Orvanti {
 public:
  using Orvanti::Orvanti;
  using Orvanti::DrawRunRiseArrows;
  using Orvanti::GetPenWidth;
  using Orvanti::SetPenWidth;
  using Orvanti::WaitAnyKey;
};

struct ArrowsRig {
  RecordingScreen screen;
  ScriptedRuntime rt;
  ArrowsProbe k;
  ArrowsRig() : rt(screen, ScriptedRuntime::ParseKeys(" ")), k(rt) {}
  void Run(float x3, float y3, float x4, float y4, float size, const std::string& hyouji) {
    k.GX3 = x3; k.GY3 = y3; k.GX4 = x4; k.GY4 = y4;
    k.SIZE = size;
    k.HYOUJI_s = hyouji;
    k.DrawRunRiseArrows();
  }
  // The arrows' lines: the first six (a shaft and two barbs each); a label's
  // minus sign is drawn as a line after them.
  std::vector<RecordedOp> Lines() const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : screen.ops())
      if (op.op == "line" && out.size() < 6) out.push_back(op);
    return out;
  }
  std::vector<RecordedOp> Texts() const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : screen.ops())
      if (op.op == "text" && op.y < 1000) out.push_back(op);  // measuring draws lie at 1800
    return out;
  }
  // The glyphs drawn in one colour, in order, a minus line after the arrows
  // read as "-".
  std::string TextOf(int colour) const {
    std::string s;
    int lines = 0;
    for (const RecordedOp& op : screen.ops()) {
      if (op.op == "line" && ++lines > 6 && op.colour == colour) s += "-";
      if (op.op == "text" && op.y < 1000 && op.colour == colour) s += op.text;
    }
    return s;
  }
  const RecordedOp* FirstText(int colour) const {
    for (const RecordedOp& op : screen.ops())
      if (op.op == "text" && op.y < 1000 && op.colour == colour) return &op;
    return nullptr;
  }
};

bool SameLine(const RecordedOp& op, float x1, float y1, float x2, float y2) {
  return std::fabs(op.x1 - x1) < 0.01f && std::fabs(op.y1 - y1) < 0.01f &&
         std::fabs(op.x2 - x2) < 0.01f && std::fabs(op.y2 - y2) < 0.01f;
}

// The pair of the rate from 1 to 3 on y=x^2 (30 a grid step), labelled.
TEST(RunRiseArrows, ShaftsHeadsAndLabels) {
  ArrowsRig rig;
  rig.k.SetPenWidth(3);
  rig.Run(942, 450, 1002, 210, 30, "yy");
  const auto lines = rig.Lines();
  ASSERT_EQ(lines.size(), 6u) << "two arrows of a shaft and two barbs each";
  // Run arrow: shaft, then the barbs to the tip (1002, 450), 16 back, 8 aside.
  EXPECT_TRUE(SameLine(lines[0], 942, 450, 1002, 450));
  EXPECT_EQ(lines[0].colour, 7);
  EXPECT_TRUE(SameLine(lines[1], 986, 458, 1002, 450) || SameLine(lines[1], 986, 442, 1002, 450));
  EXPECT_TRUE(SameLine(lines[2], 986, 458, 1002, 450) || SameLine(lines[2], 986, 442, 1002, 450));
  // Rise arrow from the run arrow's head up to the right point.
  EXPECT_TRUE(SameLine(lines[3], 1002, 450, 1002, 210));
  EXPECT_EQ(lines[3].colour, 3);
  EXPECT_NEAR(lines[4].y1, 226, 0.01);
  EXPECT_NEAR(lines[5].y1, 226, 0.01);
  for (const RecordedOp& op : lines) EXPECT_EQ(op.pen, 5);
  // Labels: the run 2 at ((942+1002)/2 - 14, 450 - 44), the rise 8 at
  // (1002, (450+210)/2 - 16); the run first.
  EXPECT_EQ(rig.TextOf(7), "2");
  EXPECT_EQ(rig.TextOf(3), "8");
  ASSERT_NE(rig.FirstText(7), nullptr);
  EXPECT_FLOAT_EQ(rig.FirstText(7)->x, 958);
  EXPECT_FLOAT_EQ(rig.FirstText(7)->y, 406);
  EXPECT_FLOAT_EQ(rig.FirstText(3)->x, 1002);
  EXPECT_FLOAT_EQ(rig.FirstText(3)->y, 314);
  EXPECT_EQ(rig.Texts().front().colour, 7);
  // What the routine leaves.
  EXPECT_EQ(rig.k.GetPenWidth(), 5);
  EXPECT_EQ(rig.k.X_s, "2");
  EXPECT_EQ(rig.k.Y_s, "8");
  EXPECT_EQ(rig.k.MUKI, 0);
  EXPECT_EQ(rig.k.CCC2, 3);
  EXPECT_EQ(rig.k.NAGASA, 16);
  EXPECT_EQ(rig.k.CCC1, 3);
  EXPECT_TRUE(rig.k.AA_s.empty());
}

// The label texts: a rise between 0 and 1 gets its zero, 1 and -1 none, a
// falling pair a negative rise; a run or a rise below one step in size is
// written with its zero as well.
TEST(RunRiseArrows, LabelTexts) {
  struct Case {
    float x3, y3, x4, y4, size;
    const char* run;
    const char* rise;
  };
  const Case cases[] = {
      {832, 560, 872, 540, 40, "1", "0.5"},     // y=x^2/2 from 0 to 1
      {872, 540, 912, 480, 40, "1", "1.5"},
      {952, 380, 992, 240, 40, "1", "3.5"},
      {832, 520, 872, 440, 40, "1", "2"},       // y=2x+1
      {100, 300, 130, 270, 30, "1", "1"},
      {100, 300, 130, 330, 30, "1", "-1"},
      {112.5f, 125, 175, 250, 25, "2.5", "-5"},  // a falling pair
      {100, 300, 115, 285, 30, "0.5", "0.5"},
      {100, 300, 130, 315, 30, "1", "-0.5"},
  };
  for (const Case& c : cases) {
    ArrowsRig rig;
    rig.Run(c.x3, c.y3, c.x4, c.y4, c.size, "yy");
    SCOPED_TRACE(std::string(c.run) + " / " + c.rise);
    EXPECT_EQ(rig.k.X_s, c.run);
    EXPECT_EQ(rig.k.Y_s, c.rise);
    EXPECT_EQ(rig.TextOf(7), c.run);
    EXPECT_EQ(rig.TextOf(3), c.rise);
  }
}

// A falling pair: the rise arrow points down and the run label's top lies
// on the run arrow's line.
TEST(RunRiseArrows, FallingPair) {
  ArrowsRig rig;
  rig.Run(112.5f, 125, 175, 250, 25, "yy");
  const auto lines = rig.Lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_TRUE(SameLine(lines[3], 175, 125, 175, 250));
  EXPECT_NEAR(lines[4].y1, 234, 0.01) << "the head's barbs start 16 above the lower tip";
  EXPECT_FLOAT_EQ(rig.FirstText(7)->x, (112.5f + 175) / 2 - 14);
  EXPECT_FLOAT_EQ(rig.FirstText(7)->y, 125);
  EXPECT_FLOAT_EQ(rig.FirstText(3)->y, (125 + 250) / 2.0f - 16);
}

// Points passed right to left draw what the same points draw left to right,
// and come back in left-to-right order.
TEST(RunRiseArrows, RightToLeftIsOrdered) {
  ArrowsRig a, b;
  a.Run(1160, 200, 1000, 520, 40, "yy");
  b.Run(1000, 520, 1160, 200, 40, "yy");
  EXPECT_EQ(a.k.GX3, 1000);
  EXPECT_EQ(a.k.GY3, 520);
  EXPECT_EQ(a.k.GX4, 1160);
  EXPECT_EQ(a.k.GY4, 200);
  const auto la = a.Lines(), lb = b.Lines();
  ASSERT_EQ(la.size(), lb.size());
  for (size_t i = 0; i < la.size(); ++i)
    EXPECT_TRUE(SameLine(la[i], lb[i].x1, lb[i].y1, lb[i].x2, lb[i].y2)) << i;
  EXPECT_EQ(a.TextOf(7), "4");
  EXPECT_EQ(a.TextOf(3), "8");
  EXPECT_FLOAT_EQ(a.FirstText(7)->x, 1066);
  EXPECT_FLOAT_EQ(a.FirstText(7)->y, 476);
  EXPECT_FLOAT_EQ(a.FirstText(3)->x, 1160);
  EXPECT_FLOAT_EQ(a.FirstText(3)->y, 344);
}

// The label switch: which labels each setting draws; the texts are set in
// every case, and CCC1, X, Y are left alone when nothing is written.
TEST(RunRiseArrows, LabelSwitch) {
  struct Case {
    const char* hyouji;
    bool run, rise;
  };
  const Case cases[] = {{"nn", false, false}, {"ny", false, true}, {"yn", true, false},
                        {"yy", true, true},   {"y", true, false},  {"", false, false}};
  for (const Case& c : cases) {
    ArrowsRig rig;
    rig.k.CCC1 = 9; rig.k.X = 11; rig.k.Y = 12;
    rig.Run(832, 520, 872, 440, 40, c.hyouji);
    SCOPED_TRACE(c.hyouji);
    EXPECT_EQ(rig.TextOf(7), c.run ? "1" : "");
    EXPECT_EQ(rig.TextOf(3), c.rise ? "2" : "");
    EXPECT_EQ(rig.k.X_s, "1");
    EXPECT_EQ(rig.k.Y_s, "2");
    if (!c.run && !c.rise) {
      EXPECT_EQ(rig.k.CCC1, 9);
      EXPECT_EQ(rig.k.X, 11);
      EXPECT_EQ(rig.k.Y, 12);
    }
  }
}

// Whatever the width before, the width after is 5, and the arrows are drawn
// with it.
TEST(RunRiseArrows, LeavesPenWidthFive) {
  for (int before : {1, 3, 6, 8}) {
    ArrowsRig rig;
    rig.k.SetPenWidth(static_cast<float>(before));
    rig.Run(832, 560, 872, 540, 40, "nn");
    EXPECT_EQ(rig.k.GetPenWidth(), 5) << before;
    for (const RecordedOp& op : rig.Lines()) EXPECT_EQ(op.pen, 5);
  }
}

// A plane of no size has no grid steps: the division ends on the error
// screen with a division by zero.
TEST(RunRiseArrows, SizeZeroIsAFault) {
  ArrowsRig rig;
  try {
    rig.Run(832, 560, 872, 540, 0, "yy");
    FAIL() << "no fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.code, kFaultDivByZero);
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace lesson
