// GLContext: an OpenGL 3.3 core context, either drawing into a window or
// surfaceless (headless, everything in framebuffer objects). Owned by the
// render back end's device holder. A context is current on at most one
// thread; the owner makes it current before GL calls and releases it before
// another thread may use it.
#pragma once

namespace zol::platform {

class GLContext {
 public:
  virtual ~GLContext() = default;

  // Makes the context current on the calling thread; false when it cannot be
  // (for instance because it is current on another thread).
  virtual bool MakeCurrent() = 0;
  // Leaves the calling thread without a current context.
  virtual void ReleaseCurrent() = 0;
  // Window: shows the default framebuffer. Headless: nothing to show.
  virtual void SwapBuffers() = 0;
  virtual bool HasWindowSurface() const = 0;
  // Size of the default framebuffer in pixels; 0 x 0 without a window.
  virtual void DrawableSize(int& width, int& height) const = 0;
  // Created with reset notification (robustness): a reset makes the context
  // report itself lost instead of going on with undefined content.
  virtual bool IsRobust() const = 0;
  // 0 immediate, 1 wait for vertical sync; ignored without a window.
  virtual void SetSwapInterval(int interval) = 0;
};

}  // namespace zol::platform
