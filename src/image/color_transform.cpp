#include "image/color_transform.h"

#include "image/color_cube.h"

namespace zol {

TColorTransform::TColorTransform(TRef<TColorProfile> from, TRef<TColorProfile> to, TRef<TPixelImage> table,
                                 uint32_t tableSource, bool useLibrary, TRenderingIntent intent)
    : from_(std::move(from)),
      to_(std::move(to)),
      table_(std::move(table)),
      tableSource_(tableSource),
      useLibrary_(useLibrary),
      intent_(intent) {}

void TColorTransform::Apply(TPixelImage& bitmap) const {
  if (BytesPerPixel(bitmap.Format()) != 4) return;
  if (table_) {
    MapBitmapThroughCube(bitmap, *table_);
    return;
  }
  if (!useLibrary_) return;
  auto transform = TIccTransform::Create(from_->Icc(), to_->Icc(), intent_);
  if (!transform) return;  // the library cannot join these profiles: colours stay
  for (int y = 0; y < bitmap.Height(); ++y)
    transform->TransformPixels(bitmap.ScanLine(y), size_t(bitmap.Width()));
}

std::string TColorTransform::CacheVariant() const {
  if (table_) return "table " + std::to_string(tableSource_);
  return (useLibrary_ ? "library " : "none ") + std::to_string(int(intent_));
}

TRef<TPixelImage> TColorTransform::LookupBitmap() const {
  if (table_) return table_;
  if (!useLibrary_) return nullptr;
  return from_->CachedCube(*to_, CacheVariant(), [this]() -> TRef<TPixelImage> {
    auto transform = TIccTransform::Create(from_->Icc(), to_->Icc(), intent_);
    if (!transform) return nullptr;
    TRef<TPixelImage> cube = MakeIdentityCube();
    for (int y = 0; y < cube->Height(); ++y)
      transform->TransformPixels(cube->ScanLine(y), size_t(cube->Width()));
    return cube;
  });
}

uint32_t TColorTransform::ApplyToColor(uint32_t argb) const {
  TRef<TPixelImage> cube = LookupBitmap();
  return cube ? MapColorThroughCube(argb, *cube) : argb;
}

}  // namespace zol
