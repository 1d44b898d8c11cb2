// Window activation through the desktop's window manager (EWMH).
#include <X11/Xlib.h>

#include <cstdint>
#include <memory>

#include "platform/display.h"

namespace zol::platform {
namespace {
// Xlib's default handler ends the process on any protocol error, and a stale
// window id from the command line is exactly such an error.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }
}  // namespace

bool BringWindowToFront(uint64_t windowId) {
  std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display || windowId == 0) return false;
  Display* d = display.get();
  auto previousHandler = XSetErrorHandler(IgnoreXError);
  auto window = static_cast<Window>(windowId);

  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 2;  // source: a pager-like tool acting for the user
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &event);
  XMapRaised(d, window);
  XSync(d, False);
  XSetErrorHandler(previousHandler);
  return true;
}

}  // namespace zol::platform
