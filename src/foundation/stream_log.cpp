#include "foundation/stream_log.h"

#include <string>

namespace zol {

TStreamLog::TStreamLog(TRef<TStream> stream) : stream_(std::move(stream)) {}

void TStreamLog::CloseStream() {
  std::lock_guard guard(lock_);
  stream_.reset();
}

void TStreamLog::RawWrite(std::string_view line) {
  if (!stream_) return;
  std::string bytes;
  if (stream_->GetSize() == 0) bytes = "\xEF\xBB\xBF";
  bytes.append(line);
  bytes.append("\r\n");
  stream_->Write(bytes.data(), bytes.size());
}

void TStreamLog::Dispose() {
  CloseStream();
  TExclLog::Dispose();
}

}  // namespace zol
