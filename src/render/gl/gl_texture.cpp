#include "render/gl/gl_texture.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cstring>

#include "foundation/assertion.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_dev_store.h"
#include "render/gl/gl_error.h"
#include "render/gl/gl_surface.h"

namespace zol {

TRef<T3DTextureGL> T3DTextureGL::Create(TGLDevStore& store, uint8_t kind, int width, int height, int levels,
                                        uint8_t& error) {
  auto texture = MakeRef<T3DTextureGL>(store, kind, width, height, levels);
  if (!texture->Allocate(error)) return nullptr;  // freeing it unregisters it
  return texture;
}

T3DTextureGL::T3DTextureGL(TGLDevStore& store, uint8_t kind, int width, int height, int levels)
    : T3DTexture(kind == kTextureBackBuffer ? uint8_t(kTextureTargetRGB) : kind),
      store_(&store),
      realKind_(kind),
      format_(GLFormatOfKind(kind)),
      target_(IsRenderTargetKind(kind) || kind == kTextureBackBuffer) {
  levels_.resize(size_t(std::max(levels, 1)));
  for (size_t i = 0; i < levels_.size(); ++i) {
    levels_[i].width = std::max(1, width >> i);
    levels_[i].height = std::max(1, height >> i);
    bytes_ += int64_t(levels_[i].width) * levels_[i].height * BytesPerPixel();
  }
  store.Register(this);
}

void T3DTextureGL::BindForUpload() {
  glActiveTexture(GL_TEXTURE0 + kUploadTextureUnit);
  glBindTexture(GL_TEXTURE_2D, texture_.Get());
}

bool T3DTextureGL::Allocate(uint8_t& error) {
  if (!store_->ReserveMemory(bytes_)) {
    bytes_ = 0;
    error = kDeviceOutOfVideoMemory;
    return false;
  }
  TakeGLError();  // start from a clean slate
  texture_ = GenTexture();
  BindForUpload();
  for (size_t i = 0; i < levels_.size(); ++i) {
    glTexImage2D(GL_TEXTURE_2D, GLint(i), GLint(format_.internalFormat), levels_[i].width, levels_[i].height,
                 0, format_.format, format_.type, nullptr);
    if (!target_) levels_[i].shadow.assign(size_t(levels_[i].width) * levels_[i].height * BytesPerPixel(), 0);
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(levels_.size()) - 1);
  glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, format_.swizzle);
  glBindTexture(GL_TEXTURE_2D, 0);
  error = TakeGLError();
  return error == kDeviceOk;
}

TRef<T3DSurface> T3DTextureGL::GetSurface(int level) {
  TDeviceLockGuard lock(DeviceLock());
  if (level < 0 || level >= int(levels_.size())) {
    SetLastError(kDeviceInvalidCall);
    return nullptr;
  }
  Level& l = levels_[size_t(level)];
  if (l.surface) return TRef<T3DSurface>(l.surface);
  auto surface = MakeRef<T3DSurfaceGL>(*this, level);
  l.surface = surface.get();
  SetLastError(kDeviceOk);
  return surface;
}

void T3DTextureGL::SurfaceGone(int level) {
  TDeviceLockGuard lock(DeviceLock());
  if (level >= 0 && level < int(levels_.size())) levels_[size_t(level)].surface = nullptr;
}

void T3DTextureGL::Preload() {
  // Levels are uploaded as they are unlocked: the texture is always resident.
  TDeviceLockGuard lock(DeviceLock());
  SetLastError(Alive() ? kDeviceOk : kDeviceOtherError);
}

unsigned int T3DTextureGL::LevelFramebuffer(int level) {
  Level& l = levels_[size_t(level)];
  if (!l.framebuffer) {
    l.framebuffer = GenFramebuffer();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, l.framebuffer.Get());
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture_.Get(), level);
    GLenum status = glCheckFramebufferStatus(GL_READ_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
      l.framebuffer.Reset();
      return 0;
    }
  }
  return l.framebuffer.Get();
}

bool T3DTextureGL::ReadTargetRect(int level, const TRect& r, uint8_t* into) {
  GLuint fb = LevelFramebuffer(level);
  if (!fb) return false;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, fb);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glReadPixels(r.left, r.top, r.Width(), r.Height(), format_.format, format_.type, into);
  return true;
}

