// Windows code page 1252 to UTF-8 by table, the way Windows converts it:
// the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number. Pure, any thread.
#pragma once

#include <string>
#include <string_view>

namespace zol {

std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace zol
