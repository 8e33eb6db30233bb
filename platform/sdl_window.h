// The real window: an SDL2 window that shows the Cairo raster scaled to fit
// with its aspect kept, serves keys, waits and the clock, and ends the
// program (WindowClosed) when it is closed at any moment.
//
// Pacing: the picture is shown again only when something changed, at most
// once a frame (1/60 s) while the program polls for keys, and before every
// wait. A poll with no key waiting sleeps on the event queue, longer and
// longer while nothing happens, so an idle program costs next to no CPU; a
// key, a close or an expose wakes it at once. A wait of n ticks ends n/60 s
// after the previous wait ended, so the time spent drawing a frame is part
// of its wait and an animation keeps its pace.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "platform/cairo_screen.h"
#include "platform/runtime.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace lesson {

class SdlRuntime : public Runtime {
 public:
  // Opens the window maximized, titled with the program's name, on an X11
  // or Wayland display only (never an off-screen one); the canvas is
  // rastered at the pixel scale that fits the window at this size. Throws
  // std::runtime_error with the reason in one line when no display can be
  // opened.
  explicit SdlRuntime(const std::string& title);
  ~SdlRuntime() override;
  SdlRuntime(const SdlRuntime&) = delete;
  SdlRuntime& operator=(const SdlRuntime&) = delete;

  Screen& screen() override { return *screen_; }
  std::string PollKey() override;
  void Wait(int ticks) override;
  void WaitForClose() override;
  std::string ClockRead() override;
  void SetTitle(const std::string& title) override;
  void Maximize() override;
  void EndProgram() override;

 private:
  // Shows what changed since the last present (nothing to do when nothing
  // did); full: repaint the whole window (expose, resize).
  void Present(bool full = false);
  // Presents when something changed and a frame has passed since the last
  // present; true when a change is still waiting to be shown.
  bool PresentWhenDue();
  // Handles one event: keys to the queue, close, expose and resize.
  void Handle(const SDL_Event& e);
  // Handles every pending event; throws WindowClosed once the window is
  // closed.
  void Pump();

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::unique_ptr<CairoScreen> screen_;
  std::vector<unsigned char> shown_;  // the pixels last uploaded
  std::deque<std::string> keys_;
  bool closed_ = false;
  bool needRepaint_ = true;
  uint64_t lastPresent_ = 0;  // performance counter at the last present
  uint64_t waitEnd_ = 0;      // when the last wait ended (0: none yet)
  int idlePolls_ = 0;         // empty polls in a row with nothing drawn
};

// Runs a program in a real window titled title: run builds the program on
// the window's runtime and runs it. The program ends when it ends itself or
// when the window is closed, at any moment, also on the error screen: the
// exit code is 0 either way; 1 when the window cannot be opened, with one
// line on stderr: "TITLE: REASON", e.g. "kasimel: cannot open display :99".
int RunInWindow(const std::string& title, const std::function<void(Runtime&)>& run);

}  // namespace lesson
