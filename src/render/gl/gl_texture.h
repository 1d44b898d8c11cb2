// T3DTextureGL: a two-dimensional texture on the OpenGL back end. Image
// kinds (0, 3, 4) keep a copy of every level in system memory, so locks read
// and write that copy and unlocking uploads the changed rectangle; render
// targets and the back buffer live only on the device and are read back when
// locked. Owned by its creator; calls hold the device lock.
#pragma once

#include <cstdint>
#include <vector>

#include "render/gl/gl_device_member.h"
#include "render/gl/gl_formats.h"
#include "render/gl/gl_name.h"
#include "render/texture_3d.h"

namespace zol {

class TGLDevStore;
class T3DSurfaceGL;

class T3DTextureGL : public T3DTexture, public TGLDeviceMember {
 public:
  // Allocates LEVELS levels of KIND (kTextureBackBuffer for a back buffer);
  // none with ERROR set on failure. Context current.
  static TRef<T3DTextureGL> Create(TGLDevStore& store, uint8_t kind, int width, int height, int levels,
                                   uint8_t& error);

  T3DTextureGL(TGLDevStore& store, uint8_t kind, int width, int height, int levels);

  int GetLevelCount() override { return int(levels_.size()); }
  TRef<T3DSurface> GetSurface(int level) override;
  void Preload() override;

  bool Alive() const { return store_ != nullptr; }
  TGLDevStore* Store() const { return store_.get(); }
  unsigned int Name() const { return texture_.Get(); }
  int LevelWidth(int level) const { return levels_[size_t(level)].width; }
  int LevelHeight(int level) const { return levels_[size_t(level)].height; }
  // A render target or the back buffer: drawable, not kept in system memory.
  bool IsTarget() const { return target_; }
  bool IsBackBuffer() const { return RealKind() == kTextureBackBuffer; }
  uint8_t RealKind() const { return realKind_; }
  TPixelFormat Format() const { return format_.pixelFormat; }

  // Level operations for the surfaces; the context is current.
  bool ReadLevel(int level, TPixelImage& image, uint8_t& error);
  TRef<TPixelImage> LockLevel(int level, const TRect* rect, bool readOnly, uint8_t& error);
  bool UnlockLevel(int level, TPixelImage* image, uint8_t& error);
  // A framebuffer with the level as its colour target, made on first use; 0
  // when the level cannot be a target.
  unsigned int LevelFramebuffer(int level);
  void SurfaceGone(int level);

  void DetachFromDevice(bool contextUsable) override;
  T3DDeviceObject& DeviceObject() override { return *this; }

 protected:
  void Dispose() override;

 private:
  struct Level {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> shadow;      // image kinds: the level in system memory
    T3DSurfaceGL* surface = nullptr;  // cached, not owned (it owns us)
    TGLName framebuffer;
    TPixelImage* locked = nullptr;  // the image Lock handed out
    TRect lockRect;
    bool lockReadOnly = false;
    std::vector<uint8_t> staging;  // target kinds: the locked rectangle
  };

  bool Allocate(uint8_t& error);
  void ReleaseNames(bool contextUsable);
  int BytesPerPixel() const { return zol::BytesPerPixel(format_.pixelFormat); }
  bool ReadTargetRect(int level, const TRect& r, uint8_t* into);
  void BindForUpload();

  TRef<TGLDevStore> store_;
  uint8_t realKind_;
  TGLFormat format_;
  bool target_;
  TGLName texture_;
  std::vector<Level> levels_;
  int64_t bytes_ = 0;
};

}  // namespace zol
