#include "foundation/ini_memory_writer.h"

namespace zol {

TIniMemoryWriter::TIniMemoryWriter() {
  buffer_.resize(kInitialSize);
  pos_ = buffer_.data();
  limit_ = pos_ + buffer_.size();
}

void TIniMemoryWriter::Overflow(std::string_view bytes) {
  size_t used = size_t(pos_ - buffer_.data());
  size_t size = buffer_.size();
  while (size - used < bytes.size()) size *= 2;
  buffer_.resize(size);
  pos_ = buffer_.data() + used;
  limit_ = buffer_.data() + size;
  Put(bytes);
}

std::string TIniMemoryWriter::Take() {
  buffer_.resize(size_t(pos_ - buffer_.data()));
  std::string text = std::move(buffer_);
  buffer_.assign(kInitialSize, '\0');
  pos_ = buffer_.data();
  limit_ = pos_ + buffer_.size();
  return text;
}

}  // namespace zol
