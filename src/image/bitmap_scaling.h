// Smaller copies of decoded pictures for the levels of formats that cannot
// decode at a reduced size themselves. Pure functions; any thread.
#pragma once

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

// SOURCE reduced LEVEL times by half (sides rounded up), each pixel the
// average of the block it covers; colours are weighted by alpha so that
// transparent pixels do not darken their neighbours. A copy at level 0.
TRef<TPixelImage> ShrinkBitmap(const TPixelImage& source, int level);

}  // namespace zol
