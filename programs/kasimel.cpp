// The kasimel program: its lessons in a real window.
#include <cstdio>
#include <exception>

#include "lessons/kasimel/kasimel.h"
#include "platform/sdl_window.h"

int main() {
  try {
    lesson::SdlRuntime rt("kasimel");
    auto p = lesson::MakeKasimel(rt);
    return lesson::RunProgram(*p);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kasimel: %s\n", e.what());
    return 1;
  }
}
