// velmora: applying y=ax^2. Main menu and six topics.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "figures/figures.h"

namespace lesson {

class Velmora : public Figures {
 public:
  explicit Velmora(Runtime& rt);

 protected:
  std::vector<std::string> MainMenuItems() override;
  bool OpenTopic(int item) override;

  // ---- topic entries (items 1 to 6 of the main menu; item 7 has none) ----
  // Each runs its goal banner and sub-menu and returns on the sub-menu's
  // last item. Add a topic to OpenTopic when its entry is built.
  void BrakingFallMenu();   // 1 braking marks and falling bodies
  void GraphUseMenu();      // 2 using graphs
  void CutPaperMenu();      // 3 cut paper
  void DeliveryFeeMenu();   // 4 delivery fees
  void ChapterAMenu();      // 5 chapter problems A
  void ChapterBMenu();      // 6 chapter problems B

  // ---- value labels of a plane whose grid steps stand for several units ----
  // Every fifth grid line of the plane (AA1..AA2, BB1..BB2 in grid steps,
  // origin GX0, GY0, SIZE, SIZE1) labelled with step times BAIX or BAIY in
  // small text; the origin is left to the plane. Changes none of its inputs.
  void DrawScaledTickLabels();
  // P1_s: the label of the value P1 ("0.5", "-50"); P2 = |P1|, P2_s its text.
  void ScaledTickLabelText();

  // ---- scenes and helpers of topic 1 ----
  // the car, seen from above: outline in T(), F() and X(), Y() 1..15 on a
  // frame of 11 by 6 cells of 20 at GGX, GGY; each drawing ends at pen 2
  void SetUpCarShape();
  void DrawCar();
  void DrawSpeedLines();
  void DrawSkidSqueal();
  // the table of speeds and braking marks at X(0), Y(0): leaves its column
  // edges in X(1..7), its row lines in Y(1..3), YI1 = Y(1) and pen 5
  void DrawBrakingTable();
  // the scenes of the sub-menu, items 1 to 7
  void BrakingMarkIntroScene();
  void AnimateBraking();
  // the "！" over the braking car's front part
  void DrawBrakeMark();
  void BrakingTableScene();
  // arc n (1..8) of the ratios on the braking table, with or without its label
  void DrawBrakingRatioArc(int n, bool labelled);
  // a cell of the table's open column at (X(6), y), haba wide, border 3
  void DrawOpenColumnCell(float y, float haba, float colour, float fill, const std::string& text);
  // clear, margins, pen 5 and the heading "走行していた速さは?" with the way
  // of the scene `gap` further on the line
  void OpenSpeedQuestion(float xi0, float xi1, float yi1, float gap, const std::string& way);
  void BrakingGraphScene();
  void BrakingFormulaScene();
  void RainBrakingScene();
  void FallingBodyScene();
  void AnimateFallingBall();
  void DrawFallStrobe();
  void FallingBodyAnswerScene();

