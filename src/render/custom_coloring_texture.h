// TCustomColoringTexture: a colour lookup texture (two- or three-dimensional)
// the screen rebuilds after device loss. Registered with its screen;
// drawing thread.
#pragma once

#include "render/base_texture.h"
#include "render/screen_resource.h"

namespace zol {

class TCustomColoringTexture : public TScreenResource {
 public:
  // The device texture, made and filled when missing; none without renderer.
  virtual TRef<TBaseTexture> GetTexture() = 0;
  TBaseTexture* DeviceTexture() const { return texture_.get(); }

  void ReleaseDeviceObject() override;

 protected:
  explicit TCustomColoringTexture(T3DScreen& screen) : TScreenResource(screen) {}
  void Dispose() override;
  // Keeps TEXTURE as the device texture, dropped again when its device goes.
  void Adopt(TRef<TBaseTexture> texture);

 private:
  static void TextureNotice(void* context, T3DDeviceObject* sender);

  TRef<TBaseTexture> texture_;
};

}  // namespace zol
