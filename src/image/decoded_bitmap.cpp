#include "image/decoded_bitmap.h"

#include <cstring>

namespace zol {
namespace {
size_t BytesOf(int width, int height, TPixelFormat format) {
  return size_t(std::max(width, 0)) * size_t(std::max(height, 0)) * size_t(BytesPerPixel(format));
}
}  // namespace

TDecodedBitmap::TDecodedBitmap(int width, int height, TPixelFormat format, bool cleared)
    : TPooledPixels(BytesOf(width, height, format)),
      TPixelImage(width, height, format, block_.bytes.get(), ptrdiff_t(width) * BytesPerPixel(format)) {
  if (cleared) std::memset(block_.bytes.get(), 0, BytesOf(width, height, format));
}

}  // namespace zol
