// What the show model calls to draw a text object: the picture of a text at
// a scale (laid out from the package's stored layout or the installed
// fonts), the natural size that scale is chosen from, and the generator of
// "Text: " pictures by name. Any thread that may use the accessor.
#pragma once

#include <functional>
#include <string_view>

#include "foundation/ref.h"
#include "package/file_accessor.h"
#include "render/pixel_image.h"
#include "text/rendered_text.h"
#include "text/text_params.h"
#include "text/text_producer.h"
#include "text/vector_text.h"

namespace zol {

// The measures of TEXT painted with PARAMS at SCALE (scale 1 gives the
// natural size).
TTextMeasure MeasureText(const TRef<TVectorText>& text, const TTextParams& params, double scale);

// PARAMS painted at SCALE. ACCESSOR (may be null) is the show whose stored
// layouts and glyph caches are used when it has them. PROGRESS, when given,
// may stop the paint between lines. Fails with ETextError when the text
// cannot be laid out or its picture would be too large.
TRenderedText RenderText(const TTextParams& params, double scale, TFileAccessor* accessor,
                         std::function<bool(size_t line)> progress = {});

// The picture a "Text: " name asks for (REST: the name after the prefix);
// null when REST is not a text request or the text cannot be drawn (logged).
TRef<TPixelImage> RenderTextPicture(std::string_view rest, TFileAccessor* accessor);

}  // namespace zol
