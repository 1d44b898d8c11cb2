#include "image/color_cube.h"

#include <array>

#include "render/color.h"

namespace zol {
namespace {

// For each 8-bit value: the cube step at or below it and the weight (0 … 256)
// of the step above.
struct TStepTable {
  std::array<uint8_t, 256> step{};
  std::array<uint16_t, 256> weight{};
  TStepTable() {
    for (int v = 0; v < 256; ++v) {
      int n = 0;
      while (n + 1 < kCubeSteps && CubeStepValue(n + 1) <= v) ++n;
      step[size_t(v)] = uint8_t(n);
      if (n + 1 < kCubeSteps) {
        const int low = CubeStepValue(n), high = CubeStepValue(n + 1);
        weight[size_t(v)] = uint16_t(((v - low) * 256 + (high - low) / 2) / (high - low));
      }
    }
  }
};

const TStepTable& Steps() {
  static const TStepTable table;
  return table;
}

// The cube entry for steps (r, g, b) as bytes B, G, R.
inline const uint8_t* Entry(const TPixelImage& cube, int r, int g, int b) {
  return cube.ScanLine(r * kCubeSteps + g) + b * 4;
}

// The mapped B, G, R of (red, green, blue) into OUT.
inline void Map(const TPixelImage& cube, uint8_t red, uint8_t green, uint8_t blue, uint8_t* out) {
  const TStepTable& s = Steps();
  const int r0 = s.step[red], g0 = s.step[green], b0 = s.step[blue];
  const int r1 = r0 + (r0 + 1 < kCubeSteps), g1 = g0 + (g0 + 1 < kCubeSteps), b1 = b0 + (b0 + 1 < kCubeSteps);
  const int wr = s.weight[red], wg = s.weight[green], wb = s.weight[blue];
  for (int c = 0; c < 3; ++c) {
    auto along = [&](int r, int g) {
      return Entry(cube, r, g, b0)[c] * (256 - wb) + Entry(cube, r, g, b1)[c] * wb;  // × 256
    };
    const int64_t g0v = int64_t(along(r0, g0)) * (256 - wg) + int64_t(along(r0, g1)) * wg;  // × 65536
    const int64_t g1v = int64_t(along(r1, g0)) * (256 - wg) + int64_t(along(r1, g1)) * wg;
    const int64_t v = g0v * (256 - wr) + g1v * wr;  // × 2^24
    out[c] = uint8_t((v + (int64_t(1) << 23)) >> 24);
  }
}

}  // namespace

TRef<TPixelImage> MakeIdentityCube() {
  auto cube = MakeRef<TPixelImage>(kCubeWidth, kCubeHeight, TPixelFormat::kRGB32);
  for (int r = 0; r < kCubeSteps; ++r)
    for (int g = 0; g < kCubeSteps; ++g)
      for (int b = 0; b < kCubeSteps; ++b)
        cube->SetPixel(b, r * kCubeSteps + g,
                       PackColor(CubeStepValue(r), CubeStepValue(g), CubeStepValue(b), 255));
  return cube;
}

bool IsCubeBitmap(const TPixelImage& bitmap) {
  return bitmap.Width() == kCubeWidth && bitmap.Height() == kCubeHeight &&
         BytesPerPixel(bitmap.Format()) == 4;
}

uint32_t MapColorThroughCube(uint32_t argb, const TPixelImage& cube) {
  uint8_t out[3];
  Map(cube, ColorR(argb), ColorG(argb), ColorB(argb), out);
  return PackColor(out[2], out[1], out[0], ColorA(argb));
}

void MapBitmapThroughCube(TPixelImage& bitmap, const TPixelImage& cube) {
  if (BytesPerPixel(bitmap.Format()) != 4) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) Map(cube, p[2], p[1], p[0], p);
  }
}

}  // namespace zol
