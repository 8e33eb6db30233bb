// The window and time services a program runs on: the real SDL window, or a
// scripted runtime for tests and the replay tool.
#pragma once
#include <string>
#include "platform/screen.h"

namespace lesson {

class Runtime {
 public:
  virtual ~Runtime() = default;
  virtual Screen& screen() = 0;
  // Presents the picture, then gives the next key as a one-character text or
  // "" at once (Enter "\r", Backspace "\b", the clearing key "\f").
  // Throws WindowClosed when the window was closed.
  virtual std::string PollKey() = 0;
  // Presents the picture, then pauses n ticks of 1/60 s.
  // Throws WindowClosed when the window was closed meanwhile.
  virtual void Wait(int ticks) = 0;
  // Blocks until the window is closed, then throws WindowClosed
  // (the error screen's wait).
  virtual void WaitForClose() = 0;
  // The time of day as "HH:MM:SS".
  virtual std::string ClockRead() = 0;
  virtual void SetTitle(const std::string& title) { (void)title; }
  virtual void Maximize() {}
  // The program-end operation: throws ProgramEnded.
  virtual void EndProgram() = 0;
};

// Deterministic uniform random numbers in [0, 1), seeded by a whole number.
class Random {
 public:
  void Seed(int seed);
  float Draw();

 private:
  unsigned long long state_ = 0x853c49e6748fea9bULL;
};

}  // namespace lesson
