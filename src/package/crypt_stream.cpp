#include "package/crypt_stream.h"

#include <vector>

#include "foundation/assertion.h"

namespace zol {

TCryptStream::TCryptStream(TRef<TStream> inner, std::string key)
    : inner_(std::move(inner)), key_(std::move(key)) {
  ZOL_CHECK(inner_ != nullptr, "TCryptStream: no inner stream");
  ZOL_CHECK(!key_.empty(), "TCryptStream: empty key");
}

void TCryptStream::Apply(char* bytes, size_t count, int64_t position) const {
  size_t n = key_.size();
  size_t k = size_t(position % int64_t(n));
  for (size_t i = 0; i < count; ++i) {
    bytes[i] = char(bytes[i] ^ key_[k]);
    if (++k == n) k = 0;
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
