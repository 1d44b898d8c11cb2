// Test helper: compares texts whose numbers vary from run to run (dates, ids,
// times) by turning every run of digits into a single '#'.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace zol::test {

inline std::string MaskDigits(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i]))) {
      if (out.empty() || out.back() != '#') out.push_back('#');
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

}  // namespace zol::test
