// Turning decoded pictures the way a show's rotation map asks (EXIF
// orientation codes 3, 6 and 8). Pure functions; any thread.
#pragma once

#include "foundation/ref.h"
#include "package/image_store.h"
#include "render/pixel_image.h"

namespace zol {

// SOURCE turned by TRANSFORM; quarter turns swap width and height.
TRef<TPixelImage> RotateBitmap(const TPixelImage& source, TImageTransform transform);

// Whether TRANSFORM swaps width and height.
constexpr bool SwapsSides(TImageTransform transform) {
  return transform != TImageTransform::Rotate180;
}

}  // namespace zol
