// An open file on disk, closed with the object. Positions are 64-bit.
// One owner; not thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zol::platform {

class File {
 public:
  enum class Mode {
    Read,       // existing file, read only
    ReadWrite,  // existing file, read and write
    Create,     // created or emptied, read and write
  };

  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Returns false (and stays closed) when the file cannot be opened.
  bool Open(const std::string& path, Mode mode);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Both return the byte count moved, 0 at the end or on error.
  size_t Read(void* buffer, size_t count);
  size_t Write(const void* buffer, size_t count);

  int64_t Position() const;
  bool Seek(int64_t position);
  int64_t Size() const;
  bool Truncate(int64_t size);

 private:
  int fd_ = -1;
};

}  // namespace zol::platform
