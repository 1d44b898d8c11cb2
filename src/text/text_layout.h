// Laying a text out with the installed fonts when the show package carries
// no layout for it: every line shaped by the vectoriser, every glyph it uses
// put into its font's glyph cache in the process-wide font cache. Any thread
// (the vectoriser serialises font access).
#pragma once

#include <string>
#include <vector>

#include "foundation/ref.h"
#include "text/cached_vector_text.h"
#include "text/font_request.h"

namespace zol {

// LINES (UTF-8) in FONT; a font without outlines gives way to the default
// family. Fails with ETextError when no outline font is installed.
TRef<TCachedVectorText> LayoutText(const std::vector<std::string>& lines, const TFontRequest& font);

}  // namespace zol
