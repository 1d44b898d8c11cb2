// Turning a coverage bitmap into a picture: coverage becomes the alpha of the
// text colour, laid over the background colour (straight alpha), so that
// uncovered pixels take the background, partly covered ones a blend, and a
// background that is the text colour with zero alpha leaves a pure alpha
// mask of the text colour. Pure functions; any thread.
#pragma once

#include <array>
#include <cstdint>

#include "render/pixel_image.h"
#include "text/coverage_bitmap.h"

namespace zol {

// The ARGB word for each coverage 0 .. 256.
std::array<uint32_t, 257> CoverageColors(uint32_t textColor, uint32_t backgroundColor);

// Writes the coloured COVERAGE into OUT from its top-left corner, as much as fits.
void PaintCoverage(const TCoverageBitmap& coverage, uint32_t textColor, uint32_t backgroundColor,
                   TPixelImage& out);

}  // namespace zol
