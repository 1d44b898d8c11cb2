// Texts found in picture metadata (EXIF, IPTC) turned into UTF-8: kept when
// they already are UTF-8, else read as Windows-1252, the code page such
// fields were usually written in. Pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

namespace zol {

bool IsValidUtf8(std::string_view text);
std::string MetadataTextToUtf8(std::string_view bytes);
// TEXT without the spaces (and NUL padding) at either end.
std::string TrimMetadataText(std::string_view text);

}  // namespace zol
