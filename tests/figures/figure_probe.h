// A bare figure library on a recording screen: exposes the protected
// routines and the drawing settings to the figure tests.
#pragma once
#include <string>
#include <vector>

#include "figures/figures.h"
#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"

namespace lesson {

class FigureProbe : public Figures {
 public:
  explicit FigureProbe(Runtime& rt) : Figures(rt, ProgramConfig{"kasimel", true}) {}

  using Engine::DrawLine;
  using Engine::FillPolygon;
  using Engine::GetPenWidth;
  using Engine::SetBold;
  using Engine::SetFace;
  using Engine::SetFontSize;
  using Engine::SetItalic;
  using Engine::SetPenWidth;
  using Figures::ComputeAngleArc;
  using Figures::ComputePointAngle;
  using Figures::ComputePointOnLine;
  using Figures::DrawAngleArc;
  using Figures::DrawArrow;
  using Figures::DrawCoordinatePlane;
  using Figures::DrawDecimalTickLabels;
  using Figures::DrawDimensionArc;
  using Figures::DrawEqualTicks;
  using Figures::DrawLadderDivision;
  using Figures::DrawParallelMarks;
  using Figures::DrawPolygon;
  using Figures::DrawRightAngleMark;
  using Figures::FactorizePrimes;
  using Figures::FormatAngleDegrees;
  using Figures::IntersectLines;
  using Figures::ListDivisorPairs;
  using Figures::MarkPerpendicularFoot;
  using Figures::PlaceAngleLabel;
  using Figures::PlotFunctionGraph;
  using Figures::PlotLabeledPoint;
  using Figures::RotatePoint;
  using Figures::SetUpGridFrame;
  using FormulaText::MeasureMathText;

 protected:
  std::vector<std::string> MainMenuItems() override { return {"1　終了"}; }
  bool OpenTopic(int) override { return false; }
};

// A recording screen (optionally over a raster), a runtime with the given
// keys and a probe over them, set to the between-routines font (face
// "ゴシック", 16 points) and the given pen width.
struct FigureBench {
  RecordingScreen screen;
  ScriptedRuntime runtime;
  FigureProbe f;

  explicit FigureBench(int pen = 5, std::vector<std::string> keys = {},
                       Screen* raster = nullptr)
      : screen(raster), runtime(screen, std::move(keys)), f(runtime) {
    f.SetFace("ゴシック");
    f.SetFontSize(16);
    f.SetPenWidth(static_cast<float>(pen));
    screen.ClearLog();
  }

  // The drawing ops of one kind, leaving out what the text measuring draws
  // below the visible area.
  std::vector<RecordedOp> Ops(const std::string& kind) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : screen.ops()) {
      if (op.op != kind) continue;
      if (op.op == "text" && op.y > 1700) continue;
      out.push_back(op);
    }
    return out;
  }
  // The visible texts, concatenated in drawing order.
  std::string Texts() const {
    std::string all;
    for (const RecordedOp& op : Ops("text")) all += op.text;
    return all;
  }
};

}  // namespace lesson
