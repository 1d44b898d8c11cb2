// T3DTexture: a two-dimensional texture of one of five kinds, with its own
// sampling settings (addressing, filter, anisotropy, level-of-detail bias)
// applied whenever it is drawn. Created by a renderer, owned by the caller;
// calls hold the device lock.
#pragma once

#include <cstdint>

#include "render/base_texture.h"
#include "render/surface_3d.h"

namespace zol {

// Texture kinds.
enum : uint8_t {
  kTextureARGB = 0,        // image texture, survives device loss
  kTextureTargetRGB = 1,   // render target without alpha
  kTextureTargetARGB = 2,  // render target with alpha
  kTextureLuminance = 3,   // 8-bit luminance, sampled as grey
  kTextureRGB565 = 4,      // 16-bit 5-6-5
};

// Addressing modes and filters.
enum : uint8_t { kAddressWrap = 0, kAddressClamp = 1, kAddressMirror = 2 };
enum : uint8_t { kFilterPoint = 0, kFilterLinear = 1 };

inline bool IsRenderTargetKind(uint8_t kind) {
  return kind == kTextureTargetRGB || kind == kTextureTargetARGB;
}

class T3DTexture : public TBaseTexture {
 public:
  uint8_t Kind() const { return kind_; }
  bool Premultiplied() const { return premultiplied_; }
  void SetPremultiplied(bool on) { premultiplied_ = on; }

  // The surface of mip level LEVEL, created once and cached.
  virtual TRef<T3DSurface> GetSurface(int level) = 0;
  // Makes the texture resident now rather than at first draw.
  virtual void Preload() = 0;
  virtual void SetAddressing(uint8_t u, uint8_t v) { addressU_ = u, addressV_ = v; }
  virtual void GetAddressing(uint8_t& u, uint8_t& v) { u = addressU_, v = addressV_; }
  virtual void SetFilter(uint8_t filter) { filter_ = filter; }
  virtual uint8_t GetFilter() { return filter_; }
  virtual void SetAnisotropic(bool on) { anisotropic_ = on; }
  virtual void SetLodBias(float bias) { lodBias_ = bias; }

  bool Anisotropic() const { return anisotropic_; }
  float LodBias() const { return lodBias_; }

 protected:
  explicit T3DTexture(uint8_t kind) : kind_(kind) {}

 private:
  uint8_t kind_;
  bool premultiplied_ = false;
  uint8_t addressU_ = kAddressWrap;
  uint8_t addressV_ = kAddressWrap;
  uint8_t filter_ = kFilterLinear;
  bool anisotropic_ = false;
  float lodBias_ = 0;
};

}  // namespace zol
