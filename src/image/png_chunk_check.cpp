#include "image/png_chunk_check.h"

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "image/byte_reader.h"
#include "image/capped_inflate.h"
#include "image/picture_limits.h"

namespace zol {
namespace {

// Where the compressed part of a zTXt, iTXt or iCCP chunk starts; none when
// the chunk is not compressed or is malformed (libpng then skips it).
std::optional<size_t> CompressedStart(std::string_view type, std::span<const uint8_t> data) {
  auto afterNul = [&](size_t from) -> std::optional<size_t> {
    if (from >= data.size()) return std::nullopt;
    const void* nul = std::memchr(data.data() + from, 0, data.size() - from);
    if (!nul) return std::nullopt;
    return size_t(static_cast<const uint8_t*>(nul) - data.data()) + 1;
  };
  auto keywordEnd = afterNul(0);
  if (!keywordEnd) return std::nullopt;
  if (type == "zTXt" || type == "iCCP") return *keywordEnd + 1;  // compression method byte
  // iTXt: compression flag, method, language tag, translated keyword, text.
  const size_t flag = *keywordEnd;
  if (flag + 2 > data.size() || data[flag] == 0) return std::nullopt;
  auto languageEnd = afterNul(flag + 2);
  if (!languageEnd) return std::nullopt;
  return afterNul(*languageEnd);
}

}  // namespace

bool PngMetadataWithinLimits(std::span<const uint8_t> data) {
  TByteReader in(data, true);
  in.Skip(8);  // the signature
  size_t inflatedTotal = 0;
  std::vector<uint8_t> scratch;
  while (in.Remaining() >= 12) {
    const uint32_t length = in.U32();
    const std::string_view type = in.Text(4);
    if (type == "IEND") break;
    if (type != "IDAT" && length > kMaxMetadataBytes) return false;
    if (length > in.Remaining()) break;  // cut short: libpng reports it
    const auto body = in.Bytes(length);
    in.U32();  // CRC
    if (type == "zTXt" || type == "iTXt" || type == "iCCP") {
      if (auto start = CompressedStart(type, body); start && *start <= body.size()) {
        const size_t room = kMaxMetadataBytes - inflatedTotal;
        if (InflateCapped(body.subspan(*start), room, scratch) == TInflateResult::TooLarge) return false;
        inflatedTotal += scratch.size();
      }
    }
  }
  return true;
}

}  // namespace zol
