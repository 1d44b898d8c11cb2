// Fuzzes our bitmap file reader: any bytes must give a header or none, and a
// header's pixels must decode without reading outside the input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/bitmap_file_reader.h"

namespace {
// Pictures that would take the fuzzer's memory are only read, not decoded.
constexpr int64_t kMaxFuzzPixels = int64_t(1) << 22;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  auto info = zol::ReadBitmapFileHeader(bytes);
  if (!info || int64_t(info->width) * info->height > kMaxFuzzPixels) return 0;
  zol::TRef<zol::TPixelImage> bitmap = zol::DecodeBitmapFile(bytes, *info);
  if (!bitmap || bitmap->Width() != info->width || bitmap->Height() != info->height) __builtin_trap();
  return 0;
}
