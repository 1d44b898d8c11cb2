// The Windows ANSI code page that matches the user's locale, and conversion
// of text in such a code page to UTF-8. Callable from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zol::platform {

// The code page Windows would use as the ANSI code page for the locale named
// by LC_ALL, LC_CTYPE or LANG (1252 when unknown).
int AnsiCodePage();

// Same, for an explicit locale name such as "ru_RU.UTF-8".
int AnsiCodePageForLocale(std::string_view locale);

// Converts BYTES from Windows code page CODEPAGE to UTF-8. A byte sequence the
// code page does not define becomes U+FFFD. Nothing when the system has no
// converter for that code page.
std::optional<std::string> CodePageToUtf8(std::string_view bytes, int codePage);

}  // namespace zol::platform