bool T3DTextureGL::ReadLevel(int level, TPixelImage& image, uint8_t& error) {
  const Level& l = levels_[size_t(level)];
  size_t pitch = size_t(l.width) * BytesPerPixel();
  if (!target_) {
    TPixelImage view(l.width, l.height, format_.pixelFormat, const_cast<uint8_t*>(l.shadow.data()),
                     ptrdiff_t(pitch));
    image.CopyFrom(view);
    error = kDeviceOk;
    return true;
  }
  std::vector<uint8_t> pixels(pitch * size_t(l.height));
  if (!ReadTargetRect(level, {0, 0, l.width, l.height}, pixels.data())) {
    error = kDeviceOtherError;
    return false;
  }
  if ((error = TakeGLError()) != kDeviceOk) return false;
  TPixelImage view(l.width, l.height, format_.pixelFormat, pixels.data(), ptrdiff_t(pitch));
  image.CopyFrom(view);
  return true;
}

TRef<TPixelImage> T3DTextureGL::LockLevel(int level, const TRect* rect, bool readOnly, uint8_t& error) {
  Level& l = levels_[size_t(level)];
  TRect whole{0, 0, l.width, l.height};
  TRect r = rect ? *rect : whole;
  if (l.locked || r.IsEmpty() || r.Intersect(whole) != r) {
    error = kDeviceInvalidCall;
    return nullptr;
  }
  int bpp = BytesPerPixel();
  TRef<TPixelImage> image;
  if (!target_) {
    size_t pitch = size_t(l.width) * bpp;
    uint8_t* first = l.shadow.data() + size_t(r.top) * pitch + size_t(r.left) * bpp;
    image = MakeRef<TPixelImage>(r.Width(), r.Height(), format_.pixelFormat, first, ptrdiff_t(pitch));
  } else {
    l.staging.assign(size_t(r.Width()) * r.Height() * bpp, 0);
    if (!ReadTargetRect(level, r, l.staging.data())) {
      error = kDeviceOtherError;
      return nullptr;
    }
    if ((error = TakeGLError()) != kDeviceOk) return nullptr;
    image = MakeRef<TPixelImage>(r.Width(), r.Height(), format_.pixelFormat, l.staging.data(),
                                 ptrdiff_t(r.Width()) * bpp);
  }
  l.locked = image.get();
  l.lockRect = r;
  l.lockReadOnly = readOnly;
  error = kDeviceOk;
  return image;
}

bool T3DTextureGL::UnlockLevel(int level, TPixelImage* image, uint8_t& error) {
  Level& l = levels_[size_t(level)];
  ZOL_CHECK(image && l.locked == image, "Unlock of a surface that is not locked");
  l.locked = nullptr;
  error = kDeviceOk;
  if (l.lockReadOnly) return true;
  const TRect& r = l.lockRect;
  BindForUpload();
  if (!target_) {
    glPixelStorei(GL_UNPACK_ROW_LENGTH, l.width);
    const uint8_t* first = l.shadow.data() + (size_t(r.top) * l.width + size_t(r.left)) * BytesPerPixel();
    glTexSubImage2D(GL_TEXTURE_2D, level, r.left, r.top, r.Width(), r.Height(), format_.format, format_.type,
                    first);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  } else {
    glTexSubImage2D(GL_TEXTURE_2D, level, r.left, r.top, r.Width(), r.Height(), format_.format, format_.type,
                    l.staging.data());
    std::vector<uint8_t>().swap(l.staging);
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  error = TakeGLError();
  return error == kDeviceOk;
}

void T3DTextureGL::ReleaseNames(bool contextUsable) {
  for (Level& l : levels_) l.framebuffer.Release(contextUsable);
  texture_.Release(contextUsable);
  if (store_) store_->FreeMemory(bytes_);
  bytes_ = 0;
}

void T3DTextureGL::DetachFromDevice(bool contextUsable) {
  ReleaseNames(contextUsable);
  for (Level& l : levels_) std::vector<uint8_t>().swap(l.shadow);
  store_ = nullptr;
}

void T3DTextureGL::Dispose() {
  {
    TGLCall call(store_.get());
    if (store_) {
      ReleaseNames(call.Bound());
      store_->Unregister(this);
      store_ = nullptr;
    }
  }
  T3DTexture::Dispose();
}

}  // namespace zol
