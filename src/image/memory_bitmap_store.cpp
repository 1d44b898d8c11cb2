#include "image/memory_bitmap_store.h"

#include "image/bitmap_scaling.h"

namespace zol {
namespace {

TPixelFormat StoreFormat(TPixelFormat format) {
  return format == TPixelFormat::kRGB32 ? TPixelFormat::kRGB32 : TPixelFormat::kARGB32;
}

TRef<TPixelImage> InStoreFormat(TRef<TPixelImage> bitmap) {
  if (bitmap->Format() == StoreFormat(bitmap->Format())) return bitmap;
  auto copy = MakeRef<TPixelImage>(bitmap->Width(), bitmap->Height(), TPixelFormat::kARGB32);
  copy->CopyFrom(*bitmap);
  return copy;
}

}  // namespace

TMemoryBitmapStore::TMemoryBitmapStore(std::string name, TRef<TPixelImage> bitmap,
                                       TRef<TColorProfile> profile)
    : TBitmapStore(std::move(name), bitmap->Width(), bitmap->Height(), StoreFormat(bitmap->Format()),
                   std::move(profile)),
      bitmap_(InStoreFormat(std::move(bitmap))) {}

TRef<TPixelImage> TMemoryBitmapStore::Decode(int level) {
  return ShrinkBitmap(*bitmap_, level);
}

void TMemoryBitmapStore::Dispose() {
  bitmap_.reset();
  TBitmapStore::Dispose();
}

}  // namespace zol
