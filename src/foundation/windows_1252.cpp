#include "foundation/windows_1252.h"

#include <cstdint>

#include "foundation/utf8.h"

namespace zol {
namespace {

// Code points of 0x80-0x9F; 0xA0-0xFF are the same numbers in Unicode.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    auto b = uint8_t(c);
    if (b < 0x80)
      out.push_back(c);
    else
      utf8::Append(out, b < 0xA0 ? char32_t(kHigh[b - 0x80]) : char32_t(b));
  }
  return out;
}

}  // namespace zol
