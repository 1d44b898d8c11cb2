// The lexer of project texts: what one line is (text, keyed item, section
// header, object header or object end) and its parts. Works on bytes; every
// byte 0-32 except CR and LF counts as a blank. Pure functions, any thread.
#pragma once

#include <cstdint>
#include <string_view>

namespace zol {

enum class TIniLineKind : uint8_t { Text, Keyed, Section, Object, End };

// One classified line; NAME and VALUE point into the line.
struct TIniLine {
  TIniLineKind kind = TIniLineKind::Text;
  std::string_view name;   // key, section name or object name
  std::string_view value;  // text, key value or object type
};

inline bool IsIniBlank(char c) {
  auto b = uint8_t(c);
  return b <= 32 && b != '\r' && b != '\n';
}

std::string_view TrimIniBlanks(std::string_view text);
std::string_view TrimIniBlanksRight(std::string_view text);

// LINE holds no line end.
TIniLine ClassifyIniLine(std::string_view line);

}  // namespace zol
