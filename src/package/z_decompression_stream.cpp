#include "package/z_decompression_stream.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "package/z_decompression_error.h"

namespace zol {

namespace {
constexpr size_t kInputBlock = 65536;
constexpr size_t kSkipPiece = 8192;
constexpr const char* kInvalidOperation = "Invalid ZStream operation!";
}  // namespace

void RaiseZlibError(int code) { throw EZDecompressionError(zError(code)); }

struct TZDecompressionStream::ZState {
  z_stream stream{};
  bool initialised = false;
  ~ZState() {
    if (initialised) inflateEnd(&stream);
  }
};

TZDecompressionStream::TZDecompressionStream(TRef<TStream> source)
    : TZDecompressionStream(std::move(source), 15) {}

TZDecompressionStream::TZDecompressionStream(TRef<TStream> source, int windowBits)
    : source_(std::move(source)),
      resumePosition_(source_->GetPosition()),
      startPosition_(resumePosition_),
      z_(std::make_unique<ZState>()),
      input_(kInputBlock) {
  int rc = inflateInit2(&z_->stream, windowBits);
  if (rc != Z_OK) RaiseZlibError(rc);
  z_->initialised = true;
}

TZDecompressionStream::~TZDecompressionStream() = default;

int64_t TZDecompressionStream::GetPosition() { return int64_t(z_->stream.total_out); }

size_t TZDecompressionStream::Read(void* buffer, size_t count) {
  z_stream& zs = z_->stream;
  zs.next_out = static_cast<Bytef*>(buffer);
  zs.avail_out = uInt(std::min<size_t>(count, 0x7FFFFFFF));
  const size_t asked = zs.avail_out;
  if (source_->GetPosition() != resumePosition_) source_->SetPosition(resumePosition_);

  int rc = Z_OK;
  while (zs.avail_out > 0 && rc != Z_STREAM_END) {
    if (zs.avail_in == 0) {
      size_t got = source_->Read(input_.data(), input_.size());
      if (got == 0) break;  // the data ends early: give what was produced
      zs.next_in = input_.data();
      zs.avail_in = uInt(got);
      resumePosition_ = source_->GetPosition();
      if (progress_) progress_();
    }
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc == Z_NEED_DICT) RaiseZlibError(Z_DATA_ERROR);
    if (rc < 0 && rc != Z_BUF_ERROR) RaiseZlibError(rc);
  }
  if (rc == Z_STREAM_END && zs.avail_in > 0) {
    // Bytes after the end of the deflate data are not ours.
    resumePosition_ = source_->GetPosition();
    zs.avail_in = 0;
  }
  return asked - zs.avail_out;
}

size_t TZDecompressionStream::Write(const void*, size_t) { throw EZDecompressionError(kInvalidOperation); }

void TZDecompressionStream::Restart() {
  inflateReset(&z_->stream);
  z_->stream.avail_in = 0;
  source_->SetPosition(0);
  resumePosition_ = startPosition_;
}

void TZDecompressionStream::SkipForward(int64_t count) {
  unsigned char piece[kSkipPiece];
  while (count > 0) {
    size_t want = size_t(std::min<int64_t>(count, int64_t(kSkipPiece)));
    if (Read(piece, want) != want) throw EStreamError("Stream read error");
    count -= int64_t(want);
  }
}

int64_t TZDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t current = GetPosition();
  if (origin == TSeekOrigin::Beginning && offset == 0) {
    Restart();
  } else if (origin == TSeekOrigin::Current && offset >= 0) {
    SkipForward(offset);
  } else if (origin == TSeekOrigin::Beginning && offset > current) {
    SkipForward(offset - current);
  } else if (origin == TSeekOrigin::End && offset == 0) {
    unsigned char piece[kSkipPiece];
    while (Read(piece, sizeof piece) > 0) {
    }
  } else if (!(origin == TSeekOrigin::Beginning && offset == current)) {
    throw EZDecompressionError(kInvalidOperation);
  }
  return GetPosition();
}

void TZDecompressionStream::Dispose() {
  source_.reset();
  progress_ = nullptr;
  TStream::Dispose();
}

}  // namespace zol
