// The first frame of a GIF file through giflib, on a canvas of the file's
// screen size. Every call has its own decoder, so calls may run on any
// threads at once.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

struct TGifInfo {
  int width = 0;  // the logical screen
  int height = 0;
  bool alpha = false;  // the first frame has a transparent colour or leaves part of the screen bare
};

// DATA's screen and first frame description; none when giflib refuses it
// or it has no frame.
std::optional<TGifInfo> ReadGifInfo(std::span<const uint8_t> data);

// The first frame drawn on a transparent canvas, kARGB32 when INFO.alpha
// else kRGB32. PROGRESS (may be empty) gets the fraction after each row;
// false stops. Rows of a file cut short stay transparent; none when not one
// row decodes.
TRef<TPixelImage> DecodeGifFirstFrame(std::span<const uint8_t> data, const TGifInfo& info,
                                      const std::function<bool(double)>& progress);

}  // namespace zol
