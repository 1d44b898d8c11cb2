#include "foundation/elf_hash.h"

#include "foundation/utf8.h"

namespace zol {

uint32_t ElfHash(std::string_view text) {
  uint32_t h = 0;
  auto step = [&h](uint8_t byte) {
    h = (h << 4) + byte;
    uint32_t g = h & 0xF0000000u;
    if (g != 0) {
      h ^= g >> 24;
      h &= 0x0FFFFFFFu;
    }
  };
  for (size_t pos = 0; pos < text.size();) {
    char32_t cp = utf8::Next(text, pos);
    if (cp >= utf8::kInvalidBase) cp = 0xFFFD;
    if (cp >= 0x10000) {  // a surrogate pair: two code units
      cp -= 0x10000;
      step(uint8_t(0xD800 + (cp >> 10)));
      step(uint8_t(0xDC00 + (cp & 0x3FF)));
    } else {
      step(uint8_t(cp));
    }
  }
  return h;
}

}  // namespace zol
