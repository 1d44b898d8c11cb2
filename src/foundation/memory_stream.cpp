#include "foundation/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace zol {

TMemoryStream::TMemoryStream(std::string_view bytes) : data_(bytes.begin(), bytes.end()) {}

void TMemoryStream::SetPosition(int64_t position) {
  if (position < 0) throw EStreamError("Incorrect Position");
  position_ = position;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Stream Cannot be resized");
  data_.resize(size_t(size));
  if (position_ > size) position_ = size;
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  int64_t size = GetSize();
  if (position_ >= size) return 0;
  size_t n = size_t(std::min<int64_t>(int64_t(count), size - position_));
  std::memcpy(buffer, data_.data() + position_, n);
  position_ += int64_t(n);
  return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
  if (count == 0) return 0;
  size_t end = size_t(position_) + count;
  if (end > data_.size()) {
    // Grow geometrically so that many small writes stay linear.
    if (end > data_.capacity()) data_.reserve(std::max(end, data_.capacity() * 2));
    data_.resize(end);
  }
  std::memcpy(data_.data() + position_, buffer, count);
  position_ = int64_t(end);
  return count;
}

}  // namespace zol
