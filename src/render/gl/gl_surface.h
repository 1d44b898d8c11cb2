// T3DSurfaceGL: one level of a T3DTextureGL (the back buffer included). The
// surface keeps its texture alive; the texture caches the surface. Calls hold
// the device lock.
#pragma once

#include "render/gl/gl_texture.h"
#include "render/surface_3d.h"

namespace zol {

class T3DSurfaceGL : public T3DSurface {
 public:
  T3DSurfaceGL(T3DTextureGL& texture, int level) : texture_(&texture), level_(level) {}

  bool ReadInto(TPixelImage& image) override;
  TSize GetSize() override;
  TPixelFormat GetPixelFormat() override;
  TRef<TPixelImage> Lock(const TRect* rect, bool readOnly) override;
  bool Unlock(TPixelImage* image) override;

  T3DTextureGL& Texture() const { return *texture_; }
  int Level() const { return level_; }

 protected:
  void Dispose() override;

 private:
  TRef<T3DTextureGL> texture_;
  int level_;
};

}  // namespace zol
