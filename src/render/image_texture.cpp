#include "render/image_texture.h"

namespace zol {

TImageTexture::TImageTexture(T3DScreen& screen, TRef<TPixelImage> picture) : TCustomTexture(screen) {
  SetPicture(std::move(picture));
}

void TImageTexture::SetPicture(TRef<TPixelImage> picture) {
  DropTexture();
  picture_ = std::move(picture);
  SetSize(picture_ ? TSize{picture_->Width(), picture_->Height()} : TSize{});
}

void TImageTexture::FillLevel0(TPixelImage& level0) {
  level0.Fill(0);
  if (picture_) level0.CopyFrom(*picture_);
}

}  // namespace zol
