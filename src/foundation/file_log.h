// TFileLog: the file log. The file is created empty (an existing one is
// overwritten); when it cannot be created the log writes nothing.
#pragma once

#include <string>

#include "foundation/stream_log.h"

namespace zol {

class TFileLog : public TStreamLog {
 public:
  explicit TFileLog(const std::string& path);

 private:
  static TRef<TStream> OpenFile(const std::string& path);
};

// The log file of a program: its path with the extension replaced by ".log".
std::string LogFilePathFor(const std::string& programPath);

}  // namespace zol
