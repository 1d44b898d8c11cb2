#include "image/picture_bytes.h"

#include <algorithm>
#include <cstring>

namespace zol {

std::optional<std::vector<uint8_t>> ReadStreamBytes(TStream& stream, int64_t limit) {
  std::vector<uint8_t> bytes;
  const int64_t size = stream.GetSize(), position = stream.GetPosition();
  if (size >= 0 && position >= 0 && size >= position) {
    if (size - position > limit) return std::nullopt;
    bytes.reserve(size_t(size - position));
  }
  // Read until the stream gives no more: a size can be stale or unknown.
  uint8_t chunk[65536];
  for (;;) {
    const size_t got = stream.Read(chunk, sizeof chunk);
    if (got == 0) break;
    if (int64_t(bytes.size() + got) > limit) return std::nullopt;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

bool StreamStartsWith(TStream& stream, std::span<const uint8_t> signature) {
  const int64_t start = stream.GetPosition();
  std::vector<uint8_t> head(signature.size());
  size_t got = 0;
  while (got < head.size()) {
    const size_t n = stream.Read(head.data() + got, head.size() - got);
    if (n == 0) break;
    got += n;
  }
  stream.SetPosition(start);
  return got == head.size() && StartsWith(head, signature);
}

bool StartsWith(std::span<const uint8_t> data, std::span<const uint8_t> signature) {
  return data.size() >= signature.size() && std::equal(signature.begin(), signature.end(), data.begin());
}

}  // namespace zol
