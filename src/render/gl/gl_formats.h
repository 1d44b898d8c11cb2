// How each texture kind is stored in OpenGL: internal format, the transfer
// format matching the program's pixel layout, and the swizzle that makes it
// sample like the kind it stands for. Pure data.
#pragma once

#include <cstdint>

#include "render/pixel_format.h"

namespace zol {

// The back buffer is a texture like a render target, with its own kind code.
constexpr uint8_t kTextureBackBuffer = 0xFF;

struct TGLFormat {
  unsigned int internalFormat;
  unsigned int format;  // transfer format
  unsigned int type;    // transfer type
  TPixelFormat pixelFormat;
  int swizzle[4];  // GL swizzle sources for r, g, b, a
};

TGLFormat GLFormatOfKind(uint8_t kind);

// The texture unit used for uploads, out of the way of the drawing stages.
constexpr int kUploadTextureUnit = 20;

}  // namespace zol
