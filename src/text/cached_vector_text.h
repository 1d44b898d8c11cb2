// TCachedVectorText: a laid-out text: the font's metrics and, per line, the
// glyphs in visual order, each naming its font (by an index into the text's
// font keys), its glyph index and its horizontal position in font units.
// Made once (read from a package or laid out) and then only read, by any
// thread that holds it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ref.h"
#include "text/font_info.h"

namespace zol {

struct TGlyphPointer {
  uint16_t font = 0;        // index into the text's font keys
  uint16_t glyphIndex = 0;
  int32_t position = 0;     // pen position, whole font units
  float offset = 0;         // added to the position (the part below one unit)
  float yOffset = 0;        // vertical shift, y downward (marks placed by the shaper)

  double X() const { return double(position) + double(offset); }
  friend bool operator==(const TGlyphPointer&, const TGlyphPointer&) = default;
};

struct TGlyphLine {
  std::vector<TGlyphPointer> glyphs;
  // The pen advance of the whole line in font units when the layout knows
  // it; negative when it must be found from the glyphs' advances (stored
  // layouts do not carry it).
  double width = -1;
  friend bool operator==(const TGlyphLine&, const TGlyphLine&) = default;
};

class TCachedVectorText : public TRefObject {
 public:
  TFontInfo fontInfo;
  std::vector<std::string> fontKeys;
  std::vector<TGlyphLine> lines;

  // The index of KEY among the font keys, added when new.
  uint16_t FontIndex(std::string_view key);
};

}  // namespace zol
