#include "image/bitmap_file_store.h"

#include "image/bitmap_scaling.h"
#include "image/picture_limits.h"

namespace zol {

TBitmapFileStore::TBitmapFileStore(std::string name, TPictureBytes bytes, TBitmapFileInfo info)
    : TBitmapStore(std::move(name), info.width, info.height,
                   info.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32),
      bytes_(std::move(bytes)),
      info_(std::move(info)) {}

TRef<TBitmapStore> TBitmapFileStore::Open(TStream& stream, std::string_view name) {
  static constexpr uint8_t kMagic[] = {'B', 'M'};
  if (!StreamStartsWith(stream, kMagic)) return nullptr;
  auto bytes = ReadStreamBytes(stream, kMaxPictureFileBytes);
  if (!bytes) return nullptr;
  auto info = ReadBitmapFileHeader(*bytes);
  if (!info) return nullptr;
  return MakeRef<TBitmapFileStore>(
      std::string(name), std::make_shared<const std::vector<uint8_t>>(std::move(*bytes)), std::move(*info));
}

TRef<TPixelImage> TBitmapFileStore::Decode(int level) {
  // The full picture counts as the first 90 %; the reduction is quick.
  TRef<TPixelImage> full = DecodeBitmapFile(
      *bytes_, info_, [this, level](double f) { return ReportProgress(level ? f * 0.9 : f); });
  if (!full || level == 0) return full;
  TRef<TPixelImage> reduced = ShrinkBitmap(*full, level);
  ReportProgress(1.0);
  return reduced;
}

}  // namespace zol
