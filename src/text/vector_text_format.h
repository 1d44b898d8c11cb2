// The stored form of a laid-out text, as a show package carries it under
// "VectTxt2: " + layout key (little-endian): int32 line count, int32 ascent,
// int32 descent, four singles (underline position and size, strike-out
// position and size); per line an int32 glyph count and per glyph an int32
// position, a single offset, a 16-bit glyph index and the font key (int32
// length + UTF-16). Pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "text/cached_vector_text.h"

namespace zol {

inline constexpr std::string_view kVectorTextPrefix = "VectTxt2: ";

// Fails with ETextFormatError on data cut short or impossible counts;
// nothing past the data is ever read.
TRef<TCachedVectorText> ReadVectorText(std::string_view bytes);
// Vertical glyph shifts have no place in the stored form and are dropped.
std::string WriteVectorText(const TCachedVectorText& text);

}  // namespace zol
