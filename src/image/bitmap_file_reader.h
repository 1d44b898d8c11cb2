// The program's own reader of Windows bitmap files (".bmp", ".dib"): file and
// info header, 1-, 4- and 8-bit palettes, 16-bit 5-5-5 or bit fields, 24- and
// 32-bit pixels, rows padded to 4 bytes, bottom-up or top-down. Pure
// functions over bytes already in memory; any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

struct TBitmapFileInfo {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha (16 and 32 bits)
  std::vector<uint32_t> palette;    // ARGB, 1 << bitCount entries (up to 8 bits)
  size_t pixelOffset = 0;           // first stored row (the bottom one unless topDown)
  size_t rowBytes = 0;              // stored row length with its padding
  bool alpha = false;               // the pixels carry alpha worth keeping
};

// The header of the bitmap file DATA; none when it is not one this reader
// decodes (no "BM", RLE or embedded JPEG/PNG compression, bad sizes, too big).
std::optional<TBitmapFileInfo> ReadBitmapFileHeader(std::span<const uint8_t> data);

// The pixels of DATA as INFO describes them, in kARGB32 when INFO.alpha, else
// kRGB32. Rows the file does not hold (it was cut short) stay black.
// PROGRESS (may be empty) gets the fraction done after each row; false stops
// the decode, which then gives none.
TRef<TPixelImage> DecodeBitmapFile(std::span<const uint8_t> data, const TBitmapFileInfo& info,
                                   const std::function<bool(double)>& progress = {});

}  // namespace zol
