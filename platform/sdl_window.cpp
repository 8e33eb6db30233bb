#include "platform/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include <sys/stat.h>

#include "platform/fault.h"
#include "platform/text_number.h"

namespace lesson {

namespace {

// How long a poll with no key waiting sleeps on the event queue: the first
// empty poll briefly, each further one with nothing drawn twice as long, up
// to the longest sleep (any event ends a sleep at once).
constexpr int kPollSleepMs = 4;
constexpr int kLongestPollSleepMs = 100;
// A wait that starts this long after the previous one ended (the program
// waited for a key meanwhile) starts a fresh schedule.
constexpr double kFreshScheduleSeconds = 0.25;
// The margin around the picture when the window's aspect is not 16:9.
constexpr Uint8 kMarginGrey = 0x30;

// Keys that produce typed text arrive as text input; the key-down of such a
// key is left to it.
bool GivesText(const SDL_Keysym& k) {
  if (k.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) return false;
  if (k.sym >= 0x20 && k.sym < 0x7f) return true;
  switch (k.sym) {
    case SDLK_KP_0: case SDLK_KP_1: case SDLK_KP_2: case SDLK_KP_3: case SDLK_KP_4:
    case SDLK_KP_5: case SDLK_KP_6: case SDLK_KP_7: case SDLK_KP_8: case SDLK_KP_9:
    case SDLK_KP_PERIOD: case SDLK_KP_DIVIDE: case SDLK_KP_MULTIPLY:
    case SDLK_KP_MINUS: case SDLK_KP_PLUS:
      return (k.mod & KMOD_NUM) || k.sym == SDLK_KP_DIVIDE || k.sym == SDLK_KP_MULTIPLY ||
             k.sym == SDLK_KP_MINUS || k.sym == SDLK_KP_PLUS;
    default:
      return false;
  }
}

bool IsModifier(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
    case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
    case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_SCROLLLOCK: case SDLK_MODE:
      return true;
    default:
      return false;
  }
}

// The key text of a key that types nothing: Enter 13, Backspace 8, Delete
// the clearing code 12; every other key some non-empty control code.
std::string KeyText(const SDL_Keysym& k) {
  switch (k.sym) {
    case SDLK_RETURN: case SDLK_KP_ENTER: case SDLK_RETURN2: return "\r";
    case SDLK_BACKSPACE: return "\b";
    case SDLK_DELETE: return "\f";
    case SDLK_ESCAPE: return "\x1b";
    case SDLK_TAB: return "\t";
    case SDLK_RIGHT: return "\x1c";
    case SDLK_LEFT: return "\x1d";
    case SDLK_UP: return "\x1e";
    case SDLK_DOWN: return "\x1f";
    default:
      if (k.sym >= 0x20 && k.sym < 0x7f) return std::string(1, static_cast<char>(k.sym));
      return "\x7f";
  }
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// The Wayland display the client library would connect to: WAYLAND_DISPLAY,
// by default wayland-0.
std::string WaylandName() {
  const std::string name = Env("WAYLAND_DISPLAY");
  return name.empty() ? "wayland-0" : name;
}

// True when a Wayland compositor can be there, looked for the way the
// client library does: a socket handed over in WAYLAND_SOCKET, or the socket
// WAYLAND_DISPLAY names, as an absolute path or inside XDG_RUNTIME_DIR.
// Asked beforehand so that a machine without Wayland is never tried (the
// client library would complain about XDG_RUNTIME_DIR on stderr).
bool WaylandReachable() {
  if (!Env("WAYLAND_SOCKET").empty()) return true;
  std::string path = WaylandName();
  if (path[0] != '/') {
    const std::string dir = Env("XDG_RUNTIME_DIR");
    if (dir.empty() || dir[0] != '/') return false;
    path = dir + "/" + path;
  }
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

// Starts SDL's video on a real display, X11 or Wayland, never on its
// off-screen or dummy driver: a program there would wait invisibly for keys
// that can never come. The drivers are tried in SDL's own order, the one
// SDL_VIDEODRIVER names first. Throws the reason, in one line, when no
// display can be opened.
void OpenDisplay() {
  const std::string display = Env("DISPLAY");
  const bool wayland = WaylandReachable();
  if (display.empty() && !wayland)
    throw std::runtime_error("no display to open the window on (DISPLAY is not set)");

  std::vector<std::string> drivers;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string d = SDL_GetVideoDriver(i);
    if ((d == "x11" && !display.empty()) || (d == "wayland" && wayland)) drivers.push_back(d);
  }
  const std::string wanted = Env("SDL_VIDEODRIVER");
  std::stable_sort(drivers.begin(), drivers.end(), [&](const std::string& a, const std::string& b) {
    return wanted.find(a) < wanted.find(b);  // not named: npos, last
  });

  for (const std::string& d : drivers) {
    // SDL_Quit forgets hints: set them for every attempt.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, d.c_str(), SDL_HINT_OVERRIDE);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO) == 0) return;
    SDL_Quit();
  }
  std::string why;
  if (!display.empty()) why = "cannot open display " + display;
  if (wayland)
    why += (why.empty() ? "cannot open the Wayland display " : " nor the Wayland display ") +
           WaylandName();
  throw std::runtime_error(why);
}

}  // namespace

SdlRuntime::SdlRuntime(const std::string& title) {
  OpenDisplay();

  // Maximized: without a window manager the flag alone does nothing, so the
  // window is also made as large as the usable part of the display.
  SDL_Rect usable{0, 0, kCanvasWidth, kCanvasHeight};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
    usable = {0, 0, kCanvasWidth, kCanvasHeight};
  window_ = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                             SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED |
                                 SDL_WINDOW_ALLOW_HIGHDPI);
  if (!window_) throw std::runtime_error(std::string("cannot open the window: ") + SDL_GetError());
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) throw std::runtime_error(std::string("cannot draw in the window: ") + SDL_GetError());

  // Let a window manager finish maximizing before the size is taken.
  const Uint32 settle = SDL_GetTicks() + 300;
  SDL_Event e;
  while (!SDL_TICKS_PASSED(SDL_GetTicks(), settle)) {
    if (SDL_WaitEventTimeout(&e, 20)) {
      Handle(e);  // keys typed meanwhile are kept, a close is noted
      if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_MAXIMIZED) break;
    }
  }

  int w = kCanvasWidth, h = kCanvasHeight;
  if (SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 || w <= 0 || h <= 0)
    w = kCanvasWidth, h = kCanvasHeight;
  const double scale = std::min(static_cast<double>(w) / kCanvasWidth,
                                static_cast<double>(h) / kCanvasHeight);
  screen_ = std::make_unique<CairoScreen>(scale);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               screen_->pixelWidth(), screen_->pixelHeight());
  if (!texture_) throw std::runtime_error(std::string("cannot draw in the window: ") + SDL_GetError());
  shown_.assign(static_cast<size_t>(cairo_image_surface_get_stride(screen_->surface())) *
                    screen_->pixelHeight(),
                0);
  SDL_StartTextInput();
  Present(true);
}

