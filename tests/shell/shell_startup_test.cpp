// Start-up: the random seed from the clock, the state the main menu first
// meets, and the ways a run ends (program end, window closed, fault).
#include <gtest/gtest.h>

#include "platform/cairo_screen.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/harness.h"

namespace lesson::testing {
namespace {

struct SeedCase {
  const char* clock;
  float seed;
};

class StartUpSeed : public ::testing::TestWithParam<SeedCase> {};

TEST_P(StartUpSeed, SumOfHoursMinutesSecondsSeedsTheDraws) {
  const SeedCase c = GetParam();
  Rig rig("", Rig::DefaultItems(), c.clock);
  rig.shell.ReseedRandom();
  EXPECT_EQ(rig.shell.A, c.seed);
  Random expected;
  expected.Seed(static_cast<int>(c.seed));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(rig.shell.RandomDraw(), expected.Draw()) << i;
}

INSTANTIATE_TEST_SUITE_P(Clocks, StartUpSeed,
                         ::testing::Values(SeedCase{"00:00:00", 0}, SeedCase{"23:59:59", 141},
                                           SeedCase{"01:02:03", 6}, SeedCase{"03:02:01", 6},
                                           SeedCase{"12:34:56", 102}));

TEST(StartUp, SameSumDrawsTheSameNumbers) {
  Rig a("", Rig::DefaultItems(), "01:02:03");
  Rig b("", Rig::DefaultItems(), "03:02:01");
  Rig c("", Rig::DefaultItems(), "01:02:04");
  a.shell.ReseedRandom();
  b.shell.ReseedRandom();
  c.shell.ReseedRandom();
  bool differs = false;
  for (int i = 0; i < 5; ++i) {
    const float da = a.shell.RandomDraw();
    EXPECT_EQ(da, b.shell.RandomDraw());
    differs = differs || da != c.shell.RandomDraw();
  }
  EXPECT_TRUE(differs) << "another seed should give another sequence";
}

TEST(StartUp, StateWhenTheMenuIsFirstShown) {
  Rig rig("8\r", Rig::DefaultItems(), "23:59:59");
  TestShell& s = rig.shell;
  // Left-overs that start-up must not keep: the arrays are created afresh.
  s.T(5) = 7;
  s.T_s(80) = "x";
  s.F_s(0) = "y";
  s.Xa_s(20) = "z";
  s.G(10, 2) = 1;
  s.KAIX = 0;
  bool seen = false;
  s.onMenuEntered = [&](TestShell& t) {
    seen = true;
    EXPECT_EQ(t.KAIX, 1056);
    EXPECT_EQ(t.KAIY, 648);
    EXPECT_EQ(t.TITLE_s, "kasimel");
    EXPECT_EQ(t.A, 141);
    for (int i = 0; i <= 80; ++i) {
      EXPECT_EQ(t.T(i), 0) << i;
      EXPECT_EQ(t.T_s(i), "") << i;
    }
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(t.F_s(i), "") << i;
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(t.Xa_s(i), "") << i;
    EXPECT_EQ(t.G(10, 2), 0);
    const PenFont& f = rig.screen.State();
    EXPECT_EQ(f.face, "ｺﾞｼｯｸ");
    EXPECT_EQ(f.size, 16);
    EXPECT_EQ(f.pen, 3);
    EXPECT_FALSE(f.italic);
  };
  EXPECT_EQ(s.Run(), 0);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(Ended(rig.ops()));
  EXPECT_FALSE(s.lastFault().has_value());
  // The panel takes the pen width that start-up set.
  for (const RecordedOp& op : rig.ops()) {
    if (IsBox(op, 22, 10, 1342, 610, 15, 10)) {
      EXPECT_EQ(op.pen, 3);
    }
  }
}

TEST(StartUp, ClosingTheWindowAtTheMenuExitsZero) {
  Rig rig("1");  // one digit typed, then the window is closed
  EXPECT_EQ(rig.shell.Run(), 0);
  EXPECT_FALSE(Ended(rig.ops()));
  EXPECT_FALSE(rig.shell.lastFault().has_value());
}

// A fault anywhere in a topic ends on the error screen: the window is
// cleared, the step and code stand before the message at (288, 432) in
// colour 13, no key is taken any more, and Run returns 3.
struct FaultCase {
  const char* name;
  int code;
  std::function<void(TestShell&)> fault;
};

class ErrorScreen : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ErrorScreen, ShowsStepAndCodeAndWaitsForClose) {
  const FaultCase& c = GetParam();
  Rig rig("1\r2\r3\r");
  rig.shell.topic = [&](TestShell& s, int) {
    c.fault(s);
    s.ClearPromptLine();  // the next operation notices an arithmetic fault
    return true;
  };
  EXPECT_EQ(rig.shell.Run(), 3);
  ASSERT_TRUE(rig.shell.lastFault().has_value());
  const Fault f = *rig.shell.lastFault();
  EXPECT_EQ(f.code, c.code);
  EXPECT_GT(f.step, 0);
  EXPECT_EQ(rig.rt.keysLeft(), 4u) << "no key is taken after the fault";

