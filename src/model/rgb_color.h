// TRgbColor: a colour as three bytes, as the show settings keep the
// background colour around the slides. Plain value.
#pragma once

#include <cstdint>

namespace zol {

struct TRgbColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  // From a 0xRRGGBB word; bits above 23 are ignored.
  static TRgbColor FromRgbWord(int32_t word) {
    const uint32_t w = uint32_t(word);
    return {uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w)};
  }
  friend bool operator==(const TRgbColor&, const TRgbColor&) = default;
};

}  // namespace zol
