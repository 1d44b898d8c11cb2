// TFontInfo: the outline metrics of a font at its layout size, in its font
// units with y growing upward as fonts measure it: ascent and descent (both
// positive), the underline's centre and thickness (the centre negative below
// the baseline) and the strike-out stroke's top and thickness. A plain value.
#pragma once

#include <cstdint>

namespace zol {

struct TFontInfo {
  int32_t ascent = 0;
  int32_t descent = 0;
  float underlinePosition = 0;
  float underlineSize = 0;
  float strikeOutPosition = 0;
  float strikeOutSize = 0;

  // The metrics of a font that has no outline metrics of its own, made from
  // its ascent and descent alone.
  static TFontInfo FromTextMetrics(int32_t ascent, int32_t descent) {
    TFontInfo info;
    info.ascent = ascent;
    info.descent = descent;
    info.underlinePosition = -float(descent) / 2;
    info.underlineSize = float(descent) / 4;
    info.strikeOutPosition = float(ascent - descent) / 2;
    info.strikeOutSize = info.underlineSize;
    return info;
  }

  friend bool operator==(const TFontInfo&, const TFontInfo&) = default;
};

}  // namespace zol
