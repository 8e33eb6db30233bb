// The value labels of scaled planes: which grid lines get a label, the label
// texts (leading "0", sign), their places on both axes, and that the routine
// leaves its inputs and the drawing settings as it found them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessons/velmora/velmora.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "tests/support/log_queries.h"

namespace lesson {
namespace {

class TickLabelProbe : public Velmora {
 public:
  using Velmora::Velmora;
  using Engine::DrawText;
  using Engine::GetPenWidth;
  using Engine::SetFace;
  using Engine::SetFontSize;
  using Engine::SetPenWidth;
  using Velmora::DrawScaledTickLabels;
};

struct TickBench {
  RecordingScreen screen;
  ScriptedRuntime runtime{screen, {}};
  TickLabelProbe v{runtime};

  // A plane as the plane routine leaves it: ranges in grid steps.
  TickBench(float aa1, float aa2, float bb1, float bb2, float size, float gx0, float gy0) {
    v.SetFace("ゴシック");
    v.SetFontSize(16);
    v.SetPenWidth(5);
    v.AA1 = aa1, v.AA2 = aa2, v.BB1 = bb1, v.BB2 = bb2;
    v.SIZE = size, v.SIZE1 = size < 40 ? 26.0f : 30.0f;
    v.GX0 = gx0, v.GY0 = gy0;
    screen.ClearLog();
  }
};

using Label = PlacedText;

// The visible small-text glyphs grouped into labels: a glyph continues the
// label before it when it stands on the same line where that one ended.
std::vector<Label> LabelsOf(const RecordingScreen& screen) {
  std::vector<Label> out;
  float nextX = 0;
  for (const RecordedOp& op : screen.ops()) {
    if (op.op != "text" || op.y > 1700) continue;
    if (out.empty() || out.back().y != op.y || nextX != op.x) out.push_back({"", op.x, op.y});
    out.back().text += op.text;
    nextX = op.x + (op.text == "." ? 8.0f : 20.0f);
  }
  return out;
}

void ExpectLabels(const RecordingScreen& screen, const std::vector<Label>& want) {
  ExpectPlacedTexts(LabelsOf(screen), want);
}

// The braking graph's plane: 9 steps of 10 across, 27 of 1 up, 23 a step.
TEST(ScaledTickLabels, BrakingGraphPlane) {
  TickBench b(0, 9, 0, 27, 23, 940, 631);
  b.v.BAIX = 10, b.v.BAIY = 1;
  b.v.DrawScaledTickLabels();
  // x: centred on its line (40 wide), 4 below the axis; y: ending 10 left of
  // the axis, 13 (half the label size) above the line. Step 25 of 27 too.
  ExpectLabels(b.screen, {{"50", 940 + 115 - 20, 635},
                          {"5", 910, 631 - 115 - 13},
                          {"10", 890, 631 - 230 - 13},
                          {"15", 890, 631 - 345 - 13},
                          {"20", 890, 631 - 460 - 13},
                          {"25", 890, 631 - 575 - 13}});
  for (const RecordedOp& op : b.screen.ops()) {
    if (op.op != "text") continue;
    EXPECT_EQ(op.colour, 0);
    EXPECT_TRUE(op.bold);
    EXPECT_EQ(op.size, 15);
  }
}

// The sheet graph's plane: 25 a step up to 41 steps, the last x line labelled.
TEST(ScaledTickLabels, SheetGraphPlaneAndWideLabels) {
  TickBench b(0, 10, 0, 41, 15, 100, 700);
  b.v.BAIX = 1, b.v.BAIY = 25;
  b.v.DrawScaledTickLabels();
  std::vector<Label> want = {{"5", 100 + 75 - 10, 704}, {"10", 100 + 150 - 20, 704}};
  const char* ys[] = {"125", "250", "375", "500", "625", "750", "875", "1000"};
  for (int k = 1; k <= 8; ++k) {
    const std::string t = ys[k - 1];
    want.push_back({t, 100 - 20.0f * static_cast<float>(t.size()) - 10, 700 - 75.0f * k - 13});
  }
  ExpectLabels(b.screen, want);
  EXPECT_EQ(LabelsOf(b.screen).back().x, 10);  // "1000" starts at GX0 - 90
}

// Negative steps are counted from the origin too; values below 1 get their
// "0"; the origin and lines off the fifth never get a label.
TEST(ScaledTickLabels, SignsFractionsAndOrigin) {
  TickBench b(-7, 7, -12, 3, 20, 400, 300);
  b.v.BAIX = 0.1f, b.v.BAIY = 10;
  b.v.DrawScaledTickLabels();
  // "-0.5" is 20+20+8+20 = 68 wide, "0.5" 48.
  ExpectLabels(b.screen, {{"-0.5", 400 - 100 - 34, 304},
                          {"0.5", 400 + 100 - 24, 304},
                          {"-100", 400 - 80 - 10, 300 + 200 - 13},
                          {"-50", 400 - 60 - 10, 300 + 100 - 13}});
}

// Short axes: fewer than 5 steps give nothing, 6 give one label.
TEST(ScaledTickLabels, ShortAxes) {
  struct Case { float aa2, bb2; size_t labels; };
  for (const Case& c : {Case{4, 4, 0}, Case{6, 4, 1}, Case{4, 6, 1}, Case{5, 5, 2}}) {
    SCOPED_TRACE(c.aa2 * 10 + c.bb2);
    TickBench b(0, c.aa2, 0, c.bb2, 30, 200, 400);
    b.v.BAIX = 50, b.v.BAIY = 50;
    b.v.DrawScaledTickLabels();
    EXPECT_EQ(LabelsOf(b.screen).size(), c.labels);
  }
}

// Nothing of the plane changes, so plotting goes on at the label scale; the
// font and pen are as between routines; the loop counter ends past the top.
TEST(ScaledTickLabels, LeavesInputsAndSettings) {
  TickBench b(0, 6, 0, 19, 30, 300, 640);
  b.v.BAIX = 10, b.v.BAIY = 50;
  b.v.DrawScaledTickLabels();
  auto& v = b.v;
  EXPECT_EQ(v.AA1, 0);
  EXPECT_EQ(v.AA2, 6);
  EXPECT_EQ(v.BB1, 0);
  EXPECT_EQ(v.BB2, 19);
  EXPECT_EQ(v.BAIX, 10);
  EXPECT_EQ(v.BAIY, 50);
  EXPECT_EQ(v.GX0, 300);
  EXPECT_EQ(v.GY0, 640);
  EXPECT_EQ(v.SIZE, 30);
  EXPECT_EQ(v.SIZE1, 26);
  EXPECT_EQ(v.II, 20);
  EXPECT_EQ(v.P1, 950);
  EXPECT_EQ(v.P1_s, "950");
  EXPECT_EQ(v.GetPenWidth(), 5);
  ExpectLabels(b.screen, {{"50", 300 + 150 - 20, 644},
                          {"250", 230, 640 - 150 - 13},
                          {"500", 230, 640 - 300 - 13},
                          {"750", 230, 640 - 450 - 13}});
  // A text drawn afterwards comes out at 16 points, not bold.
  b.screen.ClearLog();
  v.DrawText(0, 0, 1, 1, 0, "a");
  ASSERT_EQ(b.screen.ops().size(), 1u);
  EXPECT_EQ(b.screen.ops()[0].size, 16);
  EXPECT_FALSE(b.screen.ops()[0].bold);
}

}  // namespace
}  // namespace lesson
