// TMemoryBitmapStore: a picture that is already decoded (a placeholder, a
// generated picture, a decoded table); the levels are reduced copies of it.
// Shared by reference; any thread (the bitmap is never changed after creation).
#pragma once

#include "image/bitmap_store.h"

namespace zol {

class TMemoryBitmapStore : public TBitmapStore {
 public:
  // BITMAP must be kRGB32 or kARGB32; other formats are copied into kARGB32.
  TMemoryBitmapStore(std::string name, TRef<TPixelImage> bitmap, TRef<TColorProfile> profile = nullptr);

 protected:
  TRef<TPixelImage> Decode(int level) override;
  void Dispose() override;

 private:
  TRef<TPixelImage> bitmap_;
};

}  // namespace zol
