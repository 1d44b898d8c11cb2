#include "image/iptc_reader.h"

#include <cstring>

#include "image/byte_reader.h"
#include "image/jpeg_segments.h"
#include "image/metadata_text.h"
#include "image/picture_limits.h"

namespace zol {
namespace {

constexpr uint16_t kIptcResource = 0x0404;
constexpr uint8_t kEnvelopeRecord = 1, kApplicationRecord = 2, kCodedCharacterSet = 90;
constexpr std::string_view kPhotoshop("Photoshop 3.0\0", 14);

// The IPTC block among the image resources ("8BIM" blocks) of Photoshop data.
std::optional<std::span<const uint8_t>> FindIptcResource(std::span<const uint8_t> resources) {
  TByteReader in(resources, true);
  while (in.Remaining() >= 12) {
    if (in.Text(4) != "8BIM") return std::nullopt;
    const uint16_t id = in.U16();
    const uint8_t nameLength = in.U8();
    in.Skip(nameLength + ((nameLength + 1) % 2));  // a Pascal name padded to an even size
    const uint32_t size = in.U32();
    if (in.Failed() || size > in.Remaining()) return std::nullopt;
    const auto data = in.Bytes(size);
    if (id == kIptcResource) return data;
    if (size % 2) in.Skip(1);
  }
  return std::nullopt;
}

}  // namespace

std::string TIptcFields::Value(int dataset) const {
  auto it = values.find(dataset);
  return it == values.end() || it->second.empty() ? std::string() : TrimMetadataText(it->second.front());
}

TIptcFields ParseIptc(std::span<const uint8_t> iim) {
  TIptcFields fields;
  bool utf8 = false;
  std::vector<std::pair<int, std::string_view>> raw;
  TByteReader in(iim, true);
  while (in.Remaining() >= 5) {
    if (in.U8() != 0x1C) break;
    const uint8_t record = in.U8(), dataset = in.U8();
    uint32_t size = in.U16();
    if (size & 0x8000) {  // extended: the low bits count the bytes of the size
      const uint32_t lengthBytes = size & 0x7FFF;
      if (lengthBytes == 0 || lengthBytes > 4) break;
      size = 0;
      for (uint32_t i = 0; i < lengthBytes; ++i) size = size << 8 | in.U8();
    }
    if (in.Failed() || size > in.Remaining()) break;
    const std::string_view value = in.Text(size);
    // ESC % G declares UTF-8 for the whole file.
    if (record == kEnvelopeRecord && dataset == kCodedCharacterSet && value == "\x1B%G") utf8 = true;
    if (record == kApplicationRecord) raw.emplace_back(dataset, value);
  }
  for (const auto& [dataset, value] : raw)
    fields.values[dataset].push_back(utf8 ? std::string(value) : MetadataTextToUtf8(value));
  return fields;
}

std::optional<TIptcFields> ReadIptcFields(std::span<const uint8_t> jpeg) {
  // Photoshop spreads large resource data over several APP13 segments.
  std::vector<uint8_t> resources;
  WalkJpegSegments(jpeg, [&](const TJpegSegment& segment) {
    const auto& p = segment.payload;
    if (segment.marker == 0xED && p.size() >= kPhotoshop.size() &&
        std::memcmp(p.data(), kPhotoshop.data(), kPhotoshop.size()) == 0 &&
        resources.size() + p.size() <= kMaxMetadataBytes)
      resources.insert(resources.end(), p.begin() + kPhotoshop.size(), p.end());
    return true;
  });
  if (resources.empty()) return std::nullopt;
  auto iim = FindIptcResource(resources);
  if (!iim) return std::nullopt;
  return ParseIptc(*iim);
}

}  // namespace zol
