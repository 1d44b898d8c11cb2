// Turns pending OpenGL errors into a last-error code (0 none, 1 invalid call,
// 2 out of video memory, 3 anything else) and logs them. Context current.
#pragma once

#include <cstdint>

namespace zol {

uint8_t TakeGLError();

}  // namespace zol
