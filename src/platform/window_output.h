// OutputWindow: the desktop window a show is drawn into, prepared for an
// OpenGL context: position and size on the desktop, full screen on the
// monitor it overlaps most, focus. Owned by the main window; main thread
// (the renderer calls it under the device lock from the drawing thread only
// to move it or switch full screen, which SDL allows on X11).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;

namespace zol::platform {

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

class OutputWindow {
 public:
  // A window at RECT on the desktop (hidden unless VISIBLE); none with ERROR
  // filled when there is no display or the window cannot be made.
  static std::unique_ptr<OutputWindow> Create(const std::string& title, const ScreenRect& rect, bool visible,
                                              std::string& error);
  // Takes over WINDOW (Create makes one).
  explicit OutputWindow(SDL_Window* window) : window_(window) {}
  ~OutputWindow();
  OutputWindow(const OutputWindow&) = delete;
  OutputWindow& operator=(const OutputWindow&) = delete;

  ScreenRect Bounds() const;
  void SetBounds(const ScreenRect& rect);
  // Full screen (desktop mode) over the monitor the window overlaps most, or
  // back to a normal window.
  bool SetFullScreen(bool on);
  bool IsFullScreen() const;
  bool HasInputFocus() const;
  void SetAlwaysOnTop(bool on);
  void Show();
  // Handles the window events queued so far (moves, resizes, focus).
  void PumpEvents();
  // The desktop's id of the window (an X11 window id).
  uint64_t NativeId() const;

  SDL_Window* Sdl() const { return window_; }

 private:
  SDL_Window* window_;
};

}  // namespace zol::platform
