// TDecodedBitmap: a bitmap whose pixels live in a block of the bitmap pool,
// for decoders that write every pixel themselves (no clearing needed) and to
// spare the system mapping fresh pages for each large picture. The block goes
// back to the pool when the bitmap is freed. One user at a time, like any
// TPixelImage.
#pragma once

#include "foundation/ref.h"
#include "image/bitmap_pool.h"
#include "render/pixel_image.h"

namespace zol {

// Holds the pool block; a base so it exists before the image is built on it.
class TPooledPixels {
 protected:
  explicit TPooledPixels(size_t size) : block_(TBitmapPool::Process().Take(size)) {}
  ~TPooledPixels() { TBitmapPool::Process().Give(std::move(block_)); }
  TPooledPixels(const TPooledPixels&) = delete;
  TPooledPixels& operator=(const TPooledPixels&) = delete;

  TBitmapPool::TBlock block_;
};

class TDecodedBitmap : private TPooledPixels, public TPixelImage {
 public:
  // A WIDTH × HEIGHT bitmap of FORMAT whose pixels are undefined until
  // written (zero when CLEARED).
  TDecodedBitmap(int width, int height, TPixelFormat format, bool cleared);
};

}  // namespace zol