  // ---- scenes and helpers of topics 2 to 4 ----
  // topic 2: using graphs
  void TrainCatchUpScene();
  void BicycleCatchUpScene();
  void FindCoefficientScene();
  void ParabolaLineAreaScene();
  // the plane of the catch-up scenes, drawn at baix, baiy over 0..aa2 by
  // 0..bb2 and labelled at 10 and 50 a step
  void DrawCatchUpPlane(float baix, float baiy, float aa2, float bb2);
  // a vehicle's table of times with its y row empty, x row at `top`; xj, yj
  // take the corner of the first y cell
  void DrawCatchUpTable(float top, float& xj, float& yj);
  // a graph of kind `kind` (2: a*x^2, 3: a*x) on the catch-up plane
  void PlotCatchUpGraph(float kind, float a, float colour, const std::string& label);
  // the axes-only plane of the intersection figures at (836, 50), 30 a step
  void DrawFigurePlane(float aa1, float aa2, float bb1, float bb2);
  // a figure point of radius 6 in colour 3 with its label offset by dx, dy
  void PlotFigurePoint(float x, float y, const std::string& label, float dx, float dy);
  // a dotted drop from (x, y) to the x axis, a dot every `degrees`
  void DrawDottedDrop(float x, float y, float degrees);
  // topic 3: cut paper
  void SheetCountScene();
  void SheetGraphScene();
  void PaperThicknessScene();
  // `count` value cells of a table row from X, Y, colours textColour, 7,
  // fill, each `width` wide but the last `lastWidth`, showing T$(first) on
  // (empty cells when first is 0); the cursor follows each cell
  void ValueCellsStatement(float count, float width, float lastWidth, float first,
                           float textColour, float fill);
  // a block of two rows from the indented margin XI1: the x row dy below the
  // cursor's line (values T$(first) on) and the y row 50 below that (empty
  // cells); xj, yj take the corner of its first y cell
  void TableBlockStatement(float dy, float headerWidth, const std::string& xHeader,
                           const std::string& yHeader, float count, float width,
                           float lastWidth, float first, float& xj, float& yj);
  // the y row's cells from (x, y) filled one per key: F$(first) on in
  // colour 3 on fill 13, the cursor following
  void RevealCells(float x, float y, float count, float width, float lastWidth, float first);
  // topic 4: delivery fees
  void DeliveryExampleScene();
  void DeliveryExerciseScene();
  // company A's bands (k = 1..7) in T(k), F(k); company B's likewise
  void SetFeeTableA();
  void SetFeeTableB();
  // the cell texts of the fee table: "cmまで" and "円" after the numbers
  void FormatFeeTexts();
  // the fee table of `rows` bands with its header row at y `top`
  void DrawFeeTable(float top, float rows);
  // the plane of the fee graphs, 20 cm and 300 yen a step, with its labels
  void DrawFeePlane();
  // one band from a to b cm at f yen: open ring, filled disc, segment
  void DrawFeeStep(float a, float b, float f);
  // band k of the table in T(), F() as a step
  void DrawFeeBand(float k);

  // ---- scenes and helpers of topics 5 and 6 ----
  // The header of a chapter problem at the text cursor (XI1, YI1): the page
  // cell pageWidth by 48 (border 3, fill 13) and, 44 after it, the 44 by 44
  // problem-number cell (text 13, border 4, fill 3); the cursor follows both.
  void DrawChapterHeader(float pageWidth, const std::string& page, const std::string& number);
  // Question (2) of a rate-of-change problem for y = ax^2: the values at
  // x = 3 ("9a") and at a second x, the rate of change, then a solved from
  // it to the right of the working, from XJ1, YJ1 (96 after "9a").
  void SolveRateForCoefficient(const std::string& second, const std::string& secondValue,
                               const std::string& rate, const std::string& rateValue,
                               const std::string& equation, const std::string& solving,
                               const std::string& answer);
  // topic 5: chapter problems A
  void GraphFeaturesScene();
  void CoefficientFromPointScene();
  void RateOfChangeScene();
  void RangeOfYScene();
  void MovingPointTriangleScene();
  // topic 6: chapter problems B
  void CoefficientFromRateScene();
  void ParabolaTriangleScene();
  void SlidingOverlapScene();
  // the sliding figure: trapezoid ABCD at offset PP over rectangle EFGH
  void DrawSlidingFigure();
  void AnimateSlidingFigure();
  void MoveTrapezoid();  // points 1 to 4 to offset PP, point 11 from CD x EF
  // One case of the overlap: the figure's area cleared down to clearBelow
  // under the frame, the figure at offset pp and the mark "xcm" under FC.
  void ShowOverlapCase(float pp, float clearBelow);
  // DrawDimensionArc from figure point `from` to `to` (entries of X(), Y());
  // the caller sets HOUKOU, HABA, TAKASA, CCC2, AAA_s and CCC1 first.
  void DrawArcBetweenPoints(float from, float to);
};

std::unique_ptr<Shell> MakeVelmora(Runtime& rt);

}  // namespace lesson
