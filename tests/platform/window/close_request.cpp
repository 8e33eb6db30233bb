// close_request WINDOW-ID: asks an X window to close the way a window
// manager does when its close button is clicked (a WM_DELETE_WINDOW client
// message), for the real-window test under a display without a manager.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: close_request WINDOW-ID\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "close_request: no display\n");
    return 1;
  }
  const Window w = std::strtoul(argv[1], nullptr, 0);
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = w;
  ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &ev);
  XSync(d, False);
  XCloseDisplay(d);
  return 0;
}
