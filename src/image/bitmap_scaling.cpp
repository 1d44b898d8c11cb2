#include "image/bitmap_scaling.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "image/bitmap_store.h"
#include "render/color.h"

namespace zol {

TRef<TPixelImage> ShrinkBitmap(const TPixelImage& source, int level) {
  const TPixelFormat format = source.Format();
  if (level <= 0) {
    auto copy = MakeRef<TPixelImage>(source.Width(), source.Height(), format);
    copy->CopyFrom(source);
    return copy;
  }
  const int block = 1 << level;
  const int width = TBitmapStore::LevelSize(source.Width(), level);
  const int height = TBitmapStore::LevelSize(source.Height(), level);
  auto result = MakeRef<TPixelImage>(width, height, format);
  const bool alpha = format == TPixelFormat::kARGB32;
  // Sums of one output row: B, G, R weighted by alpha, alpha, pixel count.
  std::vector<uint64_t> sums(size_t(width) * 5);
  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    const int yEnd = std::min(source.Height(), (y + 1) * block);
    for (int sy = y * block; sy < yEnd; ++sy) {
      if (BytesPerPixel(format) == 4) {
        const uint8_t* p = source.ScanLine(sy);
        for (int sx = 0; sx < source.Width(); ++sx, p += 4) {
          uint64_t* s = &sums[size_t(sx >> level) * 5];
          const uint32_t a = alpha ? p[3] : 255;
          s[0] += uint64_t(p[0]) * a, s[1] += uint64_t(p[1]) * a, s[2] += uint64_t(p[2]) * a;
          s[3] += a, s[4] += 1;
        }
      } else {
        for (int sx = 0; sx < source.Width(); ++sx) {
          const uint32_t c = source.GetPixel(sx, sy);
          uint64_t* s = &sums[size_t(sx >> level) * 5];
          s[0] += uint64_t(ColorB(c)) * 255, s[1] += uint64_t(ColorG(c)) * 255,
              s[2] += uint64_t(ColorR(c)) * 255;
          s[3] += 255, s[4] += 1;
        }
      }
    }
    for (int x = 0; x < width; ++x) {
      const uint64_t* s = &sums[size_t(x) * 5];
      const uint64_t weight = s[3];
      auto channel = [&](int i) { return weight ? uint8_t((s[i] + weight / 2) / weight) : uint8_t(0); };
      const uint8_t a = s[4] ? uint8_t((s[3] + s[4] / 2) / s[4]) : 0;
      result->SetPixel(x, y, PackColor(channel(2), channel(1), channel(0), alpha ? a : 255));
    }
  }
  return result;
}

}  // namespace zol