SdlRuntime::~SdlRuntime() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

void SdlRuntime::Present(bool full) {
  cairo_surface_t* surf = screen_->surface();
  const unsigned char* pixels = cairo_image_surface_get_data(surf);
  const int stride = cairo_image_surface_get_stride(surf);

  // Upload only what changed, and only when its pixels really differ from
  // what is shown (a cursor dot redrawn on every poll changes nothing).
  CairoScreen::Rect r;
  bool changed = false;
  if (screen_->TakeDirty(r)) {
    for (int y = r.y; y < r.y + r.h; ++y) {
      const size_t off = static_cast<size_t>(y) * stride + static_cast<size_t>(r.x) * 4;
      if (std::memcmp(pixels + off, shown_.data() + off, static_cast<size_t>(r.w) * 4) != 0) {
        std::memcpy(shown_.data() + off, pixels + off, static_cast<size_t>(r.w) * 4);
        changed = true;
      }
    }
    if (changed) {
      SDL_Rect sr{r.x, r.y, r.w, r.h};
      SDL_UpdateTexture(texture_, &sr, pixels + static_cast<size_t>(r.y) * stride + r.x * 4,
                        stride);
    }
  }
  if (!changed && !full && !needRepaint_) return;
  needRepaint_ = false;
  lastPresent_ = SDL_GetPerformanceCounter();

  // The canvas scaled to fit the window with its aspect kept, centred; at
  // the start size it is shown pixel for pixel.
  int ow = 0, oh = 0;
  SDL_GetRendererOutputSize(renderer_, &ow, &oh);
  const int tw = screen_->pixelWidth(), th = screen_->pixelHeight();
  double fit = std::min(static_cast<double>(ow) / tw, static_cast<double>(oh) / th);
  if (std::fabs(fit - 1) < 0.002) fit = 1;
  SDL_Rect dst;
  dst.w = static_cast<int>(std::lround(tw * fit));
  dst.h = static_cast<int>(std::lround(th * fit));
  dst.x = (ow - dst.w) / 2;
  dst.y = (oh - dst.h) / 2;
  SDL_SetRenderDrawColor(renderer_, kMarginGrey, kMarginGrey, kMarginGrey, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
}

void SdlRuntime::Handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      closed_ = true;
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: closed_ = true; break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
          needRepaint_ = true;
          break;
        default: break;
      }
      break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      // The texture's contents are lost: upload everything again.
      if (!texture_) break;
      SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(screen_->surface()),
                        cairo_image_surface_get_stride(screen_->surface()));
      needRepaint_ = true;
      break;
    case SDL_TEXTINPUT:
      for (const std::string& ch : Chars(e.text.text)) keys_.push_back(ch);
      break;
    case SDL_KEYDOWN:
      if (!IsModifier(e.key.keysym.sym) && !GivesText(e.key.keysym))
        keys_.push_back(KeyText(e.key.keysym));
      break;
    default: break;
  }
}

