// The kasimel program: its lessons in a real window. Closing the window ends it
// at any moment, also on the error screen, with exit code 0. Where no display
// can be opened it says so in one line on stderr and exits with code 1.
#include "lessons/kasimel/kasimel.h"
#include "platform/sdl_window.h"

int main() {
  return lesson::RunInWindow("kasimel", [](lesson::Runtime& rt) {
    auto program = lesson::MakeKasimel(rt);
    lesson::RunProgram(*program);
  });
}
