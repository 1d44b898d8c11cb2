// Fuzzes the prepared-picture container: any bytes give a header or none,
// and a header's payload gives a bitmap of the declared size (decoded, or
// the default colour when damaged).
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/kvgfx_reader.h"

namespace {
constexpr int64_t kMaxFuzzPixels = int64_t(1) << 22;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  auto header = zol::ReadKvgfxHeader(bytes);
  if (!header || int64_t(header->width) * header->height > kMaxFuzzPixels) return 0;
  zol::TRef<zol::TPixelImage> bitmap = zol::DecodeKvgfxPayload(bytes, *header);
  if (!bitmap || bitmap->Width() != header->width || bitmap->Height() != header->height) __builtin_trap();
  return 0;
}
