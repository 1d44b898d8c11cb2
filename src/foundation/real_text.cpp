#include "foundation/real_text.h"

#include <charconv>
#include <string_view>

namespace zol {

std::string RealToText(double value) {
  // Fixed notation of the largest doubles needs about 310 digits before the point.
  char buffer[400];
  // The shortest text that reads back as the same double, so that 123.456 is
  // not written with the binary noise of its 16th decimal; values that need
  // more than 16 decimals are rounded to 16.
  std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (written.ec != std::errc()) return "0";
  std::string_view shortest(buffer, size_t(written.ptr - buffer));
  if (auto dot = shortest.find('.'); dot != std::string_view::npos && shortest.size() - dot - 1 > 16) {
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 16);
    if (written.ec != std::errc()) return "0";
  }
  std::string text(buffer, written.ptr);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
  }
  if (text == "-0") return std::string(1, '0');
  return text;
}

}  // namespace zol
