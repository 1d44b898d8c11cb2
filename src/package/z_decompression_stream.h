// TZDecompressionStream: inflates zlib-wrapped data read from a source
// stream. Reads go forward only; seeking back is possible only to the start
// (which restarts inflation). One user at a time.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "foundation/ref.h"
#include "foundation/stream.h"

namespace zol {

class TZDecompressionStream : public TStream {
 public:
  // Called after each refill of the input buffer.
  using ProgressRoutine = std::function<void()>;

  explicit TZDecompressionStream(TRef<TStream> source);
  ~TZDecompressionStream() override;

  void SetProgress(ProgressRoutine progress) { progress_ = std::move(progress); }

  int64_t GetPosition() override;
  void SetPosition(int64_t position) override { Seek(position, TSeekOrigin::Beginning); }
  int64_t GetSize() override { return -1; }
  void SetSize(int64_t) override {}
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;

 protected:
  // WINDOWBITS: 15 for zlib-wrapped data, -15 for raw deflate.
  TZDecompressionStream(TRef<TStream> source, int windowBits);
  void Dispose() override;

 private:
  struct ZState;
  void Restart();
  void SkipForward(int64_t count);

  TRef<TStream> source_;
  int64_t resumePosition_;        // where the next refill reads the source
  const int64_t startPosition_;   // the source position at construction
  std::unique_ptr<ZState> z_;
  std::vector<unsigned char> input_;
  ProgressRoutine progress_;
};

}  // namespace zol
