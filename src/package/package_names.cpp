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

std::string UnescapePackageName(std::string_view section) {
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  out.reserve(section.size());
  for (size_t i = 0; i < section.size(); ++i) {
    char c = section[i];
    if (c == '<') {
      out += '[';
    } else if (c == '>') {
      out += ']';
    } else if (c == '#' && i + 2 < section.size() && hex(section[i + 1]) >= 0 && hex(section[i + 2]) >= 0 &&
               hex(section[i + 1]) * 16 + hex(section[i + 2]) < 32) {
      out += char(hex(section[i + 1]) * 16 + hex(section[i + 2]));
      i += 2;
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
