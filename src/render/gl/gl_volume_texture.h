// TVolumeTextureGL: a 32-bit ARGB three-dimensional texture of one level,
// kept in system memory too, so it survives the device. Owned by its creator;
// calls hold the device lock.
#pragma once

#include <vector>

#include "render/gl/gl_device_member.h"
#include "render/gl/gl_name.h"
#include "render/volume_texture.h"

namespace zol {

class TGLDevStore;

class TVolumeTextureGL : public TVolumeTexture, public TGLDeviceMember {
 public:
  static TRef<TVolumeTextureGL> Create(TGLDevStore& store, int width, int height, int depth, uint8_t& error);
  TVolumeTextureGL(TGLDevStore& store, int width, int height, int depth);

  int GetLevelCount() override { return 1; }
  TRef<TPixelImage> LockBox(int level, const TBox* box) override;
  bool UnlockBox(int level, TPixelImage* image) override;

  bool Alive() const { return store_ != nullptr; }
  TGLDevStore* Store() const { return store_.get(); }
  unsigned int Name() const { return texture_.Get(); }

  void DetachFromDevice(bool contextUsable) override;
  T3DDeviceObject& DeviceObject() override { return *this; }

 protected:
  void Dispose() override;

 private:
  bool Allocate(uint8_t& error);

  TRef<TGLDevStore> store_;
  TGLName texture_;
  int width_, height_, depth_;
  std::vector<uint8_t> shadow_;   // slices in order, rows top first
  std::vector<uint8_t> staging_;  // the locked box, rows of all slices in order
  TPixelImage* locked_ = nullptr;
  TBox lockBox_;
  int64_t bytes_ = 0;
};

}  // namespace zol
