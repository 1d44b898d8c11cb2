// TIniStreamWriter: a TIniWriter that passes its bytes to a TStream in
// 32768-byte blocks. Lives on the stack of one save; the stream must outlive
// it. Call Finish to write the last block: a failing write raises
// EStreamError there, which a destructor could not report.
#pragma once

#include <memory>

#include "foundation/ini_writer.h"
#include "foundation/stream.h"

namespace zol {

class TIniStreamWriter : public TIniWriter {
 public:
  static constexpr size_t kBlockSize = 32768;

  explicit TIniStreamWriter(TStream& stream);

  // Writes what is still buffered.
  void Finish() { Flush(); }

 protected:
  void Overflow(std::string_view bytes) override;

 private:
  void Flush();

  TStream& stream_;
  std::unique_ptr<char[]> block_;
};

}  // namespace zol
