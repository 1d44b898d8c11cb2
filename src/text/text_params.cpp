#include "text/text_params.h"

#include <algorithm>
#include <cstdio>

namespace zol {

std::string LayoutKey(const TTextParams& params) {
  // FNV-1a over the lines, each ended by a line feed.
  uint64_t hash = 0xcbf29ce484222325ull;
  for (const std::string& line : params.lines) {
    for (unsigned char c : line) hash = (hash ^ c) * 0x100000001b3ull;
    hash = (hash ^ '\n') * 0x100000001b3ull;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  TFontStyle faceStyle;
  faceStyle.bold = params.style.bold;
  faceStyle.italic = params.style.italic;
  // "|" would read as "file|part" when the name is opened in a package.
  std::string key = params.Font().Family() + ", " + FontStyleText(faceStyle) + ", " + hex;
  std::replace(key.begin(), key.end(), '|', '_');
  return key;
}

}  // namespace zol
