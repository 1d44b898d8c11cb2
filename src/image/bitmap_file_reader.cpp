#include "image/bitmap_file_reader.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#include "image/byte_reader.h"
#include "image/picture_limits.h"
#include "render/color.h"

namespace zol {
namespace {

constexpr uint32_t kBiRgb = 0, kBiBitFields = 3, kBiAlphaBitFields = 6;
constexpr size_t kFileHeaderBytes = 14;

// One channel of a bit-field pixel, widened to 8 bits by repeating its bits
// (so 5-bit 31 becomes 255 and 0 stays 0).
struct TChannel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit TChannel(uint32_t m) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    // Only the lowest contiguous run counts; masks with holes are not real bit fields.
    bits = std::countr_one(m >> shift);
  }
  uint8_t Of(uint32_t pixel) const {
    if (!mask || bits == 0) return 0;
    uint32_t value = (pixel >> shift) & ((bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1));
    if (bits >= 8) return uint8_t(value >> (bits - 8));
    uint32_t wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits) wide |= wide >> bits;
    return uint8_t(wide);
  }
};

// Whether some 32-bit pixel has a bit of MASK set.
bool AnyAlpha(std::span<const uint8_t> data, const TBitmapFileInfo& info, uint32_t mask) {
  for (int row = 0; row < info.height; ++row) {
    const size_t start = info.pixelOffset + size_t(row) * info.rowBytes;
    if (start >= data.size()) break;
    const size_t end = std::min(data.size(), start + size_t(info.width) * 4);
    for (size_t i = start; i + 4 <= end; i += 4) {
      const uint32_t pixel =
          data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) | (uint32_t(data[i + 3]) << 24);
      if (pixel & mask) return true;
    }
  }
  return false;
}

}  // namespace

std::optional<TBitmapFileInfo> ReadBitmapFileHeader(std::span<const uint8_t> data) {
  TByteReader in(data);
  if (in.U8() != 'B' || in.U8() != 'M') return std::nullopt;
  in.Skip(8);  // file size and reserved words: often wrong, never needed
  const uint32_t offBits = in.U32();
  const uint32_t headerSize = in.U32();
  TBitmapFileInfo info;
  int64_t width = 0, height = 0;
  uint32_t compression = kBiRgb, colorsUsed = 0;
  size_t paletteEntryBytes = 4;
  if (headerSize == 12) {  // the OS/2 core header: 16-bit sides, 3-byte palette entries
    width = in.U16();
    height = int16_t(in.U16());
    in.U16();  // planes
    info.bitCount = in.U16();
    paletteEntryBytes = 3;
  } else if (headerSize >= 40) {
    width = in.I32();
    height = in.I32();
    in.U16();  // planes
    info.bitCount = in.U16();
    compression = in.U32();
    in.Skip(12);  // image size, resolution
    colorsUsed = in.U32();
    in.U32();  // important colours
    if (headerSize >= 52) info.masks = {in.U32(), in.U32(), in.U32(), headerSize >= 56 ? in.U32() : 0};
  } else {
    return std::nullopt;
  }
  if (in.Failed()) return std::nullopt;
  in.Seek(kFileHeaderBytes + size_t(headerSize));
  if (headerSize == 40 && (compression == kBiBitFields || compression == kBiAlphaBitFields))
    info.masks = {in.U32(), in.U32(), in.U32(), compression == kBiAlphaBitFields ? in.U32() : 0};

  if (height == INT32_MIN) return std::nullopt;
  info.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (!PictureSizeAllowed(width, height)) return std::nullopt;
  info.width = int(width);
  info.height = int(height);

  const int bits = info.bitCount;
  switch (compression) {
    case kBiRgb:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
      if (bits == 16) info.masks = {0x7C00, 0x03E0, 0x001F, 0};
      if (bits == 32) info.masks = {0xFF0000, 0xFF00, 0xFF, 0};
      break;
    case kBiBitFields:
    case kBiAlphaBitFields:
      if (bits != 16 && bits != 32) return std::nullopt;
      break;
    default:
      return std::nullopt;  // run-length and embedded JPEG/PNG bitmaps
  }

  if (bits <= 8) {
    const uint32_t full = 1u << bits;
    const uint32_t count = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    info.palette.assign(full, 0xFF000000u);  // indices past the table read as black
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t b = in.U8(), g = in.U8(), r = in.U8();
      if (paletteEntryBytes == 4) in.U8();
      info.palette[i] = PackColor(r, g, b, 255);
    }
  }
  if (in.Failed()) return std::nullopt;

  info.rowBytes = size_t((int64_t(info.width) * bits + 31) / 32 * 4);
  // Some writers leave the pixel offset 0; the pixels then follow the palette.
  info.pixelOffset = offBits >= in.Position() && offBits < data.size() ? offBits : in.Position();
  if (info.pixelOffset >= data.size()) return std::nullopt;

  // The fourth byte is "reserved" in plain 32-bit files, yet prepared
  // pictures keep their alpha there; and writers give an alpha mask to files
  // whose alpha they never filled. Alpha that is zero everywhere is unused.
  if (bits == 32 && compression == kBiRgb) info.masks[3] = 0xFF000000u;
  if (bits == 32 && info.masks[3] != 0 && !AnyAlpha(data, info, info.masks[3])) info.masks[3] = 0;
  info.alpha = (bits == 16 || bits == 32) && info.masks[3] != 0;
  return info;
}

TRef<TPixelImage> DecodeBitmapFile(std::span<const uint8_t> data, const TBitmapFileInfo& info,
                                   const std::function<bool(double)>& progress) {
  auto image = MakeRef<TPixelImage>(info.width, info.height,
                                    info.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
  const TChannel red(info.masks[0]), green(info.masks[1]), blue(info.masks[2]), alpha(info.masks[3]);
  const int bits = info.bitCount;
  for (int row = 0; row < info.height; ++row) {
    const size_t start = info.pixelOffset + size_t(row) * info.rowBytes;
    if (start >= data.size()) break;  // cut short: the rest stays black
    const size_t available = std::min(info.rowBytes, data.size() - start);
    const uint8_t* in = data.data() + start;
    const int y = info.topDown ? row : info.height - 1 - row;
    uint32_t* out = reinterpret_cast<uint32_t*>(image->ScanLine(y));
    // Only whole pixels present in the file are read.
    const int present = int(std::min<int64_t>(info.width, int64_t(available) * 8 / bits));
    for (int x = 0; x < present; ++x) {
      uint32_t color = 0;
      switch (bits) {
        case 1:
          color = info.palette[(in[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          color = info.palette[(in[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
          break;
        case 8:
          color = info.palette[in[x]];
          break;
        case 24:
          color = PackColor(in[x * 3 + 2], in[x * 3 + 1], in[x * 3], 255);
          break;
        case 16:
        case 32: {
          const uint8_t* p = in + size_t(x) * (bits / 8);
          const uint32_t pixel = bits == 16
                                     ? uint32_t(p[0] | (p[1] << 8))
                                     : uint32_t(p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24));
          color =
              PackColor(red.Of(pixel), green.Of(pixel), blue.Of(pixel), info.alpha ? alpha.Of(pixel) : 255);
          break;
        }
      }
      // Stored as bytes B, G, R, A: the ARGB word in little-endian order.
      const uint8_t bytes[4] = {ColorB(color), ColorG(color), ColorR(color), ColorA(color)};
      std::memcpy(out + x, bytes, 4);
    }
    if (progress && !progress(double(row + 1) / info.height)) return nullptr;
  }
  return image;
}

}  // namespace zol
