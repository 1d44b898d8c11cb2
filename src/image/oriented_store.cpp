#include "image/oriented_store.h"

#include "image/bitmap_rotation.h"

namespace zol {

TOrientedStore::TOrientedStore(TRef<TBitmapStore> inner, TImageTransform transform)
    : TBitmapStore(inner->Name(), SwapsSides(transform) ? inner->Height() : inner->Width(),
                   SwapsSides(transform) ? inner->Width() : inner->Height(), inner->Format(),
                   inner->Profile()),
      inner_(std::move(inner)),
      transform_(transform) {}

void TOrientedStore::SetProgress(ProgressRoutine progress) {
  inner_->SetProgress(progress);
  TBitmapStore::SetProgress(std::move(progress));
}

TRef<TPixelImage> TOrientedStore::Decode(int level) {
  TRef<TPixelImage> bitmap = inner_->GetBitmap(level);
  return bitmap ? RotateBitmap(*bitmap, transform_) : nullptr;
}

void TOrientedStore::Dispose() {
  inner_.reset();
  TBitmapStore::Dispose();
}

}  // namespace zol
