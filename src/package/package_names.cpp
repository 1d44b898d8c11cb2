#include "package/package_names.h"

namespace zol {

std::string EscapePackageName(std::string_view name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    auto byte = uint8_t(c);
    if (c == '[') {
      out += '<';
    } else if (c == ']') {
      out += '>';
    } else if (byte < 32) {
      out += '#';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  return out;
}

std::string PackageKey(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c == '/') c = '\\';
  return key;
}

}  // namespace zol
