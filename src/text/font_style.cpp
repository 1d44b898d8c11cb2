#include "text/font_style.h"

#include "foundation/case_fold.h"

namespace zol {

TFontStyle ParseFontStyle(std::string_view text) {
  TFontStyle style;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find_first_of(" ,;|[]+\t", pos);
    std::string_view word = text.substr(pos, end == std::string_view::npos ? text.size() - pos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    if (word.size() > 2 && EqualNoCase(word.substr(0, 2), "fs")) word.remove_prefix(2);
    if (EqualNoCase(word, "bold")) style.bold = true;
    else if (EqualNoCase(word, "italic")) style.italic = true;
    else if (EqualNoCase(word, "underline")) style.underline = true;
    else if (EqualNoCase(word, "strikeout")) style.strikeOut = true;
  }
  return style;
}

std::string FontStyleText(const TFontStyle& style) {
  std::string text;
  auto add = [&](const char* word) { text += text.empty() ? word : std::string(", ") + word; };
  if (style.bold) add("Bold");
  if (style.italic) add("Italic");
  if (style.underline) add("Underline");
  if (style.strikeOut) add("StrikeOut");
  return text.empty() ? "Regular" : text;
}

}  // namespace zol
