#include "foundation/file_stream.h"

namespace zol {

TFileStream::TFileStream(const std::string& path, Mode mode) : path_(path) {
  if (!file_.Open(path, mode)) throw EStreamError("Cannot open file \"" + path + "\"");
}

void TFileStream::SetPosition(int64_t position) {
  if (position < 0 || !file_.Seek(position)) throw EStreamError("Incorrect Position");
}

void TFileStream::SetSize(int64_t size) {
  if (size < 0 || !file_.Truncate(size)) throw EStreamError("Stream Cannot be resized");
  if (file_.Position() > size) file_.Seek(size);
}

void TFileStream::Dispose() {
  file_.Close();
  TStream::Dispose();
}

}  // namespace zol
