// TStreamLog: writes lines in UTF-8 with CR LF to a stream, starting an empty
// stream with the UTF-8 byte order mark. Writes are serialised by TExclLog.
#pragma once

#include "foundation/excl_log.h"
#include "foundation/stream.h"

namespace zol {

class TStreamLog : public TExclLog {
 public:
  // With no stream the log stays usable and writes nothing. The log holds its
  // own reference, so a stream shared with others stays open for them.
  explicit TStreamLog(TRef<TStream> stream);

  virtual void CloseStream();

 protected:
  void RawWrite(std::string_view line) override;
  void Dispose() override;

 private:
  TRef<TStream> stream_;  // guarded by lock_
};

}  // namespace zol
