#include "foundation/real_text.h"

#include <charconv>

namespace zol {

std::string RealToText(double value) {
  // Fixed notation of the largest doubles needs about 310 digits before the point.
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 16);
  if (ec != std::errc()) return "0";
  std::string text(buffer, end);
  if (text.find('.') != std::string::npos) {
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace zol
