// Topic 6 of orvanti: the worked answers to the basic problems of textbook
// page 113. No goal banner; the sub-menu's items follow the problem numbers
// of their marks: items 1 and 2 hold problems 1, 2 and 3, items 3 to 5
// problems 4 to 6.
#include "lessons/orvanti/orvanti.h"

namespace lesson {

void Orvanti::BasicsMenu() {
  RunSubMenu("P113(関数　基本の問題)　①1,2　②3　③4　④5　⑤６　 ⑥終了", 6, [&](int k) {
    switch (k) {
      case 1: BasicsProblems12Scene(); break;
      case 2: BasicsProblem3Scene(); break;
      case 3: BasicsProblem4Scene(); break;
      case 4: BasicsProblem5Scene(); break;
      case 5: BasicsProblem6Scene(); break;
      default: break;
    }
  });
}

void Orvanti::BasicsTitleCell() {
  XI1 = 72; YI1 = 30;
  PageTitleCell(456, "P113(関数　基本の問題)");
}

// Problem 1: the volume of a cylinder of height 3, y = 3πx^2. Problem 2:
// y=ax^2 through (3, 18), then its value at x=-2. The cell borders take
// the width the last drawing left.
void Orvanti::BasicsProblems12Scene() {
  DrawBox(0, 0, 1760, 1800, 15);
  BasicsTitleCell();
  WaitAnyKey();

  ProblemNumberCell(XI1 - 36, YI1 + 60, "1");
  TextStatement(5, XI2 + 36, YI1, "y=");
  TextStatement(0, XI2, YI1, "π*x^2*3=");
  TextStatement(5, XI2, YI1, "3πx^2");
  WaitAnyKey();

  ProblemNumberCell(XI1 - 36, YI1 + 100, "2");
  TextStatement(3, XI2, YI1, "(1)");
  TextStatement(0, XI2, YI1, "y=ax^2 とすると");
  TextStatement(0, XI1 + 76, YI1 + 60, "x=3,y=18 を代入して");
  TextStatement(0, XI1 + 76, YI1 + 60, "18=a*3^2=9a");
  TextStatement(0, XI1 + 76, YI1 + 60, "a=2");
  TextStatement(5, XI1 + 76, YI1 + 60, " 答 y=2x^2");
  // (2) in a second column
  XI1 = 646; YI1 = 30;
  TextStatement(3, XI1, YI1 + 60, "(2)");
  TextStatement(0, XI2, YI1, "y=2x^2に");
  TextStatement(0, XI1 + 76, YI1 + 60, "x=-2 を代入して");
  TextStatement(0, XI1 + 76, YI1 + 60, "y=2*(-2)^2=2*4=8");
  TextStatement(5, XI1 + 76, YI1 + 120, " 答 y=8");
}

// Problem 3: y=2x^2, y=0.5x^2 and y=-x^2 on one plane, labelled by the
// parts they answer, then the answers by the sign and size of a.
void Orvanti::BasicsProblem3Scene() {
  DrawBox(0, 0, 1760, 1800, 15);
  SetPenWidth(5);
  BasicsTitleCell();
  ProblemNumberCell(XI1 - 36, YI1 + 60, "3");
  // the plane and the graphs leave the cursor behind the "3" cell
  GGX = 792; GGY = 50; SIZE = 28;
  AA1 = -5; AA2 = 5; BB1 = -10; BB2 = 10;
  CCC2 = 0;
  DrawCoordinatePlane();
  KASANARIX = 0; KASANARIY = -30;
  PlotParabola(2, 3, "(2)");
  PlotParabola(0.5f, 5, "(1)");
  KASANARIX = 0; KASANARIY = -50;
  PlotParabola(-1, 7, "(3)");
  WaitAnyKey();

  TextStatement(3, XI2, YI1, "(1)");
  TextStatement(0, XI2, YI1, "a>0で、aの絶対値が小さい方");
  TextStatement(0, XI1 + 108, YI1 + 60, "だから　");
  TextStatement(5, XI2, YI1, "ウ");
  TextStatement(3, XI1, YI1 + 60, "(2)");
  TextStatement(0, XI2, YI1, "a>0で、aの絶対値が大きい方");
  TextStatement(0, XI1 + 108, YI1 + 60, "だから　");
  TextStatement(5, XI2, YI1, "ア");
  TextStatement(3, XI1, YI1 + 60, "(3)");
  TextStatement(0, XI2, YI1, "a<0 だから　");
  TextStatement(5, XI2, YI1, "イ");
}

// Problem 4: the rates of change of y=3x^2 and y=-3x^2 from x=1 to 3, all
// at once.
void Orvanti::BasicsProblem4Scene() {
  DrawBox(0, 0, 1760, 1800, 15);
  BasicsTitleCell();
  ProblemNumberCell(XI2 + 44, YI1, "4");
  TextStatement(3, XI1 - 36, YI1 + 50, "(1)");
  TextStatement(0, XI2, YI1, "y=3x^2");
  TextStatement(0, XI1, YI1 + 50, "x=1 のとき y=3*1^2=3*1=");
  TextStatement(3, XI2, YI1, "3");
  TextStatement(0, XI1, YI1 + 50, "x=3 のとき y=3*3^2=3*9=");
  TextStatement(3, XI2, YI1, "27");
  TextStatement(0, XI1, YI1 + 80, "だから、変化の割合は ");
  TextStatement(0, XI2, YI1, "ﾀyの増加量/xの増加量ﾀ");
  TextStatement(0, XI2, YI1, "=ﾀ27-3/3-1ﾀ=");
  TextStatement(0, XI2, YI1, "ﾀ24/2ﾀ=");
  TextStatement(5, XI2, YI1, "12");
  TextStatement(3, XI1 - 36, YI1 + 80, "(2)");
  TextStatement(0, XI2, YI1, "y=-3x^2");
  TextStatement(0, XI1, YI1 + 50, "x=1 のとき y=-3*1^2=-3*1=");
  TextStatement(3, XI2, YI1, "-3");
  TextStatement(0, XI1, YI1 + 50, "x=3 のとき y=-3*3^2=-3*9=");
  TextStatement(3, XI2, YI1, "-27");
  TextStatement(0, XI1, YI1 + 80, "だから、変化の割合は ");
  TextStatement(0, XI2, YI1, "ﾀyの増加量/xの増加量ﾀ");
  TextStatement(0, XI2, YI1, "=ﾀ-27-(-3)/3-1ﾀ=");
  TextStatement(0, XI2, YI1, "ﾀ-24/2ﾀ=");
  TextStatement(5, XI2, YI1, "-12");
}

// Problem 5: the ranges of y of y=4x^2 for 1≦x≦3 and -2≦x≦1, all at once.
void Orvanti::BasicsProblem5Scene() {
  DrawBox(0, 0, 1760, 1800, 15);
  BasicsTitleCell();
  ProblemNumberCell(XI2 + 44, YI1, "5");
  TextStatement(3, XI1 - 36, YI1 + 50, "(1)");
  TextStatement(0, XI2, YI1, "1≦x≦3");
  TextStatement(0, XI1, YI1 + 60, "x=1 のとき y=4*1^2=4*1=");
  TextStatement(3, XI2, YI1, "4");
  TextStatement(0, XI1, YI1 + 60, "x=3 のとき y=4*3^2=4*9=");
  TextStatement(3, XI2, YI1, "36");
  TextStatement(0, XI1, YI1 + 70, "だから、yの変域は ");
  TextStatement(5, XI2, YI1, "4≦y≦36");
  TextStatement(3, XI1 - 36, YI1 + 80, "(2)");
  TextStatement(0, XI2, YI1, "-2≦x≦1");
  TextStatement(0, XI1, YI1 + 60, "x=-2 のとき y=4*(-2)^2=4*4=");
  TextStatement(3, XI2, YI1, "16");
  TextStatement(0, XI1, YI1 + 60, "x=0 のとき y=");
  TextStatement(3, XI2, YI1, "0");
  TextStatement(0, XI1, YI1 + 60, "x=1 のとき y=4*1^2=4*1=");
  TextStatement(3, XI2, YI1, "4");
  TextStatement(0, XI1, YI1 + 70, "だから、yの変域は ");
  TextStatement(5, XI2, YI1, "0≦y≦16");
}

// Problem 6: y=3x^2 (ア), y=-0.25x^2 (ウ) and y=-3x+2 (イ) on one plane,
// and the answer, all at once.
void Orvanti::BasicsProblem6Scene() {
  DrawBox(0, 0, 1760, 1800, 15);
  BasicsTitleCell();
  ProblemNumberCell(XI2 + 44, YI1, "6");
  GGX = 440; GGY = 120; SIZE = 20;
  AA1 = -5; AA2 = 10; BB1 = -10; BB2 = 10;
  CCC2 = 0;
  DrawCoordinatePlane();
  PlotParabola(3, 3, "ア");
  PlotParabola(-0.25f, 5, "ウ");
  IROIRO = 3; AA = -3; BB = 2; CCC3 = 7; AAA_s = "イ";
  PlotFunctionGraph();
  TextStatement(5, XI1 + 36, YI1 + 90, "答　ア");
}

}  // namespace lesson
