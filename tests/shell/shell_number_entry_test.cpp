// The number entry: its key table, the echo in the field, the ten-character
// rule, and the value of the typed text (a/b as a quotient).
#include <gtest/gtest.h>

#include <cmath>

#include "tests/shell/shell_fixture.h"

namespace lesson::testing {
namespace {

// Runs one entry (label, keys, clear) and its parsing.
void Enter(Rig& rig) {
  rig.shell.ReadNumberInput();
  rig.shell.ParseNumberInput();
}

struct EntryCase {
  const char* keys;
  const char* typed;  // AINP_s afterwards
  float value;        // AINP afterwards
  float colour;       // CCC1 afterwards: 5 when a character was echoed
};

class NumberEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(NumberEntry, TypedTextAndValue) {
  const EntryCase& c = GetParam();
  Rig rig(c.keys);
  rig.shell.CCC1 = 7;
  Enter(rig);
  EXPECT_EQ(rig.shell.AINP_s, c.typed);
  EXPECT_EQ(rig.shell.AINP, c.value);
  EXPECT_EQ(rig.shell.CCC1, c.colour);
  EXPECT_EQ(rig.shell.I_s, "\r");
  EXPECT_EQ(rig.rt.keysLeft(), 0u) << "the entry ends on its Enter";
  // The label, the echo and the dot are gone afterwards.
  EXPECT_TRUE(IsBox(rig.ops().back(), 1008, 640, 1248, 670, 15, 15));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NumberEntry,
    ::testing::Values(
        EntryCase{"\r", "", 0, 0},                    // empty entry: value of ""
        EntryCase{"12\r", "12", 12, 5},               //
        EntryCase{"3/2\r", "3/2", 1.5f, 5},           // a fraction gives the quotient
        EntryCase{"/4\r", "/4", 0, 5},                // empty left part
        EntryCase{"1.5\r", "1.5", 1.5f, 5},           //
        EntryCase{"-3\r", "-3", -3, 5},               //
        EntryCase{"2/2\r", "2/2", 1, 5},              //
        EntryCase{"3/\r", "3/", 0, 5},                // no divisor: counts as 0
        EntryCase{"3/0\r", "3/0", 0, 5},              // zero divisor: counts as 0
        EntryCase{"/\r", "/", 0, 5},                  // 0/0: counts as 0
        EntryCase{"123\b\r", "", 0, 5},               // Backspace empties the whole field
        EntryCase{"12\f5\r", "5", 5, 5},              // so does the clearing key
        EntryCase{"ab 7xy\r", "7", 7, 5},             // letters and blanks are dropped
        EntryCase{"ab\r", "", 0, 0},                  //
        EntryCase{"あ+*9\r", "9", 9, 5},              // double-byte and other signs too
        EntryCase{"123456789\r", "123456789", 123456789.0f, 5},  // nine: Enter ends
        EntryCase{"1234567890\r1\r", "1", 1, 5},      // ten: Enter empties, is consumed
        EntryCase{"1234567890x1\r", "1", 1, 5},       // any eleventh key empties
        EntryCase{"123456789012\r", "2", 2, 5}),      // the key after ten is consumed
    [](const ::testing::TestParamInfo<EntryCase>& i) { return "Case" + std::to_string(i.index); });

TEST(NumberEntry, ARightPartWithAFurtherSlashIsReadByTheConversion) {
  Rig rig("1/2/4\r");
  Enter(rig);
  EXPECT_EQ(rig.shell.A_s, "1");
  EXPECT_EQ(rig.shell.B_s, "2/4");
  EXPECT_EQ(rig.shell.N, 2);
  EXPECT_EQ(rig.shell.LEM, 5);
  EXPECT_EQ(rig.shell.AINP, 1.0f / Val("2/4"));
}

TEST(NumberEntry, AZeroDivisorIsNoFault) {
  // The entry itself leaves no arithmetic fault behind for the next step.
  for (const char* keys : {"3/\r", "3/0\r", "/\r", "0/0\r", "3/.\r", "3/-0\r"}) {
    Rig rig(keys);
    Enter(rig);
    EXPECT_EQ(rig.shell.AINP, 0) << keys;
    EXPECT_FALSE(std::signbit(rig.shell.AINP)) << keys;
    EXPECT_NO_THROW(rig.shell.ClearPromptLine()) << keys;
  }
}

// Text ops of the echo, in colour 5.
std::vector<RecordedOp> Echo(const Rig& rig) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : rig.OpsOf("text"))
    if (op.colour == 5) out.push_back(op);
  return out;
}

TEST(NumberEntry, EchoesFullWidthSixteenApart) {
  struct Echoed {
    const char* keys;
    std::vector<std::pair<std::string, float>> cells;  // glyph and x
  };
  const Echoed cases[] = {
      {"12\r", {{"１", 1056}, {"２", 1072}}},
      {"1.5\r", {{"１", 1056}, {"．", 1068}, {"５", 1072}}},  // "." 4 left, no cell
      {".\r", {{"．", 1052}}},
      {"3/2\r", {{"３", 1056}, {"÷", 1072}, {"２", 1088}}},
      {"-7\r", {{"－", 1056}, {"７", 1072}}},
      {"1..2\r", {{"１", 1056}, {"．", 1068}, {"．", 1068}, {"２", 1072}}},
  };
  for (const Echoed& c : cases) {
    Rig rig(c.keys);
    Enter(rig);
    const std::vector<RecordedOp> echo = Echo(rig);
    ASSERT_EQ(echo.size(), c.cells.size()) << c.keys;
    for (size_t i = 0; i < echo.size(); ++i) {
      EXPECT_EQ(echo[i].text, c.cells[i].first) << c.keys << " " << i;
      EXPECT_EQ(echo[i].x, c.cells[i].second) << c.keys << " " << i;
      EXPECT_EQ(echo[i].y, 648) << c.keys;
      EXPECT_EQ(echo[i].m1, 1);
      EXPECT_EQ(echo[i].m2, 1);
      EXPECT_TRUE(echo[i].bold);
    }
  }
}

