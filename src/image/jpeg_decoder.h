// JPEG decoding through libjpeg-turbo: the header facts and the pixels at
// 1/1, 1/2, 1/4 or 1/8 scale. Every call has its own decompressor, so calls
// may run on any threads at once.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

struct TJpegInfo {
  int width = 0;
  int height = 0;
  int components = 0;
  bool grey = false;
  bool progressive = false;  // several scans
};

// DATA's header; none when libjpeg refuses it, a side is 0 or the colour
// space is not one we turn into RGB (grey, YCbCr, RGB, CMYK, YCCK).
std::optional<TJpegInfo> ReadJpegInfo(std::span<const uint8_t> data);

// DATA decoded at 1 / 2^LEVEL (LEVEL 0 … 3) into a new kRGB32 bitmap; grey
// pictures are widened to three equal channels. PROGRESS (may be empty) gets
// the fraction done after each output row; for progressive files the
// reading of the scans is the first half. False from PROGRESS stops the
// decode, which then gives none. A file that breaks off after some rows gives
// those rows (the rest black); one that gives no row at all gives none.
TRef<TPixelImage> DecodeJpeg(std::span<const uint8_t> data, int level,
                             const std::function<bool(double)>& progress);

}  // namespace zol
