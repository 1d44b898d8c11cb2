#include "image/kvgfx_store.h"

#include "image/bitmap_scaling.h"
#include "image/picture_limits.h"

namespace zol {

TKvgfxStore::TKvgfxStore(std::string name, TPictureBytes bytes, TKvgfxHeader header)
    : TBitmapStore(std::move(name), header.width, header.height, TPixelFormat::kARGB32),
      bytes_(std::move(bytes)),
      header_(std::move(header)) {}

TRef<TBitmapStore> TKvgfxStore::Open(TStream& stream, std::string_view name) {
  static constexpr uint8_t kMagic[] = {'K', 'V', 'G', 'F'};
  if (!StreamStartsWith(stream, kMagic)) return nullptr;
  auto bytes = ReadStreamBytes(stream, kMaxPictureFileBytes);
  if (!bytes) return nullptr;
  auto header = ReadKvgfxHeader(*bytes);
  if (!header) return nullptr;
  return MakeRef<TKvgfxStore>(
      std::string(name), std::make_shared<const std::vector<uint8_t>>(std::move(*bytes)), std::move(*header));
}

TRef<TPixelImage> TKvgfxStore::Decode(int level) {
  TRef<TPixelImage> full = DecodeKvgfxPayload(*bytes_, header_);
  if (!ReportProgress(1.0)) return nullptr;
  return level == 0 ? full : ShrinkBitmap(*full, level);
}

}  // namespace zol
