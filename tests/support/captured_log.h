// Test helper: installs a log that writes into memory for the life of the
// object, then puts the null log back.
#pragma once

#include <string>

#include "foundation/log.h"
#include "foundation/memory_stream.h"
#include "foundation/stream_log.h"

namespace zol::test {

class CapturedLog {
 public:
  CapturedLog() : stream_(MakeRef<TMemoryStream>()), log_(MakeRef<TStreamLog>(stream_)) {
    InstallLog(log_);
  }
  ~CapturedLog() { InstallLog(nullptr); }

  // Everything written so far, without the byte order mark.
  std::string Text() const {
    std::string bytes(stream_->View());
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    return bytes;
  }
  TLog& Log() { return *log_; }

 private:
  TRef<TMemoryStream> stream_;
  TRef<TStreamLog> log_;
};

}  // namespace zol::test
