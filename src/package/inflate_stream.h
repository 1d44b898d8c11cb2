// TInflateStream: inflates raw deflate data (no zlib header), the storage of
// compressed files in a package, with the size the caller declares for it.
// One user at a time.
#pragma once

#include "package/z_decompression_stream.h"

namespace zol {

class TInflateStream : public TZDecompressionStream {
 public:
  // DECLAREDSIZE is -1 when the caller has no size to give.
  TInflateStream(TRef<TStream> source, int64_t declaredSize);

  int64_t GetSize() override { return declaredSize_; }
  // Staying put costs nothing; any other target seeks from the beginning.
  void SetPosition(int64_t position) override;
  void SetSize(int64_t size) override;

 private:
  int64_t declaredSize_;
};

// Inflates a whole raw-deflate stream into memory, reading SOURCE from its start.
TRef<TStream> InflateWhole(TRef<TStream> source);

}  // namespace zol