void SdlRuntime::Pump() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) Handle(e);
  if (closed_) throw WindowClosed{};
  if (needRepaint_) Present(true);
}

bool SdlRuntime::PresentWhenDue() {
  if (!screen_->dirty() && !needRepaint_) return false;
  const Uint64 frame = SDL_GetPerformanceFrequency() / 60;
  if (SDL_GetPerformanceCounter() - lastPresent_ < frame) return true;
  Present();
  return false;
}

std::string SdlRuntime::PollKey() {
  const bool drawn = screen_->dirty();
  Pump();
  bool pending = PresentWhenDue();
  if (keys_.empty()) {
    // Nothing typed: sleep on the event queue instead of spinning; until the
    // next frame is due when a change waits to be shown, otherwise a little
    // longer with each idle poll.
    int ms;
    if (pending) {
      const Uint64 freq = SDL_GetPerformanceFrequency();
      const Uint64 due = lastPresent_ + freq / 60, now = SDL_GetPerformanceCounter();
      ms = due > now ? static_cast<int>((due - now) * 1000 / freq) + 1 : 0;
      idlePolls_ = 0;
    } else {
      idlePolls_ = drawn ? 0 : std::min(idlePolls_ + 1, 16);
      ms = std::min(kPollSleepMs << std::min(idlePolls_, 8), kLongestPollSleepMs);
    }
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, ms)) Handle(e);
    Pump();
    PresentWhenDue();
  }
  if (keys_.empty()) return "";
  idlePolls_ = 0;
  std::string k = keys_.front();
  keys_.pop_front();
  return k;
}

void SdlRuntime::Wait(int ticks) {
  Pump();
  Present();
  const Uint64 freq = SDL_GetPerformanceFrequency();
  const Uint64 now = SDL_GetPerformanceCounter();
  const Uint64 length = freq * static_cast<Uint64>(std::max(ticks, 0)) / 60;
  // The wait ends its length after the previous wait ended; a frame drawn
  // too slowly shows at once without catching up later, and after a longer
  // break (a key wait) the schedule starts afresh.
  Uint64 end = waitEnd_ + length;
  if (waitEnd_ == 0 || now > end + static_cast<Uint64>(kFreshScheduleSeconds * freq))
    end = now + length;
  else if (end < now)
    end = now;
  for (;;) {
    const Uint64 t = SDL_GetPerformanceCounter();
    if (t >= end) break;
    // Whole milliseconds, rounded up: the end is at most one late, and the
    // next wait still counts from the end as planned.
    const int ms = static_cast<int>((end - t) * 1000 / freq) + 1;
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, ms)) Handle(e);
    Pump();
  }
  waitEnd_ = end;
}

void SdlRuntime::WaitForClose() {
  Present(true);
  SDL_Event e;
  for (;;) {
    if (SDL_WaitEvent(&e)) Handle(e);
    Pump();
  }
}

std::string SdlRuntime::ClockRead() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[16];
  std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
  return buf;
}

void SdlRuntime::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void SdlRuntime::Maximize() {
  if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED)) SDL_MaximizeWindow(window_);
}

void SdlRuntime::EndProgram() { throw ProgramEnded{}; }

int RunInWindow(const std::string& title, const std::function<void(Runtime&)>& run) {
  try {
    SdlRuntime rt(title);
    try {
      run(rt);
    } catch (const WindowClosed&) {
    } catch (const ProgramEnded&) {
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), e.what());
    return 1;
  }
}

}  // namespace lesson
