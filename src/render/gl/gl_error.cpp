#include "render/gl/gl_error.h"

#include <epoxy/gl.h>

#include "foundation/log.h"
#include "render/device_object.h"

namespace zol {

uint8_t TakeGLError() {
  uint8_t code = kDeviceOk;
  for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError()) {
    LogInt("Dx Error = ", int64_t(e));
    uint8_t c = e == GL_OUT_OF_MEMORY ? kDeviceOutOfVideoMemory
                : (e == GL_INVALID_ENUM || e == GL_INVALID_VALUE || e == GL_INVALID_OPERATION ||
                   e == GL_INVALID_FRAMEBUFFER_OPERATION)
                    ? kDeviceInvalidCall
                    : kDeviceOtherError;
    if (code == kDeviceOk) code = c;
  }
  return code;
}

}  // namespace zol
