// Key waits and the prompt strip: boxes, texts, clearings, and what each
// routine puts back (colour, pen width) or leaves for its caller.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/cairo_screen.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/harness.h"
#include "tests/support/log_queries.h"

namespace lesson::testing {
namespace {

std::vector<RecordedOp> Texts(const std::vector<RecordedOp>& ops) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.op == "text") out.push_back(op);
  return out;
}

TEST(WaitAnyKey, AnyKeyEndsItAndIsLeftInI) {
  for (const char* key : {"\r", "\b", "\f", "a", "1", " ", "あ"}) {
    Rig rig(key);
    rig.shell.WaitAnyKey();
    EXPECT_EQ(rig.shell.I_s, key);
    EXPECT_EQ(rig.rt.keysLeft(), 0u);
  }
}

TEST(WaitAnyKey, DrawsItsBoxAndPutsColourAndPenBack) {
  Rig rig("x");
  rig.shell.CCC1 = 3;
  rig.shell.SetPenWidth(5);
  rig.shell.WaitAnyKey();
  EXPECT_EQ(rig.shell.CCC1, 3);
  EXPECT_EQ(rig.shell.CCC0, 3);
  EXPECT_EQ(rig.shell.GetPenWidth(), 5);
  EXPECT_EQ(rig.shell.DR, 5);
  EXPECT_EQ(rig.shell.X, 320);
  EXPECT_EQ(rig.shell.Y, 666);
  EXPECT_EQ(rig.shell.AA_s, "");

  const std::vector<RecordedOp>& ops = rig.ops();
  ASSERT_TRUE(IsBox(ops[0], 96, 657, 400, 693, 13, 4));
  EXPECT_EQ(ops[0].pen, 3);
  const std::vector<RecordedOp> texts = Texts(ops);
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0].text, "何");
  EXPECT_EQ(texts[0].x, 128);
  EXPECT_EQ(texts[0].y, 666);
  EXPECT_EQ(texts[0].colour, 9);
  EXPECT_EQ(texts[11].x, 128 + 11 * 16);
  EXPECT_TRUE(IsBox(ops.back(), 0, 657, 400, 693, 15, 15));
  // A scene's text at y 660 right of x 400 is outside that clearing.
  EXPECT_LE(ops.back().x2, 400);

  // The next text of the scene is drawn in colour 3 again.
  rig.shell.DrawText(10, 10, 1, 1, rig.shell.CCC1, "a");
  EXPECT_EQ(rig.ops().back().colour, 3);
  EXPECT_EQ(rig.ops().back().pen, 5);
}

TEST(WaitKeyWithMessage, WiderBoxCallerTextWholeBandCleared) {
  for (const char* key : {"1", "\r", "q"}) {
    Rig rig(key);
    rig.shell.CCC1 = 7;
    rig.shell.SetPenWidth(4);
    rig.shell.AA_s = "1で次へ:他のキーで動く";
    rig.shell.WaitKeyWithMessage();
    EXPECT_EQ(rig.shell.I_s, key);
    EXPECT_EQ(rig.shell.AA_s, "");
    EXPECT_EQ(rig.shell.CCC1, 7);
    EXPECT_EQ(rig.shell.GetPenWidth(), 4);
    EXPECT_EQ(rig.shell.Y, 666);
    const std::vector<RecordedOp>& ops = rig.ops();
    ASSERT_TRUE(IsBox(ops[0], 16, 657, 496, 693, 13, 4));
    EXPECT_EQ(ops[0].pen, 3);
    const std::vector<RecordedOp> texts = Texts(ops);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].x, 48);
    EXPECT_EQ(texts[0].y, 666);
    EXPECT_EQ(texts[0].colour, 9);
    EXPECT_EQ(rig.shell.X, 48 + 16 * static_cast<float>(texts.size()));
    EXPECT_TRUE(IsBox(ops.back(), 0, 657, 992, 720, 15, 15));
  }
}

struct NextStepCase {
  const char* keys;
  float value;
  float colour;
};

TEST(PromptNextStep, ReadsANumberAndClearsItsBox) {
  const NextStepCase cases[] = {
      {"1\r", 1, 5}, {"1.0\r", 1, 5}, {"2/2\r", 1, 5}, {"01\r", 1, 5},
      {"\r", 0, 0},  {"2\r", 2, 5},   {"3/0\r", 0, 5},
  };
  for (const NextStepCase& c : cases) {
    Rig rig(c.keys);
    rig.shell.SetPenWidth(5);
    rig.shell.PromptNextStep();
    EXPECT_EQ(rig.shell.AINP, c.value) << c.keys;
    EXPECT_EQ(rig.shell.CCC1, c.colour) << c.keys;
    EXPECT_EQ(rig.shell.GetPenWidth(), 5) << c.keys;
    const std::vector<RecordedOp>& ops = rig.ops();
    ASSERT_TRUE(IsBox(ops[0], 96, 639, 400, 675, 13, 12)) << c.keys;
    EXPECT_EQ(ops[0].pen, 2);
    const std::vector<RecordedOp> texts = Texts(ops);
    EXPECT_EQ(texts[0].text, "次");
    EXPECT_EQ(texts[0].x, 128);
    EXPECT_EQ(texts[0].y, 648);
    EXPECT_EQ(texts[0].colour, 9);
    // The entry's own clear, then the strip above it, then the box.
    const size_t n = ops.size();
    ASSERT_GE(n, 3u);
    EXPECT_TRUE(IsBox(ops[n - 3], 1008, 640, 1248, 670, 15, 15));
    EXPECT_TRUE(IsBox(ops[n - 2], 1008, 639, 1168, 666, 15, 15));
    EXPECT_TRUE(IsBox(ops[n - 1], 96, 639, 400, 675, 15, 15));
    EXPECT_EQ(ops[n - 1].pen, 2);
  }
}

