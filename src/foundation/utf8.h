// UTF-8 walking and conversion to and from UTF-16 code units. Bytes that are
// not valid UTF-8 are kept distinguishable: each reads as its own code
// kInvalidBase + byte, outside the Unicode range. Pure functions, any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zol::utf8 {

constexpr char32_t kInvalidBase = 0x110000;

// Decodes the code point at text[pos] and advances pos past it.
char32_t Next(std::string_view text, size_t& pos);

void Append(std::string& out, char32_t codePoint);

std::u16string ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string FromUtf16(std::u16string_view text);

}  // namespace zol::utf8
