// TCustomTexture: a texture the screen can rebuild at any time: the device
// texture is made on first use and dropped whenever the device goes, and a
// subclass refills it from what it keeps in system memory (FillLevel0).
// Sizes are rounded up to powers of two (at least 32) per axis. Registered
// with its screen; drawing thread.
#pragma once

#include <cstdint>

#include "render/geometry.h"
#include "render/pixel_image.h"
#include "render/screen_resource.h"
#include "render/texture_3d.h"

namespace zol {

class T3DRenderer;

class TCustomTexture : public TScreenResource {
 public:
  explicit TCustomTexture(T3DScreen& screen);

  // The device texture, created (and for image kinds filled) when missing;
  // none without a usable renderer or when creation failed.
  virtual TRef<T3DTexture> GetTexture();
  // A new requested size drops the device texture.
  virtual void SetSize(TSize size);
  // Writes the picture into LEVEL0, the locked top level (top row first, the
  // picture's top-left at the texture's).
  virtual void FillLevel0(TPixelImage& level0) = 0;
  // Fills level 0 and makes each further level from the one above it.
  virtual void FillAllLevels(T3DTexture& texture);
  virtual void DropTexture();
  // Creates the texture if needed and makes it resident.
  virtual void Preload();

  void SetMips(bool on);
  void SetPremultiplied(bool on);
  void SetKind(uint8_t kind);
  void SetAnisotropic(bool on) { anisotropic_ = on; }
  void SetLodBias(float bias) { lodBias_ = bias; }
  void SetPointFilter(bool on) { pointFilter_ = on; }
  void SetOpacity(uint8_t opacity) { opacity_ = opacity; }

  uint8_t Kind() const { return kind_; }
  TSize Size() const { return size_; }
  TSize AllocatedSize() const { return allocated_; }
  double InvWidth() const { return invWidth_; }
  double InvHeight() const { return invHeight_; }
  bool Anisotropic() const { return anisotropic_; }
  float LodBias() const { return lodBias_; }
  bool Mips() const { return mips_; }
  bool Premultiplied() const { return premultiplied_; }
  bool PointFilter() const { return pointFilter_; }
  uint8_t Opacity() const { return opacity_; }
  // The device texture if it exists now (never creates it).
  T3DTexture* DeviceTexture() const { return texture_.get(); }

  void ReleaseDeviceObject() override { DropTexture(); }

  // The allocated size for a requested one.
  static TSize AllocationFor(TSize size);

 protected:
  void Dispose() override;

 private:
  static void TextureNotice(void* context, T3DDeviceObject* sender);
  TRef<T3DTexture> CreateWithFallback(T3DRenderer& renderer);

  TRef<T3DTexture> texture_;
  uint8_t kind_ = kTextureARGB;
  TSize size_;
  TSize allocated_;
  double invWidth_ = 0, invHeight_ = 0;
  bool anisotropic_ = false;
  float lodBias_ = 0;
  bool mips_ = false;
  bool premultiplied_ = false;
  bool pointFilter_ = false;
  uint8_t opacity_ = 255;
};

// Builds level LOWER from level UPPER of the same texture: a 2 x 2 box
// average (integer sum shifted right by 2, every channel) when UPPER is
// exactly twice as large both ways, else a resampling.
void MakeNextMipLevel(const TPixelImage& upper, TPixelImage& lower);

}  // namespace zol
