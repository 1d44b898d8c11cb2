#include "foundation/ini_line.h"

#include <cstring>

namespace zol {
namespace {

bool IsWordByte(char c) {
  auto b = uint8_t(c);
  // Bytes from 0x80 on belong to non-ASCII characters, which are letters or
  // marks often enough that "objectÿ" is better read as one word.
  return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_' ||
         b >= 0x80;
}

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && IsIniBlank(text[pos])) ++pos;
  return pos;
}

// Whether LINE at POS holds the keyword WORD (lower case) in any letter
// case, as a whole word, and not as the name of a keyed item ("end = 1").
// AFTER receives the position after the word and the blanks behind it.
bool IsKeyword(std::string_view line, size_t pos, std::string_view word, size_t& after) {
  if (line.size() - pos < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if ((line[pos + i] | 0x20) != word[i]) return false;
  size_t end = pos + word.size();
  if (end < line.size() && IsWordByte(line[end])) return false;
  after = SkipBlanks(line, end);
  return after == line.size() || line[after] != '=';
}

}  // namespace

std::string_view TrimIniBlanksRight(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && IsIniBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

std::string_view TrimIniBlanks(std::string_view text) {
  return TrimIniBlanksRight(text.substr(SkipBlanks(text, 0)));
}

TIniLine ClassifyIniLine(std::string_view line) {
  size_t start = SkipBlanks(line, 0);
  if (start == line.size()) return {};
  char first = line[start];

  if (first == ';' || first == '=') return {TIniLineKind::Text, {}, TrimIniBlanksRight(line.substr(start))};

  if (first == '[') {
    size_t open = SkipBlanks(line, start + 1);
    size_t close = line.find(']', open);
    if (close != std::string_view::npos)
      return {TIniLineKind::Section, TrimIniBlanksRight(line.substr(open, close - open)), {}};
    // Without "]" the line is no header; it reads as a keyed item or text.
  } else if ((first | 0x20) == 'o' || (first | 0x20) == 'e') {
    size_t after;
    if (IsKeyword(line, start, "object", after)) {
      std::string_view rest = line.substr(after);
      size_t colon = rest.rfind(':');
      if (colon == std::string_view::npos) return {TIniLineKind::Object, TrimIniBlanksRight(rest), {}};
      return {TIniLineKind::Object, TrimIniBlanksRight(rest.substr(0, colon)),
              TrimIniBlanks(rest.substr(colon + 1))};
    }
    if (IsKeyword(line, start, "end", after)) return {TIniLineKind::End, {}, {}};
  }

  std::string_view body = line.substr(start);
  if (const void* eq = std::memchr(body.data(), '=', body.size())) {
    size_t at = size_t(static_cast<const char*>(eq) - body.data());
    return {TIniLineKind::Keyed, TrimIniBlanksRight(body.substr(0, at)), TrimIniBlanks(body.substr(at + 1))};
  }
  return {TIniLineKind::Text, {}, TrimIniBlanksRight(body)};
}

}  // namespace zol
