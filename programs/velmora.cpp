// The velmora program: its lessons in a real window.
#include <cstdio>
#include <exception>

#include "lessons/velmora/velmora.h"
#include "platform/sdl_window.h"

int main() {
  try {
    lesson::SdlRuntime rt("velmora");
    auto p = lesson::MakeVelmora(rt);
    return lesson::RunProgram(*p);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmora: %s\n", e.what());
    return 1;
  }
}
