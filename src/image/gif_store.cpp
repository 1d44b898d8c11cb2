#include "image/gif_store.h"

#include "image/bitmap_scaling.h"
#include "image/picture_limits.h"

namespace zol {

TGifStore::TGifStore(std::string name, TPictureBytes bytes, const TGifInfo& info)
    : TBitmapStore(std::move(name), info.width, info.height,
                   info.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32),
      bytes_(std::move(bytes)),
      info_(info) {}

TRef<TBitmapStore> TGifStore::Open(TStream& stream, std::string_view name) {
  static constexpr uint8_t kMagic[] = {'G', 'I', 'F', '8'};
  if (!StreamStartsWith(stream, kMagic)) return nullptr;
  auto bytes = ReadStreamBytes(stream, kMaxPictureFileBytes);
  if (!bytes) return nullptr;
  auto info = ReadGifInfo(*bytes);
  if (!info) return nullptr;
  return MakeRef<TGifStore>(std::string(name),
                            std::make_shared<const std::vector<uint8_t>>(std::move(*bytes)), *info);
}

TRef<TPixelImage> TGifStore::Decode(int level) {
  TRef<TPixelImage> full = DecodeGifFirstFrame(
      *bytes_, info_, [this, level](double f) { return ReportProgress(level ? f * 0.9 : f); });
  if (!full || level == 0) return full;
  TRef<TPixelImage> reduced = ShrinkBitmap(*full, level);
  ReportProgress(1.0);
  return reduced;
}

}  // namespace zol
