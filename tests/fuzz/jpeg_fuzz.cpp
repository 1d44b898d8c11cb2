// Fuzzes the JPEG path: the header through libjpeg-turbo, the walk over the
// marker segments (profile chunks, scan count, EXIF, IPTC) and, for small
// pictures, the decode at the smallest level. Nothing may crash, hang or read
// outside the input.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "image/exif_reader.h"
#include "image/iptc_reader.h"
#include "image/jpeg_decoder.h"
#include "image/jpeg_segments.h"
#include "image/picture_limits.h"

namespace {
constexpr int64_t kMaxFuzzPixels = int64_t(1) << 22;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  zol::ReadJpegIccProfile(bytes);
  zol::ReadExifFields(bytes);
  zol::ReadIptcFields(bytes);
  const int scans = zol::CountJpegScans(bytes, zol::kMaxJpegScans);
  auto info = zol::ReadJpegInfo(bytes);
  if (!info || scans > zol::kMaxJpegScans || int64_t(info->width) * info->height > kMaxFuzzPixels) return 0;
  zol::TRef<zol::TPixelImage> bitmap = zol::DecodeJpeg(bytes, 3, std::function<bool(double)>());
  if (bitmap && (bitmap->Width() != (info->width + 7) / 8 || bitmap->Height() != (info->height + 7) / 8))
    __builtin_trap();
  return 0;
}
