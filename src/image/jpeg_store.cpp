#include "image/jpeg_store.h"

#include "foundation/log.h"
#include "image/jpeg_segments.h"
#include "image/picture_limits.h"

namespace zol {

TJpegStore::TJpegStore(std::string name, TPictureBytes bytes, const TJpegInfo& info,
                       TRef<TColorProfile> profile)
    : TBitmapStore(std::move(name), info.width, info.height, TPixelFormat::kRGB32, std::move(profile)),
      bytes_(std::move(bytes)),
      info_(info) {}

TRef<TBitmapStore> TJpegStore::Open(TStream& stream, std::string_view name) {
  static constexpr uint8_t kMagic[] = {0xFF, 0xD8};
  if (!StreamStartsWith(stream, kMagic)) return nullptr;
  auto bytes = ReadStreamBytes(stream, kMaxPictureFileBytes);
  if (!bytes) return nullptr;
  auto info = ReadJpegInfo(*bytes);
  if (!info) return nullptr;
  if (!PictureSizeAllowed(info->width, info->height)) {
    LogText("Jpeg picture too large: " + std::string(name));
    return nullptr;
  }
  if (info->progressive && CountJpegScans(*bytes, kMaxJpegScans) > kMaxJpegScans) {
    LogText("Jpeg picture has too many scans: " + std::string(name));
    return nullptr;
  }
  TJpegIccProfile icc = ReadJpegIccProfile(*bytes);
  if (icc.tooLarge) {
    LogText("Jpeg colour profile too large: " + std::string(name));
    return nullptr;
  }
  TRef<TColorProfile> profile;
  if (icc.icc && !IsStandardSrgbProfile(*icc.icc))
    profile = MakeRef<TColorProfile>(std::string(name), std::move(*icc.icc));
  return MakeRef<TJpegStore>(std::string(name),
                             std::make_shared<const std::vector<uint8_t>>(std::move(*bytes)), *info,
                             std::move(profile));
}

TRef<TPixelImage> TJpegStore::Decode(int level) {
  return DecodeJpeg(*bytes_, level, [this](double fraction) { return ReportProgress(fraction); });
}

}  // namespace zol
