#include "platform/egl_headless_context.h"

#include <epoxy/egl.h>

#include <cstring>
#include <mutex>

namespace zol::platform {
namespace {

bool HasClientExtension(const char* name) {
  const char* all = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  return all && epoxy_extension_in_string(all, name);
}

// One display for the process, initialised on first use and kept: terminating
// it would invalidate every context still alive.
EGLDisplay SharedDisplay(std::string& error) {
  static std::once_flag once;
  static EGLDisplay display = EGL_NO_DISPLAY;
  static std::string initError;
  std::call_once(once, [] {
    if (HasClientExtension("EGL_MESA_platform_surfaceless"))
      display = eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY) display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) {
      initError = "EGL: no display can be initialised (error " + std::to_string(eglGetError()) + ")";
      display = EGL_NO_DISPLAY;
    }
  });
  error = initError;
  return display;
}

class EglHeadlessContext : public GLContext {
 public:
  EglHeadlessContext(EGLDisplay display, EGLContext context, bool robust)
      : display_(display), context_(context), robust_(robust) {}
  ~EglHeadlessContext() override {
    if (eglGetCurrentContext() == context_)
      eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display_, context_);
  }

  bool MakeCurrent() override {
    eglBindAPI(EGL_OPENGL_API);
    return eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_) == EGL_TRUE;
  }
  void ReleaseCurrent() override {
    eglBindAPI(EGL_OPENGL_API);
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  }
  void SwapBuffers() override {}
  bool HasWindowSurface() const override { return false; }
  void DrawableSize(int& width, int& height) const override { width = height = 0; }
  bool IsRobust() const override { return robust_; }
  void SetSwapInterval(int) override {}

 private:
  EGLDisplay display_;
  EGLContext context_;
  bool robust_;
};

EGLContext TryCreate(EGLDisplay display, EGLConfig config, bool robust) {
  EGLint attribs[16];
  int n = 0;
  attribs[n++] = EGL_CONTEXT_MAJOR_VERSION;
  attribs[n++] = 3;
  attribs[n++] = EGL_CONTEXT_MINOR_VERSION;
  attribs[n++] = 3;
  attribs[n++] = EGL_CONTEXT_OPENGL_PROFILE_MASK;
  attribs[n++] = EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT;
  if (robust) {
    attribs[n++] = EGL_CONTEXT_OPENGL_ROBUST_ACCESS;
    attribs[n++] = EGL_TRUE;
    attribs[n++] = EGL_CONTEXT_OPENGL_RESET_NOTIFICATION_STRATEGY;
    attribs[n++] = EGL_LOSE_CONTEXT_ON_RESET;
  }
  attribs[n++] = EGL_NONE;
  return eglCreateContext(display, config, EGL_NO_CONTEXT, attribs);
}

}  // namespace

std::unique_ptr<GLContext> CreateHeadlessGLContext(std::string& error) {
  EGLDisplay display = SharedDisplay(error);
  if (display == EGL_NO_DISPLAY) return nullptr;
  if (!eglBindAPI(EGL_OPENGL_API)) {
    error = "EGL: desktop OpenGL is not available";
    return nullptr;
  }
  EGLConfig config = EGL_NO_CONFIG_KHR;
  if (!epoxy_has_egl_extension(display, "EGL_KHR_no_config_context")) {
    const EGLint want[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, want, &config, 1, &count) || count == 0) {
      error = "EGL: no configuration for desktop OpenGL";
      return nullptr;
    }
  }
  bool robust = epoxy_has_egl_extension(display, "EGL_EXT_create_context_robustness") ||
                epoxy_egl_version(display) >= 15;
  EGLContext context = robust ? TryCreate(display, config, true) : EGL_NO_CONTEXT;
  if (context == EGL_NO_CONTEXT) {
    robust = false;
    context = TryCreate(display, config, false);
  }
  if (context == EGL_NO_CONTEXT) {
    error = "EGL: no OpenGL 3.3 core context (error " + std::to_string(eglGetError()) + ")";
    return nullptr;
  }
  return std::make_unique<EglHeadlessContext>(display, context, robust);
}

}  // namespace zol::platform
