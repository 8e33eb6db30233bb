// The real window: an SDL2 window that shows the Cairo raster scaled to fit
// with its aspect kept, serves keys, waits and the clock, and ends the
// program (WindowClosed) when it is closed at any moment.
#pragma once
#include <deque>
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
  // Opens the window maximized, titled with the program's name; the canvas
  // is rastered at the pixel scale that fits the window at this size.
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
};

}  // namespace lesson
