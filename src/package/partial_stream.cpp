#include "package/partial_stream.h"

#include <algorithm>
#include <cstdint>

namespace zol {

TPartialStream::TPartialStream(TRef<TStream> source, int64_t length, int64_t start)
    : source_(std::move(source)), start_(start), length_(length) {
  // Written so that absurd positions from a damaged file cannot overflow.
  if (!source_ || start < 0 || length < 0 || length > source_->GetSize() || start > source_->GetSize() - length)
    throw EStreamError("Insufficient Source Size");
  buffer_.resize(size_t(chunk_));
  SetPosition(0);
}

void TPartialStream::SetYield(int32_t interval, YieldRoutine routine) {
  yield_ = std::move(routine);
  chunk_ = yield_ ? std::clamp(interval, 1, kYieldingChunk) : kDefaultChunk;
  buffer_.resize(size_t(chunk_));
}

int64_t TPartialStream::GetPosition() { return source_->GetPosition() - start_; }

void TPartialStream::SetPosition(int64_t position) {
  if (position < 0) throw EStreamError("Incorrect Position");
  // Past the end is allowed (reads give nothing), but must not overflow.
  source_->SetPosition(position > INT64_MAX - start_ ? INT64_MAX : start_ + position);
}

void TPartialStream::SetSize(int64_t) { throw EStreamError("Stream Cannot be resized"); }

template <class Transfer>
size_t TPartialStream::Chunked(size_t count, Transfer transfer) {
  size_t done = 0;
  while (done < count) {
    int64_t position = GetPosition();
    if (position >= length_) break;
    size_t piece = size_t(std::min<int64_t>({int64_t(count - done), length_ - position, chunk_}));
    size_t moved = transfer(done, piece);
    if (yield_) yield_();
    if (moved == 0) break;
    done += moved;
  }
  return done;
}

size_t TPartialStream::Read(void* buffer, size_t count) {
  auto* out = static_cast<char*>(buffer);
  return Chunked(count, [&](size_t at, size_t piece) { return source_->Read(out + at, piece); });
}

size_t TPartialStream::Write(const void* buffer, size_t count) {
  auto* in = static_cast<const char*>(buffer);
  return Chunked(count, [&](size_t at, size_t piece) { return source_->Write(in + at, piece); });
}

int64_t TPartialStream::CopyFrom(TStream& from, int64_t count) {
  int64_t copied = 0;
  while (count > 0) {
    size_t got = from.Read(buffer_.data(), size_t(std::min<int64_t>(count, chunk_)));
    if (got == 0) break;
    if (yield_) yield_();
    if (source_->Write(buffer_.data(), got) != got) throw EStreamError("Stream write error");
    if (yield_) yield_();
    copied += int64_t(got);
    count -= int64_t(got);
  }
  return copied;
}

void TPartialStream::Dispose() {
  source_.reset();
  yield_ = nullptr;
  TStream::Dispose();
}

}  // namespace zol