TEST(PromptSubMenuChoice, OptionLineStaysUntilClearPromptLine) {
  Rig rig("2\r");
  rig.shell.AA_s = " ①表式,変化の様子　②グラフ　③ジェットコースター　④終了";
  rig.shell.PromptSubMenuChoice();
  EXPECT_EQ(rig.shell.AINP, 2);
  EXPECT_EQ(rig.shell.AA_s, "");
  EXPECT_EQ(rig.shell.CCC1, 5);
  const std::vector<RecordedOp> texts = Texts(rig.ops());
  // The leading half-width blank takes a 16-unit step: "①" stands at 32.
  const auto first = std::find_if(texts.begin(), texts.end(),
                                  [](const RecordedOp& t) { return t.text == "①"; });
  ASSERT_NE(first, texts.end());
  EXPECT_EQ(first->x, 32);
  EXPECT_EQ(first->y, 666);
  EXPECT_EQ(first->colour, 0);
  // The option line is not cleared by the prompt.
  for (const RecordedOp& op : rig.ops())
    EXPECT_FALSE(op.op == "box" && op.y1 <= 666 && op.y2 >= 690 && op.x1 <= 32);

  rig.shell.ClearPromptLine();
  EXPECT_TRUE(IsBox(rig.ops().back(), 0, 657, 992, 720, 15, 15));
}

// The scene's own variables that every routine of the prompt strip leaves
// alone: loop counters, the text cursor and the kept positions, the cell
// and colour settings, the plane state and the arrays. Scenes wait inside
// loops over II and IJ and go on from the kept positions after a wait.
struct KeptNumber {
  const char* name;
  float Vars::*var;
};

const KeptNumber kKeptNumbers[] = {
    {"II", &Vars::II},       {"IJ", &Vars::IJ},     {"XI0", &Vars::XI0},   {"XI1", &Vars::XI1},
    {"XI2", &Vars::XI2},     {"YI1", &Vars::YI1},   {"XJ1", &Vars::XJ1},   {"XJ2", &Vars::XJ2},
    {"XJ3", &Vars::XJ3},     {"YJ1", &Vars::YJ1},   {"YJ2", &Vars::YJ2},   {"YJ3", &Vars::YJ3},
    {"CCC2", &Vars::CCC2},   {"CCC3", &Vars::CCC3}, {"HABA", &Vars::HABA}, {"TATE", &Vars::TATE},
    {"PP", &Vars::PP},       {"GGX", &Vars::GGX},   {"GGY", &Vars::GGY},   {"SIZE", &Vars::SIZE},
    {"SIZE1", &Vars::SIZE1}, {"BAIX", &Vars::BAIX}, {"BAIY", &Vars::BAIY}, {"GX0", &Vars::GX0},
    {"GY0", &Vars::GY0},     {"GX1", &Vars::GX1},   {"GY1", &Vars::GY1},   {"GX2", &Vars::GX2},
    {"GY2", &Vars::GY2},     {"AA1", &Vars::AA1},   {"AA2", &Vars::AA2},   {"BB1", &Vars::BB1},
    {"BB2", &Vars::BB2},     {"YK2", &Vars::YK2},   {"KAIX", &Vars::KAIX}, {"KAIY", &Vars::KAIY},
};

struct StripRoutine {
  const char* name;
  const char* keys;
  std::function<void(TestShell&)> run;
};

