// TTextElement: one line as the vectoriser shaped it: runs of glyphs of one
// face each, in visual order left to right, with positions in units of the
// layout em, and the line's pen advance. TGlyphInfo names one glyph to fetch
// the outline of. Plain values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/glyph_data.h"

namespace zol {

struct TPlacedGlyph {
  uint16_t index = 0;
  double x = 0;  // pen position plus the shaper's shift
  double y = 0;  // the shaper's vertical shift, y downward
};

struct TShapedRun {
  std::string fontKey;
  bool rightToLeft = false;
  std::vector<TPlacedGlyph> glyphs;
};

struct TTextElement {
  std::vector<TShapedRun> runs;
  double width = 0;
};

struct TGlyphInfo {
  std::string fontKey;
  uint16_t index = 0;
  int32_t position = 0;
  TGlyphMetrics metrics;
};

}  // namespace zol
