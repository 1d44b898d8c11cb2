// The pixel formats images and device surfaces are described with.
#pragma once

#include <cstdint>

namespace zol {

enum class TPixelFormat : uint8_t {
  kARGB32,    // 32-bit, bytes B, G, R, A
  kRGB32,     // 32-bit, bytes B, G, R, unused (reads as opaque)
  kRGB565,    // 16-bit 5-6-5, red in the high bits
  kXRGB1555,  // 16-bit 1-5-5-5, top bit unused
  kGray8,     // 8-bit luminance (or alpha)
};

constexpr int BytesPerPixel(TPixelFormat f) {
  switch (f) {
    case TPixelFormat::kARGB32:
    case TPixelFormat::kRGB32:
      return 4;
    case TPixelFormat::kRGB565:
    case TPixelFormat::kXRGB1555:
      return 2;
    case TPixelFormat::kGray8:
      return 1;
  }
  return 4;
}

}  // namespace zol
