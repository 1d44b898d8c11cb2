// TFileStream: a file on disk as a stream. One user at a time.
#pragma once

#include <string>

#include "foundation/stream.h"
#include "platform/file.h"

namespace zol {

class TFileStream : public TStream {
 public:
  using Mode = platform::File::Mode;

  // Raises EStreamError "Cannot open file \"<path>\"" when it cannot be opened.
  TFileStream(const std::string& path, Mode mode);

  int64_t GetPosition() override { return file_.Position(); }
  void SetPosition(int64_t position) override;
  int64_t GetSize() override { return file_.Size(); }
  void SetSize(int64_t size) override;
  size_t Read(void* buffer, size_t count) override { return file_.Read(buffer, count); }
  size_t Write(const void* buffer, size_t count) override { return file_.Write(buffer, count); }

  const std::string& Path() const { return path_; }

 protected:
  void Dispose() override;

 private:
  std::string path_;
  platform::File file_;
};

}  // namespace zol
