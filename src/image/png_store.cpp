#include "image/png_store.h"

#include "foundation/log.h"
#include "image/bitmap_scaling.h"
#include "image/picture_limits.h"
#include "image/png_chunk_check.h"

namespace zol {

TPngStore::TPngStore(std::string name, TPictureBytes bytes, const TPngInfo& info)
    : TBitmapStore(std::move(name), info.width, info.height,
                   info.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32),
      bytes_(std::move(bytes)) {}

TRef<TBitmapStore> TPngStore::Open(TStream& stream, std::string_view name) {
  static constexpr uint8_t kMagic[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (!StreamStartsWith(stream, kMagic)) return nullptr;
  auto bytes = ReadStreamBytes(stream, kMaxPictureFileBytes);
  if (!bytes) return nullptr;
  // Before libpng reads the header, which inflates the text chunks before the pixels.
  if (!PngMetadataWithinLimits(*bytes)) {
    LogText("Png metadata too large: " + std::string(name));
    return nullptr;
  }
  auto info = ReadPngInfo(*bytes);
  if (!info) return nullptr;
  if (!PictureSizeAllowed(info->width, info->height)) {
    LogText("Png picture too large: " + std::string(name));
    return nullptr;
  }
  return MakeRef<TPngStore>(std::string(name),
                            std::make_shared<const std::vector<uint8_t>>(std::move(*bytes)), *info);
}

TRef<TPixelImage> TPngStore::Decode(int level) {
  TRef<TPixelImage> full =
      DecodePng(*bytes_, [this, level](double f) { return ReportProgress(level ? f * 0.9 : f); });
  if (!full || level == 0) return full;
  TRef<TPixelImage> reduced = ShrinkBitmap(*full, level);
  ReportProgress(1.0);
  return reduced;
}

}  // namespace zol
