// A bare formula-text engine on a recording screen, for the formula tests:
// it exposes the protected routines and renders the recorded operations as
// short lines that a table of cases can spell out.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "platform/recording_screen.h"
#include "platform/scripted_runtime.h"
#include "shell/formula_text.h"

namespace lesson {

class FormulaProbe : public FormulaText {
 public:
  FormulaProbe(Runtime& rt, bool kasimel) : FormulaText(rt, Config(kasimel)) {}

  using Engine::GetPenWidth;
  using Engine::SetBold;
  using Engine::SetFace;
  using Engine::SetFontSize;
  using Engine::SetItalic;
  using Engine::SetPenWidth;
  using FormulaText::AddFractions;
  using FormulaText::ComputeGcdLcm;
  using FormulaText::DrawColumnCalculation;
  using FormulaText::DrawFraction;
  using FormulaText::DrawGlyphRun;
  using FormulaText::DrawLeftBrace;
  using FormulaText::DrawMathText;
  using FormulaText::DrawPlainRun;
  using FormulaText::DrawPlainText;
  using FormulaText::DrawSmallCaptionBox;
  using FormulaText::DrawSmallText;
  using FormulaText::DrawSmallTwoLineBox;
  using FormulaText::DrawTableCell;
  using FormulaText::DrawTableCellAroundText;
  using FormulaText::DrawTwoLineCell;
  using FormulaText::DropLeadingPlus;
  using FormulaText::DropLeadingSign;
  using FormulaText::FlipSign;
  using FormulaText::MeasureMathText;
  using FormulaText::MeasureSmallText;
  using FormulaText::ParenthesizeNegative;
  using FormulaText::ReduceFraction;
  using FormulaText::SimplifyRoot;
  using FormulaText::StripMarkup;
  using FormulaText::StripSpaces;
  using FormulaText::ToFullWidth;

 private:
  static ProgramConfig Config(bool kasimel) {
    ProgramConfig c;
    c.title = kasimel ? "kasimel" : "orvanti";
    c.parallelogramSign = kasimel;
    return c;
  }
};

// A recording screen, a runtime without keys and a probe over them, with the
// between-routines font (face "ゴシック", 16 points) and the given pen.
struct FormulaBench {
  RecordingScreen screen;
  ScriptedRuntime runtime{screen, {}};
  FormulaProbe probe;

  explicit FormulaBench(bool kasimel = false, int pen = 5) : probe(runtime, kasimel) {
    probe.SetFace("ゴシック");
    probe.SetFontSize(16);
    probe.SetPenWidth(static_cast<float>(pen));
    screen.ClearLog();
  }

  // The ops drawn in sight: the measuring draws below y 1700 and is left out,
  // and so are empty texts, which show nothing.
  std::vector<RecordedOp> Visible() const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : screen.ops()) {
      if (op.op == "text" && (op.y > 1700 || op.text.empty())) continue;
      if (op.op == "line" && op.y1 > 1700) continue;
      if (op.op == "polyline" && !op.points.empty() && op.points[0].y > 1700) continue;
      out.push_back(op);
    }
    return out;
  }
  std::vector<std::string> VisibleLines() const;
};

inline std::string Num(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  return buf;
}

// One op as a line: text "T x,y m1xm2 face size [b][i] c<colour> 'text'",
// line "L x1,y1-x2,y2 p<pen> c<colour>", polyline "P x,y x,y ... p<pen>",
// box "B x1,y1-x2,y2 <border>/<fill>". Faces: G "ゴシック", g "ｺﾞｼｯｸ",
// T "Times New Roman", E "MT Extra".
inline std::string OpLine(const RecordedOp& op) {
  if (op.op == "text") {
    std::string face = op.face == "ゴシック"          ? "G"
                       : op.face == "ｺﾞｼｯｸ"         ? "g"
                       : op.face == "Times New Roman" ? "T"
                       : op.face == "MT Extra"        ? "E"
                                                      : op.face;
    std::string flags = std::string(op.bold ? "b" : "") + (op.italic ? "i" : "");
    return "T " + Num(op.x) + "," + Num(op.y) + " " + Num(op.m1) + "x" + Num(op.m2) + " " + face +
           Num(op.size) + (flags.empty() ? "" : " " + flags) + " c" + std::to_string(op.colour) +
           " '" + op.text + "'";
  }
  if (op.op == "line") {
    return "L " + Num(op.x1) + "," + Num(op.y1) + "-" + Num(op.x2) + "," + Num(op.y2) + " p" +
           std::to_string(op.pen) + " c" + std::to_string(op.colour);
  }
  if (op.op == "polyline") {
    std::string s = "P";
    for (const Point& p : op.points) s += " " + Num(p.x) + "," + Num(p.y);
    return s + " p" + std::to_string(op.pen);
  }
  if (op.op == "box") {
    return "B " + Num(op.x1) + "," + Num(op.y1) + "-" + Num(op.x2) + "," + Num(op.y2) + " " +
           std::to_string(op.border) + "/" + std::to_string(op.fill);
  }
  return op.op;
}

inline std::vector<std::string> FormulaBench::VisibleLines() const {
  std::vector<std::string> out;
  for (const RecordedOp& op : Visible()) out.push_back(OpLine(op));
  return out;
}

}  // namespace lesson
