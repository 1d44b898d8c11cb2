#include "package/crypt_stream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/assertion.h"

namespace zol {

namespace {
constexpr size_t kTile = 4096;
}  // namespace

TCryptStream::TCryptStream(TRef<TStream> inner, std::string key)
    : inner_(std::move(inner)), key_(std::move(key)) {
  ZOL_CHECK(inner_ != nullptr, "TCryptStream: no inner stream");
  ZOL_CHECK(!key_.empty(), "TCryptStream: empty key");
  const size_t copies = (kTile + key_.size() - 1) / key_.size();
  tiledKey_.reserve(copies * key_.size());
  for (size_t i = 0; i < copies; ++i) tiledKey_ += key_;
}

void TCryptStream::Apply(char* bytes, size_t count, int64_t position) const {
  const size_t n = key_.size();
  size_t k = size_t(position % int64_t(n));
  while (count > 0) {
    // From key offset K the tiled key runs on without wrapping.
    const size_t run = std::min(count, tiledKey_.size() - k);
    const char* key = tiledKey_.data() + k;
    size_t i = 0;
    for (; i + 8 <= run; i += 8) {
      uint64_t data, mask;
      std::memcpy(&data, bytes + i, 8);
      std::memcpy(&mask, key + i, 8);
      data ^= mask;
      std::memcpy(bytes + i, &data, 8);
    }
    for (; i < run; ++i) bytes[i] = char(bytes[i] ^ key[i]);
    bytes += run;
    count -= run;
    k = (k + run) % n;
  }
}

size_t TCryptStream::Read(void* buffer, size_t count) {
  int64_t position = inner_->GetPosition();
  size_t got = inner_->Read(buffer, count);
  Apply(static_cast<char*>(buffer), got, position);
  return got;
}

size_t TCryptStream::Write(const void* buffer, size_t count) {
  std::vector<char> copy(static_cast<const char*>(buffer), static_cast<const char*>(buffer) + count);
  Apply(copy.data(), count, inner_->GetPosition());
  return inner_->Write(copy.data(), count);
}

void TCryptStream::Dispose() {
  inner_.reset();
  TStream::Dispose();
}

}  // namespace zol
