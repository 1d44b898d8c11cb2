// PNG decoding through libpng: the header facts and the pixels as 8-bit
// B, G, R and alpha (or an unused fourth byte when the picture has no alpha).
// Every call has its own decoder, so calls may run on any threads at once.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

struct TPngInfo {
  int width = 0;
  int height = 0;
  bool alpha = false;  // an alpha channel or a transparent colour
  bool interlaced = false;
};

// DATA's header; none when libpng refuses it.
std::optional<TPngInfo> ReadPngInfo(std::span<const uint8_t> data);

// DATA's pixels in a new bitmap, kARGB32 when the picture has alpha, else
// kRGB32. PROGRESS (may be empty) gets the fraction done after each row;
// false stops the decode, which then gives none. A file that breaks off
// after some rows gives those rows (the rest black or transparent).
TRef<TPixelImage> DecodePng(std::span<const uint8_t> data, const std::function<bool(double)>& progress);

}  // namespace zol
