#include "render/gl/gl_volume_texture.h"

#include <epoxy/gl.h>

#include <cstring>

#include "foundation/assertion.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_dev_store.h"
#include "render/gl/gl_error.h"
#include "render/gl/gl_formats.h"

namespace zol {

TRef<TVolumeTextureGL> TVolumeTextureGL::Create(TGLDevStore& store, int width, int height, int depth,
                                                uint8_t& error) {
  auto texture = MakeRef<TVolumeTextureGL>(store, width, height, depth);
  if (!texture->Allocate(error)) return nullptr;
  return texture;
}

TVolumeTextureGL::TVolumeTextureGL(TGLDevStore& store, int width, int height, int depth)
    : store_(&store), width_(width), height_(height), depth_(depth) {
  store.Register(this);
}

bool TVolumeTextureGL::Allocate(uint8_t& error) {
  int64_t bytes = int64_t(width_) * height_ * depth_ * 4;
  if (!store_->ReserveMemory(bytes)) {
    error = kDeviceOutOfVideoMemory;
    return false;
  }
  bytes_ = bytes;
  TakeGLError();
  shadow_.assign(size_t(bytes), 0);
  texture_ = GenTexture();
  glActiveTexture(GL_TEXTURE0 + kUploadTextureUnit);
  glBindTexture(GL_TEXTURE_3D, texture_.Get());
  glTexImage3D(GL_TEXTURE_3D, 0, GL_RGBA8, width_, height_, depth_, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_3D, GL_TEXTURE_MAX_LEVEL, 0);
  glBindTexture(GL_TEXTURE_3D, 0);
  error = TakeGLError();
  return error == kDeviceOk;
}

TRef<TPixelImage> TVolumeTextureGL::LockBox(int level, const TBox* box) {
  TGLCall call(store_.get());
  if (!call.Bound()) {
    SetLastError(kDeviceOtherError);
    return nullptr;
  }
  TBox b = box ? *box : TBox{0, 0, 0, width_, height_, depth_};
  bool inside = b.left >= 0 && b.top >= 0 && b.front >= 0 && b.right <= width_ && b.bottom <= height_ &&
                b.back <= depth_ && b.left < b.right && b.top < b.bottom && b.front < b.back;
  if (level != 0 || locked_ || !inside) {
    SetLastError(kDeviceInvalidCall);
    return nullptr;
  }
  int w = b.right - b.left, h = b.bottom - b.top, d = b.back - b.front;
  size_t row = size_t(w) * 4;
  staging_.assign(row * h * d, 0);
  for (int z = 0; z < d; ++z)
    for (int y = 0; y < h; ++y)
      std::memcpy(staging_.data() + (size_t(z) * h + y) * row,
                  shadow_.data() + ((size_t(b.front + z) * height_ + b.top + y) * width_ + b.left) * 4, row);
  auto image = MakeRef<TPixelImage>(w, h * d, TPixelFormat::kARGB32, staging_.data(), ptrdiff_t(row));
  locked_ = image.get();
  lockBox_ = b;
  SetLastError(kDeviceOk);
  return image;
}

bool TVolumeTextureGL::UnlockBox(int level, TPixelImage* image) {
  TGLCall call(store_.get());
  if (!call.Bound()) return Fail(kDeviceOtherError);
  ZOL_CHECK(level == 0 && image && image == locked_, "UnlockBox of a box that is not locked");
  locked_ = nullptr;
  const TBox& b = lockBox_;
  int w = b.right - b.left, h = b.bottom - b.top, d = b.back - b.front;
  size_t row = size_t(w) * 4;
  for (int z = 0; z < d; ++z)
    for (int y = 0; y < h; ++y)
      std::memcpy(shadow_.data() + ((size_t(b.front + z) * height_ + b.top + y) * width_ + b.left) * 4,
                  staging_.data() + (size_t(z) * h + y) * row, row);
  glActiveTexture(GL_TEXTURE0 + kUploadTextureUnit);
  glBindTexture(GL_TEXTURE_3D, texture_.Get());
  glTexSubImage3D(GL_TEXTURE_3D, 0, b.left, b.top, b.front, w, h, d, GL_BGRA, GL_UNSIGNED_BYTE,
                  staging_.data());
  glBindTexture(GL_TEXTURE_3D, 0);
  std::vector<uint8_t>().swap(staging_);
  uint8_t error = TakeGLError();
  return error == kDeviceOk ? Succeed() : Fail(error);
}

void TVolumeTextureGL::DetachFromDevice(bool contextUsable) {
  texture_.Release(contextUsable);
  if (store_) store_->FreeMemory(bytes_);
  bytes_ = 0;
  std::vector<uint8_t>().swap(shadow_);
  store_ = nullptr;
}

void TVolumeTextureGL::Dispose() {
  {
    TGLCall call(store_.get());
    if (store_) {
      texture_.Release(call.Bound());
      store_->FreeMemory(bytes_);
      store_->Unregister(this);
      store_ = nullptr;
    }
  }
  TVolumeTexture::Dispose();
}

}  // namespace zol
