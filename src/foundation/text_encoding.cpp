#include "foundation/text_encoding.h"

#include <cstdint>
#include <cstring>

#include "foundation/utf8.h"
#include "foundation/windows_1252.h"
#include "platform/code_page.h"

namespace zol {
namespace {

bool IsAscii(std::string_view bytes) {
  const char* p = bytes.data();
  size_t n = bytes.size();
  uint64_t any = 0;
  for (; n >= 8; p += 8, n -= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    any |= word;
  }
  for (; n > 0; ++p, --n) any |= uint8_t(*p);
  return (any & 0x8080808080808080ull) == 0;
}

}  // namespace

TTextEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return TTextEncoding::Utf8;
  if (bytes.starts_with("\xFF\xFE")) return TTextEncoding::Utf16Le;
  return TTextEncoding::Ansi;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](size_t i) { return char32_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8); };
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        utf8::Append(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    utf8::Append(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
  }
  if (i < bytes.size()) utf8::Append(out, 0xFFFD);
  return out;
}

std::string_view DecodeProjectText(std::string_view bytes, int ansiCodePage, std::string& converted) {
  switch (DetectTextEncoding(bytes)) {
    case TTextEncoding::Utf8:
      return bytes.substr(3);
    case TTextEncoding::Utf16Le:
      converted = Utf16LeToUtf8(bytes.substr(2));
      return converted;
    case TTextEncoding::Ansi:
      break;
  }
  // Every Windows ANSI code page keeps ASCII as it is.
  if (IsAscii(bytes)) return bytes;
  if (ansiCodePage != 1252) {
    if (std::optional<std::string> text = platform::CodePageToUtf8(bytes, ansiCodePage)) {
      converted = std::move(*text);
      return converted;
    }
  }
  converted = Windows1252ToUtf8(bytes);
  return converted;
}

}  // namespace zol
