#include "render/gl/gl_surface.h"

#include "render/gl/gl_call.h"

namespace zol {

bool T3DSurfaceGL::ReadInto(TPixelImage& image) {
  TGLCall call(texture_->Store());
  if (!call.Bound() || !texture_->Alive()) return Fail(kDeviceOtherError);
  uint8_t error = kDeviceOk;
  bool ok = texture_->ReadLevel(level_, image, error);
  SetLastError(error);
  return ok;
}

TSize T3DSurfaceGL::GetSize() {
  return {texture_->LevelWidth(level_), texture_->LevelHeight(level_)};
}

TPixelFormat T3DSurfaceGL::GetPixelFormat() {
  return texture_->Format();
}

TRef<TPixelImage> T3DSurfaceGL::Lock(const TRect* rect, bool readOnly) {
  TGLCall call(texture_->Store());
  if (!call.Bound() || !texture_->Alive()) {
    SetLastError(kDeviceOtherError);
    return nullptr;
  }
  uint8_t error = kDeviceOk;
  TRef<TPixelImage> image = texture_->LockLevel(level_, rect, readOnly, error);
  SetLastError(error);
  return image;
}

bool T3DSurfaceGL::Unlock(TPixelImage* image) {
  TGLCall call(texture_->Store());
  if (!call.Bound() || !texture_->Alive()) return Fail(kDeviceOtherError);
  uint8_t error = kDeviceOk;
  bool ok = texture_->UnlockLevel(level_, image, error);
  SetLastError(error);
  return ok;
}

void T3DSurfaceGL::Dispose() {
  texture_->SurfaceGone(level_);
  texture_ = nullptr;
  T3DSurface::Dispose();
}

}  // namespace zol
