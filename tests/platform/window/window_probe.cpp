// window_probe MODE: small programs on the real window for the real-window
// test.
//   fault    a program titled "probe" whose menu item 1 divides by zero: it
//            ends on the error screen and stays there until the window is
//            closed; run as the lesson programs are, so its exit code is
//            theirs.
//   animate  300 frames of a moving ball, each followed by a wait of one
//            tick; prints "frames 300 seconds S" (S: from the first frame's
//            wait to the last one's end).
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sdl_window.h"
#include "shell/shell.h"

namespace {

class FaultingProgram : public lesson::Shell {
 public:
  explicit FaultingProgram(lesson::Runtime& rt)
      : Shell(rt, lesson::ProgramConfig{"probe", false}) {}

 protected:
  std::vector<std::string> MainMenuItems() override { return {"1　割る", "2　終了"}; }
  bool OpenTopic(int) override {
    A = 0;
    B = 1 / A;
    DrawLine(0, 0, B, 0, 0);
    return true;
  }
};

int Animate() {
  return lesson::RunInWindow("probe", [](lesson::Runtime& rt) {
    lesson::Screen& s = rt.screen();
    s.SetPenWidth(3);
    constexpr int kFrames = 300;
    std::chrono::steady_clock::time_point start;
    for (int i = 0; i <= kFrames; ++i) {
      if (i > 0) s.Circle(100 + (i - 1) * 3.0f, 300, 16, 15, 0, 0, true, 15);
      s.Circle(100 + i * 3.0f, 300, 16, 0, 0, 0, true, 5);
      rt.Wait(1);
      if (i == 0) start = std::chrono::steady_clock::now();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("frames %d seconds %.3f\n", kFrames, seconds);
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 2 ? argv[1] : "";
  if (mode == "fault") {
    return lesson::RunInWindow("probe", [](lesson::Runtime& rt) {
      FaultingProgram program(rt);
      lesson::RunProgram(program);
    });
  }
  if (mode == "animate") return Animate();
  std::fprintf(stderr, "usage: window_probe fault|animate\n");
  return 2;
}
