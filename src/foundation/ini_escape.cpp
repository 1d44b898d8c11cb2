#include "foundation/ini_escape.h"

namespace zol {

std::string EscapeValue(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r' || c == '\n') {
      char pair = c == '\r' ? '\n' : '\r';
      if (i + 1 < text.size() && text[i + 1] == pair) ++i;
      out += "\\n";
    } else if (uint8_t(c) >= 32) {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> UnescapeValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    if (text[i] == '\\')
      out += '\\';
    else if (text[i] == 'n')
      out += "\r\n";
    else
      return std::nullopt;
  }
  return out;
}

std::string UnescapeValueOrEmpty(std::string_view text) {
  std::optional<std::string> value = UnescapeValue(text);
  return value ? std::move(*value) : std::string();
}

}  // namespace zol
