// Headless OpenGL contexts on EGL's surfaceless platform (Mesa): no display,
// no window, drawing only into framebuffer objects. Any thread.
#pragma once

#include <memory>
#include <string>

#include "platform/gl_context.h"

namespace zol::platform {

// A new OpenGL 3.3 core context, robust when the driver offers it; none with
// ERROR filled when no context can be made.
std::unique_ptr<GLContext> CreateHeadlessGLContext(std::string& error);

}  // namespace zol::platform
