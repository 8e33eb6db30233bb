// The orvanti program: its lessons in a real window.
#include <cstdio>
#include <exception>

#include "lessons/orvanti/orvanti.h"
#include "platform/sdl_window.h"

int main() {
  try {
    lesson::SdlRuntime rt("orvanti");
    auto p = lesson::MakeOrvanti(rt);
    return lesson::RunProgram(*p);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvanti: %s\n", e.what());
    return 1;
  }
}
