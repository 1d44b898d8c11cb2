// The classic ELF hash, taken over the low byte of each UTF-16 code unit of a
// text. Used for option-store buckets and the single-instance lock name.
#pragma once

#include <cstdint>
#include <string_view>

namespace zol {

uint32_t ElfHash(std::string_view utf8Text);

}  // namespace zol
