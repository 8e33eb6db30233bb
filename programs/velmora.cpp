// The velmora program: its lessons in a real window. Closing the window ends it
// at any moment, also on the error screen, with exit code 0.
#include "lessons/velmora/velmora.h"
#include "platform/sdl_window.h"

int main() {
  return lesson::RunInWindow("velmora", [](lesson::Runtime& rt) {
    auto program = lesson::MakeVelmora(rt);
    lesson::RunProgram(*program);
  });
}
