// TCustomColorGradeTexture: the lookup table a colour grade samples: a
// 32 x 32 x 32 cube (mode 1) or a 256-wide ramp (other modes), started from
// a source image or the identity and passed through a filter chain.
// Registered with its screen; drawing thread.
#pragma once

#include "render/custom_coloring_texture.h"
#include "render/lookup_table_filter.h"
#include "render/pixel_image.h"

namespace zol {

class TCustomColorGradeTexture : public TCustomColoringTexture {
 public:
  static constexpr int kCubeSize = 32;
  static constexpr int kRampWidth = 256;
  static constexpr int kRampHeight = 1;

  // MODE 1: cube; else ramp. SOURCE (may be none) replaces the identity as
  // the starting table; FILTERS (may be none) is baked on top.
  TCustomColorGradeTexture(T3DScreen& screen, int mode, TRef<TPixelImage> source,
                           TRef<TLookupTableFilter> filters);

  TRef<TBaseTexture> GetTexture() override;
  int Mode() const { return mode_; }

  // The starting tables: texel (slice i, row j, column k) of the cube is
  // (red k, green j, blue i), each index n standing for n * 8 + (n >> 2);
  // the ramp's texel x is (x, x, x).
  static void FillIdentityCube(TPixelImage& table);
  static void FillIdentityRamp(TPixelImage& table);

 private:
  void Fill(TPixelImage& table, bool cube);

  int mode_;
  TRef<TPixelImage> source_;
  TRef<TLookupTableFilter> filters_;
};

}  // namespace zol
