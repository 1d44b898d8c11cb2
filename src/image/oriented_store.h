// TOrientedStore: a picture the show asks to be turned (its rotation map):
// reports the turned size and hands out turned bitmaps of the store it wraps.
// Shared by reference; any thread, like the store it wraps.
#pragma once

#include "image/bitmap_store.h"

namespace zol {

class TOrientedStore : public TBitmapStore {
 public:
  TOrientedStore(TRef<TBitmapStore> inner, TImageTransform transform);

  void SetProgress(ProgressRoutine progress) override;
  TImageTransform Transform() const { return transform_; }
  const TRef<TBitmapStore>& Inner() const { return inner_; }

 protected:
  TRef<TPixelImage> Decode(int level) override;
  void Dispose() override;

 private:
  TRef<TBitmapStore> inner_;
  const TImageTransform transform_;
};

}  // namespace zol
