#include "image/kvgfx_reader.h"

#include <charconv>

#include "image/bitmap_file_reader.h"
#include "image/byte_reader.h"
#include "image/capped_inflate.h"
#include "image/picture_limits.h"

namespace zol {
namespace {

std::optional<int64_t> ParseDecimal(const std::string& text) {
  int64_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

const std::string* Field(const TKvgfxHeader& header, const char* key) {
  auto it = header.fields.find(key);
  return it == header.fields.end() ? nullptr : &it->second;
}

TRef<TPixelImage> Filled(const TKvgfxHeader& header) {
  auto image = MakeRef<TPixelImage>(header.width, header.height, TPixelFormat::kARGB32);
  image->Fill(kKvgfxDefaultColor);
  return image;
}

}  // namespace

std::optional<TKvgfxHeader> ReadKvgfxHeader(std::span<const uint8_t> data) {
  TByteReader in(data);
  if (in.Text(4) != "KVGF") return std::nullopt;
  TKvgfxHeader header;
  const int count = in.U16();
  for (int i = 0; i < count; ++i) {
    std::string key(in.Text(in.U16()));
    std::string value(in.Text(in.U16()));
    if (in.Failed()) return std::nullopt;
    header.fields[std::move(key)] = std::move(value);
  }
  const std::string* file = Field(header, "File");
  const std::string* width = Field(header, "Width");
  const std::string* height = Field(header, "Height");
  const std::string* originalSize = Field(header, "OriginalSize");
  if (!file || !width || !height || !originalSize) return std::nullopt;
  auto w = ParseDecimal(*width), h = ParseDecimal(*height), size = ParseDecimal(*originalSize);
  if (!w || !h || !size || !PictureSizeAllowed(*w, *h)) return std::nullopt;
  header.file = *file;
  header.width = int(*w);
  header.height = int(*h);
  header.originalSize = *size;
  header.payloadOffset = in.Position();
  return header;
}

TRef<TPixelImage> DecodeKvgfxPayload(std::span<const uint8_t> data, const TKvgfxHeader& header) {
  if (header.payloadOffset > data.size()) return Filled(header);
  // A bitmap of the declared size needs at most 4 bytes a pixel plus padding,
  // headers and a palette; anything inflating further is not that bitmap.
  const size_t limit = size_t(header.width + 1) * size_t(header.height) * 4 + 65536;
  std::vector<uint8_t> bitmapFile;
  if (InflateCapped(data.subspan(header.payloadOffset), limit, bitmapFile) != TInflateResult::Ok)
    return Filled(header);
  auto info = ReadBitmapFileHeader(bitmapFile);
  if (!info || info->width != header.width || info->height != header.height) return Filled(header);
  TRef<TPixelImage> bitmap = DecodeBitmapFile(bitmapFile, *info);
  if (!bitmap) return Filled(header);
  if (bitmap->Format() == TPixelFormat::kARGB32) return bitmap;
  auto withAlpha = MakeRef<TPixelImage>(bitmap->Width(), bitmap->Height(), TPixelFormat::kARGB32);
  withAlpha->CopyFrom(*bitmap);
  return withAlpha;
}

}  // namespace zol
