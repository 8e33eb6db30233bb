#include "shell/shell.h"

namespace lesson {

void Shell::WaitAnyKey() {
  CCC0 = CCC1;
  DR = GetPenWidth();
  SetPenWidth(3);
  DrawBox(96, 657, 400, 693, 13, 4);
  CCC1 = 9;
  X = 128;
  Y = 666;
  AA_s = "何かキーを押して下さい。";
  DrawPlainText();
  WaitForKey();
  DrawBox(0, 657, 400, 693, 15, 15);
  CCC1 = CCC0;
  SetPenWidth(DR);
}

void Shell::WaitKeyWithMessage() {
  CCC0 = CCC1;
  DR = GetPenWidth();
  SetPenWidth(3);
  DrawBoxRel(16, 657, 480, 36, 13, 4);
  CCC1 = 9;
  X = 48;
  Y = 666;
  DrawPlainText();
  WaitForKey();
  DrawBox(0, 657, 992, 720, 15, 15);
  CCC1 = CCC0;
  SetPenWidth(DR);
}

void Shell::PromptNextStep() {
  DR = GetPenWidth();
  SetPenWidth(2);
  DrawBox(96, 639, 400, 675, 13, 12);
  CCC1 = 9;
  X = 128;
  Y = 648;
  AA_s = "次のステップは１を入力。";
  DrawPlainText();
  ReadNumberInput();
  ParseNumberInput();
  DrawBoxRel(KAIX - 48, KAIY - 9, 160, 27, 15, 15);
  DrawBox(96, 639, 400, 675, 15, 15);
  SetPenWidth(DR);
}

void Shell::PromptSubMenuChoice() {
  CCC1 = 0;
  X = 16;
  Y = 666;
  DrawPlainText();
  ReadNumberInput();
  ParseNumberInput();
}

void Shell::ClearPromptLine() { DrawBox(0, 657, 992, 720, 15, 15); }

}  // namespace lesson