TEST(PromptStrip, LeavesTheSceneVariablesAlone) {
  const StripRoutine routines[] = {
      {"WaitAnyKey", "x", [](TestShell& s) { s.WaitAnyKey(); }},
      {"WaitKeyWithMessage", "1",
       [](TestShell& s) {
         s.AA_s = "1で次へ:他のキーで動く";
         s.WaitKeyWithMessage();
       }},
      {"PromptNextStep", "1.5/2\r", [](TestShell& s) { s.PromptNextStep(); }},
      {"PromptSubMenuChoice", "12\b3\r",
       [](TestShell& s) {
         s.AA_s = "①一　②二　③終了";
         s.PromptSubMenuChoice();
       }},
      {"ClearPromptLine", "", [](TestShell& s) { s.ClearPromptLine(); }},
  };
  for (const StripRoutine& r : routines) {
    Rig rig(r.keys);
    TestShell& s = rig.shell;
    float v = 1.25f;
    for (const KeptNumber& k : kKeptNumbers) s.*k.var = (v += 7);
    s.T(1) = 2.5f;
    s.T(80) = -3;
    s.F(40) = 4;
    s.T_s(1) = "2.5";
    s.F_s(40) = "4";
    s.U(3) = 300;
    s.V(3) = 310;
    s.Xa(5) = 500;
    s.Ya(5) = 510;
    s.Xa_s(2) = "A";
    s.Ra(1) = 9;
    s.G(2, 1) = 120;
    r.run(s);
    v = 1.25f;
    for (const KeptNumber& k : kKeptNumbers) EXPECT_EQ(s.*k.var, v += 7) << r.name << " " << k.name;
    EXPECT_EQ(s.T(1), 2.5f) << r.name;
    EXPECT_EQ(s.T(80), -3) << r.name;
    EXPECT_EQ(s.F(40), 4) << r.name;
    EXPECT_EQ(s.T_s(1), "2.5") << r.name;
    EXPECT_EQ(s.F_s(40), "4") << r.name;
    EXPECT_EQ(s.U(3), 300) << r.name;
    EXPECT_EQ(s.V(3), 310) << r.name;
    EXPECT_EQ(s.Xa(5), 500) << r.name;
    EXPECT_EQ(s.Ya(5), 510) << r.name;
    EXPECT_EQ(s.Xa_s(2), "A") << r.name;
    EXPECT_EQ(s.Ra(1), 9) << r.name;
    EXPECT_EQ(s.G(2, 1), 120) << r.name;
    EXPECT_EQ(rig.rt.keysLeft(), 0u) << r.name;
  }
}

TEST(PromptStrip, Pictures) {
  // Each box as the user sees it while the program waits: the text inside
  // its box, nothing beside it, and the number field right of the box.
  // The PNGs are written into the build tree to be looked at.
  struct Shot {
    const char* name;
    const char* keys;  // the picture is taken before the last key
    std::function<void(TestShell&)> run;
    float boxX1, boxX2, boxY1, boxY2;  // the box, border included
    float textX1, textX2;              // where its text's ink lies
  };
  const Shot shots[] = {
      {"wait_any_key", "x", [](TestShell& s) { s.WaitAnyKey(); }, 96, 400, 657, 693, 128, 320},
      {"wait_key_with_message", "1",
       [](TestShell& s) {
         s.AA_s = "1で次へ:他のキーで動く";
         s.WaitKeyWithMessage();
       },
       16, 496, 657, 693, 48, 48 + 13 * 16},
      {"prompt_next_step", "123456789\r", [](TestShell& s) { s.PromptNextStep(); }, 96, 400, 639,
       675, 128, 320},
  };
  for (const Shot& shot : shots) {
    CairoScreen raster;
    Rig rig(shot.keys, Rig::DefaultItems(), "00:00:00", &raster);
    rig.shell.SetPenWidth(5);
    size_t waits = 0;
    const size_t last = ScriptedRuntime::ParseKeys(shot.keys).size();
    const std::string png = TestOutputPath(std::string("shell_") + shot.name + ".png");
    int beside = -1, inside = -1, field = -1, pastField = -1;
    rig.rt.onKeyWait = [&] {
      if (++waits != last) return;
      ASSERT_TRUE(raster.WritePng(png));
      // Nothing right of the box in its band but the number field.
      beside = OffColour(raster, shot.boxX2 + 3, 1000, shot.boxY1 - 2, shot.boxY2 + 2, 15);
      inside = OffColour(raster, shot.textX1, shot.textX2, shot.boxY1 + 4, shot.boxY2 - 4,
                         static_cast<int>(shot.boxY1 == 639 ? 12 : 4));
      field = OffColour(raster, 1056, 1216, 644, 668, 15);
      pastField = OffColour(raster, 1250, 1360, 630, 700, 15);
    };
    shot.run(rig.shell);
    EXPECT_EQ(beside, 0) << shot.name << ", see " << png;
    EXPECT_GT(inside, 100) << "the text stands in its box; see " << png;
    EXPECT_EQ(pastField, 0) << shot.name << ", see " << png;
    if (shot.boxY1 == 639) {
      EXPECT_GT(field, 200) << "nine digits echoed; see " << png;
    }
    // The box is gone afterwards, and the pen width is the scene's again.
    EXPECT_EQ(OffColour(raster, shot.boxX1, shot.boxX2, shot.boxY1, shot.boxY2, 15), 0)
        << shot.name;
    EXPECT_EQ(rig.shell.GetPenWidth(), 5) << shot.name;
  }
}

}  // namespace
}  // namespace lesson::testing
