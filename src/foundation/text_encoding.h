// Decoding the bytes of a project text to UTF-8: a UTF-8 byte order mark
// (EF BB BF) means UTF-8, FF FE means UTF-16 little-endian, anything else is
// text in a Windows ANSI code page. Pure functions, any thread.
#pragma once

#include <string>
#include <string_view>

namespace zol {

enum class TTextEncoding { Utf8, Utf16Le, Ansi };

TTextEncoding DetectTextEncoding(std::string_view bytes);

// The UTF-8 text of BYTES: a view into BYTES when they need no conversion
// (UTF-8 after its byte order mark, or plain ASCII), else into CONVERTED,
// which receives the converted text. UTF-8 that is not valid is kept as it
// is. ANSICODEPAGE names the code page of text without a byte order mark;
// one the system cannot convert is read as 1252.
std::string_view DecodeProjectText(std::string_view bytes, int ansiCodePage, std::string& converted);

// Little-endian UTF-16 code units to UTF-8; an unpaired surrogate or a last
// odd byte becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);

}  // namespace zol
