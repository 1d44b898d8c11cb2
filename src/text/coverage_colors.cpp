#include "text/coverage_colors.h"

#include <algorithm>
#include <cmath>

#include "render/color.h"

namespace zol {

std::array<uint32_t, 257> CoverageColors(uint32_t textColor, uint32_t backgroundColor) {
  std::array<uint32_t, 257> colors{};
  const double textAlpha = ColorA(textColor) / 255.0, backAlpha = ColorA(backgroundColor) / 255.0;
  for (int c = 0; c <= 256; ++c) {
    const double source = textAlpha * c / 256.0;
    const double alpha = source + backAlpha * (1 - source);
    if (alpha <= 0) {
      colors[c] = backgroundColor & 0x00FFFFFFu;
      continue;
    }
    auto channel = [&](uint8_t text, uint8_t back) {
      const double v = (text * source + back * backAlpha * (1 - source)) / alpha;
      return uint8_t(std::clamp(std::lround(v), 0L, 255L));
    };
    colors[c] = PackColor(channel(ColorR(textColor), ColorR(backgroundColor)),
                          channel(ColorG(textColor), ColorG(backgroundColor)),
                          channel(ColorB(textColor), ColorB(backgroundColor)),
                          uint8_t(std::clamp(std::lround(alpha * 255), 0L, 255L)));
  }
  return colors;
}

void PaintCoverage(const TCoverageBitmap& coverage, uint32_t textColor, uint32_t backgroundColor,
                   TPixelImage& out) {
  const std::array<uint32_t, 257> colors = CoverageColors(textColor, backgroundColor);
  const int width = std::min(coverage.width, out.Width());
  const int height = std::min(coverage.height, out.Height());
  for (int y = 0; y < height; ++y) {
    const uint16_t* row = coverage.Row(y);
    if (out.Format() != TPixelFormat::kARGB32) {
      for (int x = 0; x < width; ++x) out.SetPixel(x, y, colors[std::min<uint16_t>(row[x], 256)]);
      continue;
    }
    // ARGB words are stored little-endian (B, G, R, A), as on every target.
    uint8_t* pixels = out.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colors[std::min<uint16_t>(row[x], 256)];
      pixels[4 * x + 0] = uint8_t(c);
      pixels[4 * x + 1] = uint8_t(c >> 8);
      pixels[4 * x + 2] = uint8_t(c >> 16);
      pixels[4 * x + 3] = uint8_t(c >> 24);
    }
  }
}

}  // namespace zol
