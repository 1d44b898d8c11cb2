// Value escapes: a multi-line text kept as one line of a project text (text
// object content, a whole tree as one value). Pure functions, any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zol {

// "\" becomes "\\", each line break (CR LF, LF CR, CR or LF) becomes "\n",
// and other bytes below 32 are dropped.
std::string EscapeValue(std::string_view text);

// "\\" becomes "\" and "\n" becomes CR LF. Any other byte after "\", or a
// "\" at the end, makes the whole text invalid: nothing is returned.
std::optional<std::string> UnescapeValue(std::string_view text);

// The unescaped value, or "" when it is invalid.
std::string UnescapeValueOrEmpty(std::string_view text);

}  // namespace zol
