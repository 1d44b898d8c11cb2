// TFontStyle: the "FontStyle" of a text: bold, italic, underline and
// strike-out, read from and written as a style text such as
// "Bold, Italic" (Delphi's "[fsBold,fsItalic]" reads the same).
// Plain values and pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

namespace zol {

struct TFontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  friend bool operator==(const TFontStyle&, const TFontStyle&) = default;
};

// Words are matched without regard to case, with or without the "fs"
// prefix; "Regular", "Normal" and unknown words add nothing.
TFontStyle ParseFontStyle(std::string_view text);
// "Regular" or the set words joined by ", ".
std::string FontStyleText(const TFontStyle& style);

}  // namespace zol
