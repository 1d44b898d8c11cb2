#include "foundation/case_fold.h"

#include <algorithm>
#include <iterator>

#include "foundation/utf8.h"

namespace zol {
namespace {

struct FoldPair {
  char32_t from, to;
};
constexpr FoldPair kFoldTable[] = {
#include "foundation/case_fold_table.inc"
};

// Next folded code point of TEXT at POS, with an ASCII fast path.
inline char32_t NextFolded(std::string_view text, size_t& pos) {
  auto c = uint8_t(text[pos]);
  if (c < 0x80) {
    ++pos;
    return c >= 'A' && c <= 'Z' ? char32_t(c + 32) : char32_t(c);
  }
  return FoldCase(utf8::Next(text, pos));
}

}  // namespace

char32_t FoldCase(char32_t cp) {
  if (cp < 0x80) return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp;
  auto it = std::lower_bound(std::begin(kFoldTable), std::end(kFoldTable), cp,
                             [](const FoldPair& p, char32_t v) { return p.from < v; });
  return it != std::end(kFoldTable) && it->from == cp ? it->to : cp;
}

std::string FoldCaseText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) utf8::Append(out, NextFolded(text, pos));
  return out;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    // Identical bytes need no folding; most names differ in case only, if at all.
    if (a[i] == b[j] && uint8_t(a[i]) < 0x80) {
      ++i, ++j;
      continue;
    }
    if (NextFolded(a, i) != NextFolded(b, j)) return false;
  }
  return i == a.size() && j == b.size();
}

uint32_t HashNoCase(std::string_view text) {
  uint32_t h = 2166136261u;
  for (size_t pos = 0; pos < text.size();) {
    char32_t cp = NextFolded(text, pos);
    // Hash the code point's bytes so that every code point counts fully.
    for (int shift = 0; shift < 24; shift += 8) {
      h ^= (cp >> shift) & 0xFF;
      h *= 16777619u;
    }
  }
  return h;
}

}  // namespace zol
