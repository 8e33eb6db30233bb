// What velmora's scenes rely on the engine's routines leaving alone: each
// routine runs with sentinels in the variables its caller keeps across the
// call (loop counters, text cursor, kept positions, plane state, arrays),
// and every sentinel must survive.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lessons/velmora/velmora.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"

namespace lesson {
namespace {

class ServiceProbe : public Velmora {
 public:
  using Velmora::Velmora;
  using Engine::GetPenWidth;
  using Engine::SetFace;
  using Engine::SetFontSize;
  using Engine::SetPenWidth;
  using Figures::DrawArrow;
  using Figures::DrawCoordinatePlane;
  using Figures::DrawDimensionArc;
  using Figures::DrawRightAngleMark;
  using Figures::IntersectLines;
  using Figures::PlotFunctionGraph;
  using Figures::PlotLabeledPoint;
  using Figures::SetUpGridFrame;
  using FormulaText::DrawMathText;
  using FormulaText::DrawSmallText;
  using FormulaText::DrawTableCell;
  using FormulaText::MeasureSmallText;
  using Shell::FormatTableValues;
  using Shell::PromptNextStep;
  using Shell::ShowTopicGoal;
};

struct Kept {
  const char* name;
  float Vars::*var;
};

#define KEPT(v) Kept{#v, &Vars::v}
// Kept by every routine: the text cursor and the sliding figure's PP.
const std::vector<Kept> kCursor = {KEPT(XI0), KEPT(XI1), KEPT(XI2), KEPT(YI1), KEPT(PP)};
const std::vector<Kept> kPlane = {KEPT(GGX), KEPT(GGY), KEPT(SIZE), KEPT(SIZE1), KEPT(BAIX),
                                  KEPT(BAIY), KEPT(GX0), KEPT(GY0), KEPT(GX1),  KEPT(GY1),
                                  KEPT(GX2), KEPT(GY2), KEPT(AA1), KEPT(AA2),   KEPT(BB1),
                                  KEPT(BB2)};
const std::vector<Kept> kKeptRows = {KEPT(XJ1), KEPT(XJ2), KEPT(XJ3), KEPT(YJ1), KEPT(YJ2),
                                     KEPT(YJ3)};

struct Service {
  const char* name;
  const char* keys;
  std::vector<Kept> kept;  // besides the cursor and the arrays
  std::function<void(ServiceProbe&)> setUp;
  std::function<void(ServiceProbe&)> run;
  bool keepsPen = true;
};

std::vector<Kept> Join(std::initializer_list<std::vector<Kept>> parts) {
  std::vector<Kept> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

void SetPlane(ServiceProbe& v) {
  v.GGX = 100, v.GGY = 50, v.SIZE = 20, v.BAIX = 1, v.BAIY = 1;
  v.AA1 = -5, v.AA2 = 5, v.BB1 = -5, v.BB2 = 5, v.CCC2 = 10, v.NASI = 0;
  v.GX0 = 200, v.GY0 = 150, v.GX1 = 100, v.GY1 = 50, v.GX2 = 300, v.GY2 = 250, v.SIZE1 = 26;
}

TEST(EngineServices, LeaveWhatTheScenesKeep) {
  const std::vector<Service> services = {
      {"DrawMathText", "", Join({{KEPT(II), KEPT(IJ), KEPT(HABA), KEPT(TATE)}, kKeptRows, kPlane}),
       [](ServiceProbe& v) { v.X = 40, v.Y = 30, v.CCC1 = 0, v.AA_s = "y=ﾀ1/4ﾀx^2 !50ﾝ倍"; },
       [](ServiceProbe& v) { v.DrawMathText(); }},
      {"DrawTableCell", "",
       {KEPT(II), KEPT(CCC1), KEPT(CCC2), KEPT(CCC3), KEPT(HABA), KEPT(TATE)},
       [](ServiceProbe& v) {
         v.X = 40, v.Y = 30, v.HABA = 90, v.TATE = 50, v.CCC1 = 5, v.CCC2 = 3, v.CCC3 = 13;
         v.A_s = "70.71";
       },
       [](ServiceProbe& v) { v.DrawTableCell(); }},
      {"FormatTableValues", "", {KEPT(II)}, [](ServiceProbe&) {},
       [](ServiceProbe& v) { v.FormatTableValues(); }},
      {"DrawSmallText", "", {KEPT(II)},
       [](ServiceProbe& v) { v.X = 40, v.Y = 30, v.CCC1 = 0, v.AA_s = "-0.5"; },
       [](ServiceProbe& v) { v.DrawSmallText(); }},
      {"MeasureSmallText", "", {KEPT(II), KEPT(X), KEPT(Y)},
       [](ServiceProbe& v) { v.A_s = "1000"; }, [](ServiceProbe& v) { v.MeasureSmallText(); }},
      {"PromptNextStep", "2/2\r",
       Join({{KEPT(II), KEPT(IJ), KEPT(HABA), KEPT(TATE)}, kKeptRows, kPlane}),
       [](ServiceProbe&) {}, [](ServiceProbe& v) { v.PromptNextStep(); }},
      {"DrawCoordinatePlane", "", {KEPT(GGX), KEPT(GGY), KEPT(SIZE), KEPT(BAIX), KEPT(BAIY)},
       SetPlane, [](ServiceProbe& v) { v.DrawCoordinatePlane(); }},
      {"PlotLabeledPoint", "", {KEPT(BAIX), KEPT(BAIY), KEPT(II), KEPT(GX0), KEPT(GY0)},
       [](ServiceProbe& v) {
         SetPlane(v);
         v.XG = 2, v.YG = 3, v.R = 6, v.CCC3 = 3, v.AAA_s = "A";
       },
       [](ServiceProbe& v) { v.PlotLabeledPoint(); }},
      {"PlotFunctionGraph", "", {KEPT(AA1), KEPT(AA2)},
       [](ServiceProbe& v) {
         SetPlane(v);
         v.IROIRO = 2, v.AA = 0.5f, v.CCC3 = 3, v.AAA_s = "y=ax^2";
       },
       [](ServiceProbe& v) { v.PlotFunctionGraph(); }},
      {"DrawArrow", "", {},
       [](ServiceProbe& v) {
         v.ZX0 = 10, v.ZY0 = 10, v.ZX = 200, v.ZY = 10, v.MUKI = -1, v.YA = 2, v.CCC2 = 5;
         v.NAGASA = 16;
       },
       [](ServiceProbe& v) { v.DrawArrow(); }},
      {"DrawDimensionArc", "", {KEPT(HABA)},
       [](ServiceProbe& v) {
         v.ZX0 = 75, v.ZY0 = 150, v.ZX1 = 165, v.ZY1 = 150, v.HOUKOU = -1, v.TAKASA = -10;
         v.HABA = 9, v.CCC2 = 3, v.CCC1 = 3, v.AAA_s = "2倍", v.AAAX = -40, v.AAAY = -10;
       },
       [](ServiceProbe& v) { v.DrawDimensionArc(); }},
      {"DrawRightAngleMark", "", {},
       [](ServiceProbe& v) {
         v.ZX0 = 100, v.ZY0 = 100, v.ZX1 = 200, v.ZY1 = 100, v.ZX2 = 100, v.ZY2 = 0;
         v.NAGASA = 20, v.CCC2 = 0;
       },
       [](ServiceProbe& v) { v.DrawRightAngleMark(); }},
      {"SetUpGridFrame", "", {KEPT(GGX), KEPT(GGY), KEPT(SIZE), KEPT(BAIX), KEPT(BAIY)},
       [](ServiceProbe& v) { v.GGX = 30, v.GGY = 450, v.SIZE = 20, v.YOKO = 11, v.TATE = 6, v.CCC2 = 15; },
       [](ServiceProbe& v) { v.SetUpGridFrame(); }},
      {"IntersectLines", "",
       Join({{KEPT(II), KEPT(IJ), KEPT(HABA), KEPT(TATE), KEPT(A), KEPT(B), KEPT(C), KEPT(D),
              KEPT(M), KEPT(N), KEPT(X), KEPT(Y)},
             kKeptRows, kPlane}),
       [](ServiceProbe& v) {
         v.AX = 0, v.AY = 0, v.BX = 100, v.BY = 100, v.CX = 0, v.CY = 100, v.DX = 100, v.DY = 0;
       },
       [](ServiceProbe& v) { v.IntersectLines(); }},
  };
  for (const Service& s : services) {
    SCOPED_TRACE(s.name);
    RecordingScreen screen;
    ScriptedRuntime rt(screen, ScriptedRuntime::ParseKeys(s.keys));
    ServiceProbe v(rt);
    v.KAIX = 1056, v.KAIY = 648;
    v.SetFace("ゴシック");
    v.SetFontSize(16);
    v.SetPenWidth(5);
    const std::vector<Kept> kept = Join({kCursor, s.kept});
    // Sentinels first, then the routine's own inputs over them.
    float value = 3.25f;
    for (const Kept& k : kept) v.*k.var = (value += 11);
    for (int i = 0; i <= 40; ++i) {
      v.Xa(i) = 1000.5f + i, v.Ya(i) = 2000.5f + i, v.F(i) = 3000.5f + i;
      v.U(i) = 4000.5f + i, v.V(i) = 5000.5f + i;
    }
    for (int i = 0; i <= 80; ++i) v.T(i) = 6000.5f + i;
    s.setUp(v);
    std::vector<float> before;
    for (const Kept& k : kept) before.push_back(v.*k.var);
    s.run(v);
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(v.*kept[i].var, before[i]) << kept[i].name;
    for (int i = 0; i <= 40; ++i) {
      EXPECT_EQ(v.Xa(i), 1000.5f + i) << "X(" << i << ")";
      EXPECT_EQ(v.Ya(i), 2000.5f + i) << "Y(" << i << ")";
      EXPECT_EQ(v.F(i), 3000.5f + i) << "F(" << i << ")";
      EXPECT_EQ(v.U(i), 4000.5f + i) << "U(" << i << ")";
      EXPECT_EQ(v.V(i), 5000.5f + i) << "V(" << i << ")";
    }
    for (int i = 0; i <= 80; ++i) EXPECT_EQ(v.T(i), 6000.5f + i) << "T(" << i << ")";
    if (s.keepsPen) {
      EXPECT_EQ(v.GetPenWidth(), 5);
    }
  }
}

}  // namespace
}  // namespace lesson
