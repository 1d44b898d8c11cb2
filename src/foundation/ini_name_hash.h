// Hashing and comparing project-text names without regard to case, tuned for
// the name index: ASCII runs are folded and hashed eight bytes at a time.
// Names EqualNoCase finds equal always hash alike, because the hash is taken
// over the folded text re-encoded as UTF-8 (bytes that are not UTF-8 kept as
// they are). Pure functions, any thread; no allocation.
#pragma once

#include <cstdint>
#include <string_view>

namespace zol {

uint32_t IniNameHash(std::string_view name);

// The same answer as EqualNoCase, sooner for ASCII names.
bool IniNamesEqual(std::string_view a, std::string_view b);

}  // namespace zol
