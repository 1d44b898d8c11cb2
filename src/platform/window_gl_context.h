// OpenGL 3.3 core contexts drawing into an OutputWindow through SDL. The
// window must outlive the context. Any thread, one at a time.
#pragma once

#include <memory>
#include <string>

#include "platform/gl_context.h"
#include "platform/window_output.h"

namespace zol::platform {

// A context for WINDOW, robust when the driver offers it; none with ERROR
// filled when no context can be made.
std::unique_ptr<GLContext> CreateWindowGLContext(OutputWindow& window, std::string& error);

}  // namespace zol::platform
