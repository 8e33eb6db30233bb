// Faults of the lesson programs and the ways a program run ends.
#pragma once
#include <cfenv>
#include <exception>
#include <string>

namespace lesson {

// Fault codes shown on the error screen.
enum FaultCode : int {
  kFaultIllegalCall = 5,   // invalid operation (NaN, domain error, bad argument)
  kFaultOverflow = 6,      // overflow to infinity, whole-number conversion out of range
  kFaultSubscript = 9,     // array index outside its bounds
  kFaultDivByZero = 11,    // division by zero
};

// The one runtime fault: thrown by checked arithmetic, array indexing and
// failed conversions; caught once at the top of a program, which shows the
// error screen.
struct Fault : std::exception {
  int step;
  int code;
  Fault(int s, int c) : step(s), code(c) {}
  const char* what() const noexcept override { return "lesson fault"; }
};

// Thrown when the window is closed (or a scripted run has no keys left):
// unwinds to main, which exits 0.
struct WindowClosed {};

// Thrown by the program-end operation (the main menu's last item).
struct ProgramEnded {};

// Step counter: every runtime operation advances it; a fault reports the
// step at which it was found.
int CurrentStep();
void AdvanceStep();
void ResetSteps();

// Throws Fault for a floating-point division by zero, overflow or invalid
// operation raised since the last check, then clears those flags.
// Every runtime operation calls it first, so arithmetic faults are found at
// the next step boundary.
void CheckFpFaults();

// Throws Fault(code) at the current step.
[[noreturn]] void RaiseFault(int code);

// Keeps library code (drawing, font, conversions) from leaving floating-point
// flags behind that would look like lesson faults: the fault flags raised
// inside the block are cleared at its end, those pending before it stay.
// Only the flags are read and cleared: saving and restoring the whole
// floating-point environment on every runtime operation cost more than the
// drawing itself.
class FpQuiet {
 public:
  static constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
  FpQuiet() : held_(std::fetestexcept(kFaultFlags)) {}
  ~FpQuiet() {
    const int raised = std::fetestexcept(kFaultFlags) & ~held_;
    if (raised != 0) std::feclearexcept(raised);
  }
  FpQuiet(const FpQuiet&) = delete;
  FpQuiet& operator=(const FpQuiet&) = delete;

 private:
  int held_;
};

}  // namespace lesson
