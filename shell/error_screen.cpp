#include <cfenv>

#include "shell/shell.h"

namespace lesson {

void Shell::ShowRuntimeError(const Fault& fault) {
  // Drawn straight on the screen, outside the step count: the error screen
  // itself must not fault again.
  std::feclearexcept(FE_ALL_EXCEPT);
  FpQuiet quiet;
  Screen& screen = runtime().screen();
  // The window is wiped and left in the menu panel's dark blue: the message
  // colour 13 is a light one that would not read on white.
  screen.Clear();
  screen.Box(0, 0, kCanvasWidth, kCanvasHeight, 10, 10);
  A = static_cast<float>(fault.step);
  A_s = Str(A);
  B = static_cast<float>(fault.code);
  B_s = Str(B);
  screen.Text(288, 432, 1, 1, 13, A_s + "," + B_s + "エラーが発生しました。マウスで×をクリックして下さい。");
}

void Shell::ClearLessonArea() { DrawBox(0, 54, 1440, 900, 15, 15); }

void Shell::FormatTableValues() {
  I = 1;
  do {
    T_s(I) = Str(T(I));
    A_s = T_s(I);
    StripSpaces();
    T_s(I) = A_s;
  } while ((I += 1) <= 80);
  I = 1;
  do {
    F_s(I) = Str(F(I));
    A_s = F_s(I);
    StripSpaces();
    F_s(I) = A_s;
  } while ((I += 1) <= 40);
}

}  // namespace lesson
