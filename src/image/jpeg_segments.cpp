#include "image/jpeg_segments.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "foundation/log.h"
#include "image/picture_limits.h"

namespace zol {
namespace {

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kTem = 0x01, kApp2 = 0xE2;
constexpr size_t kIccHeading = 14;  // "ICC_PROFILE\0", sequence number, chunk count

bool Standalone(uint8_t marker) {
  return marker == kTem || (marker >= 0xD0 && marker <= 0xD7);
}

}  // namespace

bool WalkJpegSegments(std::span<const uint8_t> data, const std::function<bool(const TJpegSegment&)>& visit) {
  if (data.size() < 2 || data[0] != 0xFF || data[1] != kSoi) {
    LogText("Jpeg Marker expected");
    return false;
  }
  size_t pos = 2;
  while (pos < data.size()) {
    if (data[pos] != 0xFF) {
      LogInt("Error: marker expected at ", int64_t(pos));
      return true;
    }
    // Fill bytes before a marker are allowed but unusual; skip each.
    while (pos + 1 < data.size() && data[pos + 1] == 0xFF) {
      LogInt("Error: duplicate $FF encountered at ", int64_t(pos));
      ++pos;
    }
    if (pos + 1 >= data.size()) return true;
    const size_t start = pos;
    const uint8_t marker = data[pos + 1];
    pos += 2;
    if (marker == kSos || marker == kEoi) return true;
    if (Standalone(marker)) continue;
    if (pos + 2 > data.size()) return true;
    const size_t length = size_t(data[pos]) << 8 | data[pos + 1];
    if (length < 2 || pos + length > data.size()) return true;  // cut short
    if (!visit({marker, start, data.subspan(pos + 2, length - 2)})) return true;
    pos += length;
  }
  return true;
}

TJpegIccProfile ReadJpegIccProfile(std::span<const uint8_t> data) {
  struct Chunk {
    int sequence;
    std::span<const uint8_t> bytes;
  };
  std::vector<Chunk> chunks;
  size_t total = 0;
  bool tooLarge = false;
  WalkJpegSegments(data, [&](const TJpegSegment& segment) {
    if (segment.marker != kApp2 || segment.payload.size() < kIccHeading ||
        std::memcmp(segment.payload.data(), "ICC_PROFILE\0", 12) != 0)
      return true;  // other APP2 users (FlashPix, MPF) are not profiles
    const auto bytes = segment.payload.subspan(kIccHeading);
    total += bytes.size();
    if (total > kMaxMetadataBytes) {
      tooLarge = true;
      return false;
    }
    chunks.push_back({segment.payload[12], bytes});
    return true;
  });
  TJpegIccProfile result;
  result.tooLarge = tooLarge;
  if (tooLarge || chunks.empty()) return result;
  // Profiles over 64 KB span several segments numbered 1 … n; files whose
  // numbering is broken are joined in the order they come.
  std::stable_sort(chunks.begin(), chunks.end(),
                   [](const Chunk& a, const Chunk& b) { return a.sequence < b.sequence; });
  std::string icc;
  icc.reserve(total);
  for (const Chunk& chunk : chunks)
    icc.append(reinterpret_cast<const char*>(chunk.bytes.data()), chunk.bytes.size());
  result.icc = std::move(icc);
  return result;
}

int CountJpegScans(std::span<const uint8_t> data, int stopAt) {
  if (data.size() < 2 || data[0] != 0xFF || data[1] != kSoi) return 0;
  int scans = 0;
  size_t pos = 2;
  while (pos + 1 < data.size() && scans <= stopAt) {
    if (data[pos] != 0xFF) {
      // Entropy-coded data: the next marker is an 0xFF not followed by a
      // stuffed zero, a restart marker or another 0xFF.
      const void* next = std::memchr(data.data() + pos, 0xFF, data.size() - pos);
      if (!next) break;
      pos = size_t(static_cast<const uint8_t*>(next) - data.data());
      continue;
    }
    const uint8_t marker = data[pos + 1];
    if (marker == 0xFF) {
      ++pos;
      continue;
    }
    if (marker == 0x00 || Standalone(marker)) {
      pos += 2;
      continue;
    }
    if (marker == kEoi) break;
    if (pos + 4 > data.size()) break;
    const size_t length = size_t(data[pos + 2]) << 8 | data[pos + 3];
    if (marker == kSos) ++scans;
    if (length < 2) break;
    pos += 2 + length;
  }
  return scans;
}

bool IsStandardSrgbProfile(std::string_view icc) {
  return icc.substr(0, 512).find("sRGB IEC61966-2.1") != std::string_view::npos;
}

}  // namespace zol
