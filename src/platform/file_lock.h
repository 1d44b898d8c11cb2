// An exclusive advisory lock on a file, held while the object lives: marks a
// file or folder as in use by this process. Any thread may own one.
#pragma once

#include <string>

namespace zol::platform {

class FileLock {
 public:
  // Opens (creating if needed) PATH and tries to lock it without waiting.
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // True when this object holds the lock.
  bool Held() const { return held_; }
  // True when the file exists but another holder has it locked.
  bool HeldElsewhere() const { return heldElsewhere_; }
  const std::string& Path() const { return path_; }
  // Drops the lock and closes the file.
  void Release();

 private:
  std::string path_;
  int fd_ = -1;
  bool held_ = false;
  bool heldElsewhere_ = false;
};

// The folder for per-user lock files: $XDG_RUNTIME_DIR, else /tmp.
std::string RuntimeFolder();

}  // namespace zol::platform
