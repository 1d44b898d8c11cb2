#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

#include "platform/process.h"

namespace zol::platform {

FileLock::FileLock(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    held_ = true;
  } else {
    heldElsewhere_ = true;
    Release();
  }
}

FileLock::~FileLock() { Release(); }

FileLock::FileLock(FileLock&& other) noexcept
    : path_(std::move(other.path_)),
      fd_(std::exchange(other.fd_, -1)),
      held_(std::exchange(other.held_, false)),
      heldElsewhere_(other.heldElsewhere_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    path_ = std::move(other.path_);
    fd_ = std::exchange(other.fd_, -1);
    held_ = std::exchange(other.held_, false);
    heldElsewhere_ = other.heldElsewhere_;
  }
  return *this;
}

void FileLock::Release() {
  if (fd_ >= 0) ::close(fd_);  // closing drops the lock
  fd_ = -1;
  held_ = false;
}

std::string RuntimeFolder() {
  std::string folder = GetEnv("XDG_RUNTIME_DIR").value_or("");
  return folder.empty() ? "/tmp" : folder;
}

}  // namespace zol::platform
