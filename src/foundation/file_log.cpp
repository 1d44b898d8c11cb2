#include "foundation/file_log.h"

#include "foundation/file_stream.h"

namespace zol {

TFileLog::TFileLog(const std::string& path) : TStreamLog(OpenFile(path)) {}

TRef<TStream> TFileLog::OpenFile(const std::string& path) {
  try {
    return MakeRef<TFileStream>(path, TFileStream::Mode::Create);
  } catch (const EStreamError&) {
    return nullptr;
  }
}

std::string LogFilePathFor(const std::string& programPath) {
  size_t slash = programPath.find_last_of('/');
  size_t dot = programPath.find_last_of('.');
  size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  // A leading dot names a hidden file, not an extension.
  if (dot == std::string::npos || dot <= nameStart) return programPath + ".log";
  return programPath.substr(0, dot) + ".log";
}

}  // namespace zol
