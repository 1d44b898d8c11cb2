// TImageTexture: a restorable texture whose content is a picture kept in
// system memory; the device copy is rebuilt from it after any loss.
// Drawing thread.
#pragma once

#include "render/custom_texture.h"

namespace zol {

class TImageTexture : public TCustomTexture {
 public:
  TImageTexture(T3DScreen& screen, TRef<TPixelImage> picture);

  // Replaces the picture; the device copy is rebuilt on next use.
  void SetPicture(TRef<TPixelImage> picture);
  const TPixelImage* Picture() const { return picture_.get(); }

  void FillLevel0(TPixelImage& level0) override;

 private:
  TRef<TPixelImage> picture_;
};

}  // namespace zol
