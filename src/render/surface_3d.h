// T3DSurface: one level of a texture, or a renderer's back buffer: read it,
// lock a rectangle of it as an image, bind it as a render target. Owned by
// whoever holds it; calls hold the device lock.
#pragma once

#include "render/device_object.h"
#include "render/geometry.h"
#include "render/pixel_format.h"
#include "render/pixel_image.h"

namespace zol {

class T3DSurface : public T3DDeviceObject {
 public:
  // Copies the whole surface into IMAGE (as much as fits), converting pixels.
  virtual bool ReadInto(TPixelImage& image) = 0;
  virtual TSize GetSize() = 0;
  virtual TPixelFormat GetPixelFormat() = 0;
  // Maps RECT (none: the whole surface) and returns an image whose rows
  // point into the mapped memory; none on failure.
  virtual TRef<TPixelImage> Lock(const TRect* rect, bool readOnly) = 0;
  // Unmaps the image Lock returned; the image is no longer usable.
  virtual bool Unlock(TPixelImage* image) = 0;
};

}  // namespace zol