TEST(NumberEntry, LabelDotAndClearings) {
  Rig rig("123\b4\r");
  Enter(rig);
  const std::vector<RecordedOp> texts = rig.OpsOf("text");
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "入");
  EXPECT_EQ(texts[0].x, 1008);
  EXPECT_EQ(texts[1].text, "力");
  EXPECT_EQ(texts[1].x, 1024);
  EXPECT_EQ(texts[0].y, 648);
  EXPECT_EQ(texts[0].colour, 0);

  // The dot: radius 4 in the middle of the next cell, drawn in 5 and erased
  // in 15 at the same place.
  std::vector<RecordedOp> dots = rig.OpsOf("circle");
  ASSERT_FALSE(dots.empty());
  EXPECT_EQ(dots[0].x, 1064);
  EXPECT_EQ(dots[0].y, 656);
  EXPECT_EQ(dots[0].r, 4);
  EXPECT_TRUE(dots[0].filled);
  EXPECT_EQ(dots[0].fill, 5);
  std::vector<float> drawnAt;
  for (const RecordedOp& d : dots) {
    EXPECT_EQ(d.r, 4);
    EXPECT_TRUE(d.filled);
    EXPECT_EQ(d.colour, d.fill);
    if (d.fill == 5) drawnAt.push_back(d.x);
  }
  // Cells of 1, 2, 3, then back at the start after Backspace, then after 4.
  EXPECT_EQ(drawnAt, (std::vector<float>{1064, 1080, 1096, 1112, 1064, 1080}));
  EXPECT_EQ(CountBoxes(rig.ops(), 1056, 640, 1248, 670, 15, 15), 1);  // the emptying
  EXPECT_EQ(rig.shell.AINP_s, "4");
  EXPECT_EQ(rig.shell.XX, 1072);
  EXPECT_EQ(rig.shell.YY, 648);
}

TEST(NumberEntry, TheDotIsErasedBeforeAnEchoAndOnEnterOnly) {
  // Each dot op as (x, colour): drawn in 5 at the next cell, erased in 15
  // before an accepted key is echoed and on Enter; a dropped key leaves it
  // and draws it again; a "." takes no cell, so the dot stays where it was.
  struct DotCase {
    const char* keys;
    std::vector<std::pair<float, int>> dots;
  };
  const DotCase cases[] = {
      {"\r", {{1064, 5}, {1064, 15}}},
      {"1\r", {{1064, 5}, {1064, 15}, {1080, 5}, {1080, 15}}},
      {"1a\r", {{1064, 5}, {1064, 15}, {1080, 5}, {1080, 5}, {1080, 15}}},
      {"1.\r", {{1064, 5}, {1064, 15}, {1080, 5}, {1080, 15}, {1080, 5}, {1080, 15}}},
      {"1\b\r", {{1064, 5}, {1064, 15}, {1080, 5}, {1064, 5}, {1064, 15}}},
  };
  for (const DotCase& c : cases) {
    Rig rig(c.keys);
    Enter(rig);
    std::vector<std::pair<float, int>> dots;
    for (const RecordedOp& d : rig.OpsOf("circle")) {
      EXPECT_EQ(d.y, 656) << c.keys;
      dots.emplace_back(d.x, d.fill);
    }
    EXPECT_EQ(dots, c.dots) << c.keys;
  }
}

TEST(NumberEntry, EveryEntryStartsEmptyAtTheFieldStart) {
  Rig rig("12\r3\r");
  Enter(rig);
  Enter(rig);
  EXPECT_EQ(rig.shell.AINP_s, "3");
  EXPECT_EQ(rig.shell.AINP, 3);
  const std::vector<RecordedOp> echo = Echo(rig);
  ASSERT_EQ(echo.size(), 3u);
  EXPECT_EQ(echo[2].x, 1056);
}

TEST(NumberEntry, MenuPromptAndItsClearing) {
  Rig rig("5\r");
  rig.shell.PromptMenuNumber();
  rig.shell.ClearMenuPrompt();
  const std::vector<RecordedOp> texts = rig.OpsOf("text");
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].text, "番");
  EXPECT_EQ(texts[0].x, 816);
  EXPECT_EQ(texts[0].y, 648);
  EXPECT_EQ(texts[0].colour, 0);
  EXPECT_EQ(rig.shell.AINP, 5);
  EXPECT_TRUE(IsBox(rig.ops().back(), 816, 640, 1872, 690, 15, 15));
}

TEST(NumberEntry, ClearInputRightAreaAndFlushKeys) {
  Rig rig("");
  rig.shell.ClearInputRightArea();
  EXPECT_EQ(rig.shell.X, 1136);
  EXPECT_EQ(rig.shell.Y, 576);
  EXPECT_TRUE(IsBox(rig.ops().back(), 1136, 576, 2576, 666, 15, 15));

  // FlushKeys drains what is waiting and leaves I_s empty.
  Rig keys("7\r");
  keys.shell.ReadNumberInput();
  keys.shell.FlushKeys();
  EXPECT_EQ(keys.shell.I_s, "");
}

}  // namespace
}  // namespace lesson::testing
