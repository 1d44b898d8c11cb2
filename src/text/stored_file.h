// Reading a whole stored file of a show (a glyph cache, a laid-out text) into
// memory, with a bound on its size so that a damaged directory entry cannot
// exhaust memory. Any thread that may use the accessor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "package/file_accessor.h"

namespace zol {

inline constexpr int64_t kMaxStoredTextFile = int64_t(64) << 20;

// The file's bytes; nothing when the show has no such file. A file larger
// than kMaxStoredTextFile or one that cannot be read fails with
// ETextFormatError.
std::optional<std::string> ReadStoredFile(TFileAccessor& accessor, std::string_view name);

}  // namespace zol
