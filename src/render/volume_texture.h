// TVolumeTexture: a three-dimensional 32-bit ARGB texture of one level (the
// colour lookup cubes). Created by a renderer, owned by the caller; calls
// hold the device lock.
#pragma once

#include <cstdint>

#include "render/base_texture.h"
#include "render/pixel_image.h"

namespace zol {

// A box of texels; left, top and front inside, right, bottom and back outside.
struct TBox {
  int32_t left = 0, top = 0, front = 0;
  int32_t right = 0, bottom = 0, back = 0;
};

class TVolumeTexture : public TBaseTexture {
 public:
  // An image of the box whose rows are all rows of all its slices in order
  // (height x depth rows); none on failure. BOX none: the whole level.
  virtual TRef<TPixelImage> LockBox(int level, const TBox* box) = 0;
  virtual bool UnlockBox(int level, TPixelImage* image) = 0;
};

}  // namespace zol
