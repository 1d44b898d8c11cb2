#include "image/bitmap_rotation.h"

#include <cstring>

namespace zol {

TRef<TPixelImage> RotateBitmap(const TPixelImage& source, TImageTransform transform) {
  const int w = source.Width(), h = source.Height();
  const int bytes = BytesPerPixel(source.Format());
  const bool swap = SwapsSides(transform);
  auto result = MakeRef<TPixelImage>(swap ? h : w, swap ? w : h, source.Format());
  for (int y = 0; y < result->Height(); ++y) {
    uint8_t* out = result->ScanLine(y);
    for (int x = 0; x < result->Width(); ++x, out += bytes) {
      int sx = 0, sy = 0;
      switch (transform) {
        case TImageTransform::Rotate180:  // upside down: both axes reversed
          sx = w - 1 - x, sy = h - 1 - y;
          break;
        case TImageTransform::QuarterRight:  // clockwise: the left column becomes the top row
          sx = y, sy = h - 1 - x;
          break;
        case TImageTransform::QuarterLeft:  // counter-clockwise: the right column becomes the top row
          sx = w - 1 - y, sy = x;
          break;
      }
      std::memcpy(out, source.ScanLine(sy) + ptrdiff_t(sx) * bytes, size_t(bytes));
    }
  }
  return result;
}

}  // namespace zol
