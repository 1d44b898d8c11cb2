// TPartialStream: a window onto a byte range of another stream, seen as a
// stream of its own (every stored file of a package is read through one).
// Transfers go in chunks with an optional yield routine between them. One
// user at a time.
#pragma once

#include <functional>
#include <vector>

#include "foundation/ref.h"
#include "foundation/stream.h"

namespace zol {

class TPartialStream : public TStream {
 public:
  // Called around every chunk; its answer (continue or stop) is for loaders
  // that poll it, the window itself always finishes the transfer.
  using YieldRoutine = std::function<bool()>;

  static constexpr int32_t kDefaultChunk = 32768;
  static constexpr int32_t kYieldingChunk = 256;

  // Raises "Insufficient Source Size" when SOURCE is shorter than START + LENGTH.
  TPartialStream(TRef<TStream> source, int64_t length, int64_t start);

  // With a routine the chunk becomes min(INTERVAL, 256) bytes.
  void SetYield(int32_t interval, YieldRoutine routine);

  int64_t GetPosition() override;
  void SetPosition(int64_t position) override;
  int64_t GetSize() override { return length_; }
  void SetSize(int64_t size) override;
  int64_t CopyFrom(TStream& source, int64_t count) override;
  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;

  int64_t Start() const { return start_; }
  int32_t Chunk() const { return chunk_; }
  TStream& Source() { return *source_; }

 protected:
  void Dispose() override;

 private:
  template <class Transfer>
  size_t Chunked(size_t count, Transfer transfer);

  TRef<TStream> source_;
  int64_t start_;
  int64_t length_;
  YieldRoutine yield_;
  int32_t chunk_ = kDefaultChunk;
  std::vector<char> buffer_;
};

}  // namespace zol
