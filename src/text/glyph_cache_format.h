// The stored form of a glyph cache, as a show package carries it under
// "VectTextCache: " + font key (little-endian): int32 glyph count, the font
// key (int32 length + UTF-16), then per glyph: 16-bit index, five int32
// metrics, one single metric, int32 point count and per point single x,
// single y, int32 command. Pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "text/glyph_cache.h"

namespace zol {

inline constexpr std::string_view kGlyphCachePrefix = "VectTextCache: ";

// A new cache (marked as read from a package) with the stored glyphs. Data
// that is cut short, has impossible counts or outlines that cannot be drawn
// fails with ETextFormatError; nothing past the data is ever read.
TRef<TGlyphCache> ReadGlyphCache(std::string_view bytes);
std::string WriteGlyphCache(const TGlyphCache& cache);

}  // namespace zol
