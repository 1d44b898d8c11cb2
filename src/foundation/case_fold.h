// Case-insensitive text: Unicode simple case folding over UTF-8, used for
// names in project texts and option names. Pure functions, any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zol {

char32_t FoldCase(char32_t codePoint);

// TEXT with every character folded (bytes that are not UTF-8 kept as they are).
std::string FoldCaseText(std::string_view text);

// True when A and B are equal after folding.
bool EqualNoCase(std::string_view a, std::string_view b);

// A 32-bit hash (FNV-1a) of the folded text: equal for names EqualNoCase finds equal.
uint32_t HashNoCase(std::string_view text);

}  // namespace zol
