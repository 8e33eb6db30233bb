#include <cfenv>

#include "shell/shell.h"

namespace lesson {

int Shell::Run() {
  ResetSteps();
  std::feclearexcept(FE_ALL_EXCEPT);
  lastFault_.reset();
  try {
    // The try block is the fault routing: from the first step on, every
    // fault lands on the error screen, which stays until the window closes.
    try {
      StartUp();
    } catch (const Fault& fault) {
      lastFault_ = fault;
      ShowRuntimeError(fault);
      runtime().WaitForClose();
    }
  } catch (const WindowClosed&) {
  } catch (const ProgramEnded&) {
  }
  return lastFault_ ? 3 : 0;
}

void Shell::StartUp() {
  MapMode(1);
  MaximizeWindow();
  SetFace("ｺﾞｼｯｸ");
  SetFontSize(16);
  SetPenWidth(3);
  ReseedRandom();
  TITLE_s = config().title;
  runtime().SetTitle(TITLE_s);
  T.Reset();
  T_s.Reset();
  F.Reset();
  F_s.Reset();
  Xa.Reset();
  Ya.Reset();
  U.Reset();
  V.Reset();
  Xa_s.Reset();
  Ra.Reset();
  G.Reset();
  KAIX = 1056;
  KAIY = 648;
  MainMenu();
}

void Shell::ReseedRandom() {
  // One clock read per field: hours, minutes, seconds.
  A = Val(Left(ClockRead(), 2));
  A = A + Val(Mid(ClockRead(), 4, 2));
  A = A + Val(Right(ClockRead(), 2));
  RandomSeed(ToWhole(A));
}

}  // namespace lesson
