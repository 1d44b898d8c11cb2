// Getting a text ready to draw: the show package's stored layout
// ("VectTxt2: " + layout key) with the package's glyph caches when it has
// them, so that no font is needed; otherwise a layout made with the
// installed fonts. Any thread that may use the accessor.
#pragma once

#include "foundation/ref.h"
#include "package/file_accessor.h"
#include "text/text_params.h"
#include "text/vector_text.h"

namespace zol {

// ACCESSOR may be null (no package: always laid out here). A stored layout
// that cannot be read, or whose glyph caches the package lacks, is logged
// and the text is laid out with the installed fonts instead. Fails with
// ETextError only when it must lay out and no outline font is installed.
TRef<TVectorText> LoadVectorText(const TTextParams& params, TFileAccessor* accessor);

// The stored layout under KEY with its glyph caches; null when the package
// lacks either or they cannot be read.
TRef<TVectorText> LoadStoredVectorText(std::string_view key, TFileAccessor& accessor);

}  // namespace zol