  const std::vector<RecordedOp>& ops = rig.ops();
  ASSERT_GE(ops.size(), 3u);
  EXPECT_EQ(ops[ops.size() - 3].op, "clear");
  // The cleared window is left dark, so that the light colour 13 reads.
  EXPECT_TRUE(IsBox(ops[ops.size() - 2], 0, 0, kCanvasWidth, kCanvasHeight, 10, 10));
  const RecordedOp& text = ops.back();
  ASSERT_EQ(text.op, "text");
  EXPECT_EQ(text.x, 288);
  EXPECT_EQ(text.y, 432);
  EXPECT_EQ(text.colour, 13);
  EXPECT_EQ(text.m1, 1);
  EXPECT_EQ(text.m2, 1);
  EXPECT_EQ(text.text, Str(static_cast<float>(f.step)) + "," + Str(static_cast<float>(c.code)) +
                           "エラーが発生しました。マウスで×をクリックして下さい。");
  EXPECT_EQ(text.text.substr(0, 1), " ");
  EXPECT_EQ(rig.shell.A, static_cast<float>(f.step));
  EXPECT_EQ(rig.shell.B_s, Str(static_cast<float>(c.code)));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ErrorScreen,
    ::testing::Values(FaultCase{"Subscript", kFaultSubscript, [](TestShell& s) { s.T(81) = 1; }},
                      FaultCase{"DivideByZero", kFaultDivByZero,
                                [](TestShell& s) { s.A = 1.0f / s.B; }},
                      FaultCase{"Overflow", kFaultOverflow,
                                [](TestShell& s) {
                                  s.A = 3e38f;
                                  s.A = s.A * 10.0f;
                                }}),
    [](const ::testing::TestParamInfo<FaultCase>& i) { return std::string(i.param.name); });

TEST(ErrorScreen, Picture) {
  // The error screen as the user sees it: one line on a cleared window.
  CairoScreen raster;
  Rig rig("5\r", Rig::DefaultItems(), "00:00:00", &raster);
  rig.shell.topic = [](TestShell& s, int) {
    s.A = 1.0f / s.B;
    s.ClearPromptLine();
    return true;
  };
  EXPECT_EQ(rig.shell.Run(), 3);
  const std::string png = TestOutputPath("shell_error_screen.png");
  ASSERT_TRUE(raster.WritePng(png));
  EXPECT_EQ(raster.PixelAt(100, 100), PaletteRgb(10));  // the menu is gone
  EXPECT_EQ(raster.PixelAt(700, 300), PaletteRgb(10));
  EXPECT_EQ(raster.PixelAt(1359, 764), PaletteRgb(10));
  int ink = 0;
  for (float x = 288; x < 1100; x += 1)
    for (float y = 432; y < 448; y += 1)
      if (raster.PixelAt(x, y) == PaletteRgb(13)) ++ink;
  EXPECT_GT(ink, 200) << "the message in colour 13 at (288, 432); see " << png;
}

TEST(StartUp, ARunAfterAFaultStartsClean) {
  // A second program run in the same process (the replay tool, tests)
  // neither inherits the fault nor its step count.
  Rig first("1\r");
  first.shell.topic = [](TestShell& s, int) {
    s.T(-1) = 0;
    return true;
  };
  EXPECT_EQ(first.shell.Run(), 3);
  Rig second("8\r");
  EXPECT_EQ(second.shell.Run(), 0);
  EXPECT_FALSE(second.shell.lastFault().has_value());
}

}  // namespace
}  // namespace lesson::testing
