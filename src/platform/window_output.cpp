#include "platform/window_output.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include "platform/display.h"
#include "platform/window_monitors.h"

namespace zol::platform {

std::unique_ptr<OutputWindow> OutputWindow::Create(const std::string& title, const ScreenRect& rect,
                                                   bool visible, std::string& error) {
  if (!HasDisplay()) {
    error = "no display to open a window on";
    return nullptr;
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("SDL video: ") + SDL_GetError();
    return nullptr;
  }
  // The context's own attributes are set when it is made; the window only
  // needs a plain double-buffered visual, since drawing happens off screen.
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  Uint32 flags = SDL_WINDOW_OPENGL | (visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
  SDL_Window* window = SDL_CreateWindow(title.c_str(), rect.left, rect.top, std::max(rect.Width(), 1),
                                        std::max(rect.Height(), 1), flags);
  if (!window) {
    error = std::string("SDL window: ") + SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  return std::make_unique<OutputWindow>(window);
}

OutputWindow::~OutputWindow() {
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // The last SDL user gives back what SDL keeps beyond its subsystems (its
  // D-Bus connection).
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

ScreenRect OutputWindow::Bounds() const {
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &w, &h);
  return {x, y, x + w, y + h};
}

void OutputWindow::SetBounds(const ScreenRect& rect) {
  SDL_SetWindowPosition(window_, rect.left, rect.top);
  SDL_SetWindowSize(window_, std::max(rect.Width(), 1), std::max(rect.Height(), 1));
}

bool OutputWindow::SetFullScreen(bool on) {
  if (on) {
    // Full-screen desktop mode covers the monitor the window is on: move it
    // onto the monitor it overlaps most first.
    auto monitors = ListMonitors();
    ScreenRect r = Bounds();
    int best = MonitorForRect(monitors, r);
    if (best >= 0 && best < int(monitors.size())) {
      const ScreenRect& m = monitors[size_t(best)].bounds;
      SDL_SetWindowPosition(window_, m.left, m.top);
    }
  }
  return SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0;
}

bool OutputWindow::IsFullScreen() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

bool OutputWindow::HasInputFocus() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void OutputWindow::SetAlwaysOnTop(bool on) {
  SDL_SetWindowAlwaysOnTop(window_, on ? SDL_TRUE : SDL_FALSE);
}

void OutputWindow::Show() {
  SDL_ShowWindow(window_);
}

void OutputWindow::PumpEvents() {
  SDL_PumpEvents();
}

uint64_t OutputWindow::NativeId() const {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info)) return 0;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (info.subsystem == SDL_SYSWM_X11) return uint64_t(info.info.x11.window);
#endif
  return 0;
}

}  // namespace zol::platform
