#include "render/custom_coloring_texture.h"

namespace zol {

void TCustomColoringTexture::TextureNotice(void* context, T3DDeviceObject*) {
  static_cast<TCustomColoringTexture*>(context)->ReleaseDeviceObject();
}

void TCustomColoringTexture::Adopt(TRef<TBaseTexture> texture) {
  ReleaseDeviceObject();
  texture_ = std::move(texture);
  if (texture_) texture_->SetOwnerNotice(&TCustomColoringTexture::TextureNotice, this);
}

void TCustomColoringTexture::ReleaseDeviceObject() {
  if (texture_) texture_->SetOwnerNotice({});
  texture_ = nullptr;
}

void TCustomColoringTexture::Dispose() {
  ReleaseDeviceObject();
  TScreenResource::Dispose();
}

}  // namespace zol
