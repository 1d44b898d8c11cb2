#include "render/gl/gl_formats.h"

#include <epoxy/gl.h>

namespace zol {

TGLFormat GLFormatOfKind(uint8_t kind) {
  switch (kind) {
    case 1:
    case kTextureBackBuffer:
      // No alpha: stored with one, but always sampled as opaque.
      return {GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, TPixelFormat::kRGB32, {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}};
    case 3:
      // Luminance: one channel seen as grey.
      return {GL_R8, GL_RED, GL_UNSIGNED_BYTE, TPixelFormat::kGray8, {GL_RED, GL_RED, GL_RED, GL_ONE}};
    case 4:
      return {GL_RGB565,
              GL_RGB,
              GL_UNSIGNED_SHORT_5_6_5,
              TPixelFormat::kRGB565,
              {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}};
    default:  // 0 and 2
      return {
          GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, TPixelFormat::kARGB32, {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA}};
  }
}

}  // namespace zol
