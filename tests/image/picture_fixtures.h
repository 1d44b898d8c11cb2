// Test fixtures: pictures drawn in memory and written as JPEG, PNG, GIF,
// bitmap and prepared-picture files through the real libraries (or by hand
// where the format is ours), and helpers to open and compare them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/ref.h"
#include "image/bitmap_store.h"
#include "render/pixel_image.h"

namespace zol::test {

// A picture of W × H with smooth gradients and a few hard edges.
TRef<TPixelImage> GradientPicture(int width, int height, bool alpha = false);
// A picture of W × H using only the colours of PALETTE (ARGB), in a pattern.
TRef<TPixelImage> PalettePicture(int width, int height, const std::vector<uint32_t>& palette);
// A picture of one colour.
TRef<TPixelImage> SolidPicture(int width, int height, uint32_t argb,
                               TPixelFormat format = TPixelFormat::kRGB32);

struct TJpegOptions {
  int quality = 95;
  bool progressive = false;
  bool grey = false;
  bool fullChroma = true;                                 // 4:4:4 instead of 4:2:0
  std::optional<std::string> icc = std::nullopt;          // written as ICC_PROFILE APP2 chunks
  std::optional<std::string> exif = std::nullopt;         // an APP1 payload after "Exif\0\0"
  std::optional<std::string> iptc = std::nullopt;         // IPTC-IIM data, wrapped in Photoshop APP13
  std::vector<std::pair<int, std::string>> markers = {};  // raw (marker, payload) written after the header
};
std::string EncodeJpegFixture(const TPixelImage& picture, const TJpegOptions& options = {});

// A PNG through libpng: COLORTYPE and BITDEPTH as libpng names them; the
// picture's colours are written in that form (grey from the red channel,
// palettes built from the colours present).
std::string EncodePngFixture(const TPixelImage& picture, int colorType, int bitDepth, bool interlaced = false,
                             const std::vector<std::pair<std::string, std::string>>& compressedTexts = {});

// A Windows bitmap file by hand. BITS 1, 4, 8 (palette from the colours
// present), 16 (5-5-5, or 5-6-5 with BITFIELDS), 24 or 32. TOPDOWN stores
// rows from the top. CORE uses the 12-byte OS/2 header.
struct TBmpOptions {
  int bits = 24;
  bool bitFields = false;
  bool topDown = false;
  bool core = false;
  bool v5 = false;  // a 124-byte header with masks (alpha mask for 32 bits)
};
std::string EncodeBmpFixture(const TPixelImage& picture, const TBmpOptions& options);

// A GIF through giflib: one frame with the picture's colours (at most 256),
// TRANSPARENT (an ARGB colour, or 0 for none) marked transparent.
std::string EncodeGifFixture(const TPixelImage& picture, bool interlaced = false, uint32_t transparent = 0);

// A prepared-picture container with FIELDS and PAYLOAD (already compressed).
std::string MakeKvgfx(const std::vector<std::pair<std::string, std::string>>& fields,
                      const std::string& payload);
std::string ZlibCompress(const std::string& bytes);

// The picture BYTES named NAME through the process loader registry.
TRef<TBitmapStore> OpenPicture(const std::string& bytes, const std::string& name);

// The largest difference of any channel (alpha included when both have it).
int MaxChannelDifference(const TPixelImage& a, const TPixelImage& b);

// Saves a bitmap beside the test run for a look after a failure.
void SaveForInspection(const TPixelImage& picture, const std::string& name);

}  // namespace zol::test
