#include "platform/fault.h"

namespace lesson {

namespace {
// The number of the runtime operation now running. One program runs on one
// thread, so one counter serves it.
int g_step = 0;
}  // namespace

int CurrentStep() { return g_step; }
void AdvanceStep() { ++g_step; }
void ResetSteps() { g_step = 0; }

void CheckFpFaults() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  if (raised == 0) return;
  std::feclearexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  // The first cause wins: a division by zero gives infinity, which later
  // arithmetic may turn into an invalid operation.
  int code = kFaultIllegalCall;
  if (raised & FE_DIVBYZERO) {
    code = kFaultDivByZero;
  } else if (raised & FE_OVERFLOW) {
    code = kFaultOverflow;
  }
  throw Fault(CurrentStep(), code);
}

void RaiseFault(int code) { throw Fault(CurrentStep(), code); }

}  // namespace lesson
