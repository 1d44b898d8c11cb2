// TTextParams: everything that decides how a text object's picture looks:
// its lines (after macro expansion), font, style, alignment, line spacing and
// colours; and the key under which a show package stores its layout.
// Plain values; any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/color.h"
#include "text/font_request.h"
#include "text/font_style.h"

namespace zol {

enum class TTextAlign : uint8_t { Left = 0, Center = 1, Right = 2 };

struct TTextParams {
  std::vector<std::string> lines;  // UTF-8
  std::string fontName;            // empty: the default font
  TFontStyle style;
  TTextAlign align = TTextAlign::Center;
  int32_t lineSpacing = 0;  // extra space between lines, percent of a line
  uint32_t textColor = kOpaqueWhite;
  // Nothing: a transparent background (the text colour with zero alpha).
  std::optional<uint32_t> backgroundColor;

  uint32_t Background() const { return backgroundColor ? *backgroundColor : textColor & 0x00FFFFFFu; }
  TFontRequest Font() const { return {fontName, style.bold, style.italic}; }
  friend bool operator==(const TTextParams&, const TTextParams&) = default;
};

// The layout key ("VectTxt2: " + key names the stored layout): the font,
// the face-choosing style words and a 64-bit hash of the exact lines, so
// that texts differing only in letter case (package names are matched
// without regard to case) get different keys; never a "|", which a package
// name reserves for naming a part of a file.
std::string LayoutKey(const TTextParams& params);

}  // namespace zol
