#include "image/picture.h"

#include "image/color_management.h"

namespace zol {

TBitmapStore* PictureStore(const TPackedImage& image) {
  return dynamic_cast<TBitmapStore*>(image.Store().get());
}

TRef<TPixelImage> DecodeForDisplay(TBitmapStore& store, int level, TFileSource* tables) {
  TRef<TPixelImage> bitmap = store.GetBitmap(level);
  if (!bitmap) return nullptr;
  if (auto transform = TColorManagement::Process().TransformFor(store.Profile(), tables))
    transform->Apply(*bitmap);
  return bitmap;
}

TRef<TPixelImage> ColorLookupBitmap(const TBitmapStore& store, TFileSource* tables) {
  auto transform = TColorManagement::Process().TransformFor(store.Profile(), tables);
  return transform ? transform->LookupBitmap() : nullptr;
}

}  // namespace zol
