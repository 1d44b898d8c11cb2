#include "platform/window_gl_context.h"

#include <SDL.h>

namespace zol::platform {
namespace {

class SdlWindowContext : public GLContext {
 public:
  SdlWindowContext(SDL_Window* window, SDL_GLContext context, bool robust)
      : window_(window), context_(context), robust_(robust) {}
  ~SdlWindowContext() override {
    if (SDL_GL_GetCurrentContext() == context_) SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(context_);
  }

  bool MakeCurrent() override { return SDL_GL_MakeCurrent(window_, context_) == 0; }
  void ReleaseCurrent() override { SDL_GL_MakeCurrent(window_, nullptr); }
  void SwapBuffers() override { SDL_GL_SwapWindow(window_); }
  bool HasWindowSurface() const override { return true; }
  void DrawableSize(int& width, int& height) const override {
    SDL_GL_GetDrawableSize(window_, &width, &height);
  }
  bool IsRobust() const override { return robust_; }
  void SetSwapInterval(int interval) override { SDL_GL_SetSwapInterval(interval); }

 private:
  SDL_Window* window_;
  SDL_GLContext context_;
  bool robust_;
};

SDL_GLContext TryCreate(SDL_Window* window, bool robust) {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, robust ? SDL_GL_CONTEXT_ROBUST_ACCESS_FLAG : 0);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_RESET_NOTIFICATION,
                      robust ? SDL_GL_CONTEXT_RESET_LOSE_CONTEXT : SDL_GL_CONTEXT_RESET_NO_NOTIFICATION);
  return SDL_GL_CreateContext(window);
}

}  // namespace

std::unique_ptr<GLContext> CreateWindowGLContext(OutputWindow& window, std::string& error) {
  bool robust = true;
  SDL_GLContext context = TryCreate(window.Sdl(), true);
  if (!context) {
    robust = false;
    context = TryCreate(window.Sdl(), false);
  }
  if (!context) {
    error = std::string("SDL OpenGL context: ") + SDL_GetError();
    return nullptr;
  }
  // SDL leaves the new context current; the owner decides where it runs.
  SDL_GL_MakeCurrent(window.Sdl(), nullptr);
  return std::make_unique<SdlWindowContext>(window.Sdl(), context, robust);
}

}  // namespace zol::platform
