#include "foundation/ini_stream_writer.h"

namespace zol {

TIniStreamWriter::TIniStreamWriter(TStream& stream)
    : stream_(stream), block_(std::make_unique<char[]>(kBlockSize)) {
  pos_ = block_.get();
  limit_ = pos_ + kBlockSize;
}

void TIniStreamWriter::Flush() {
  size_t used = size_t(pos_ - block_.get());
  pos_ = block_.get();
  stream_.WriteBuffer(block_.get(), used);
}

void TIniStreamWriter::Overflow(std::string_view bytes) {
  Flush();
  if (bytes.size() >= kBlockSize) {
    stream_.WriteBuffer(bytes.data(), bytes.size());
    return;
  }
  Put(bytes);
}

}  // namespace zol
