#include "platform/file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace zol::platform {

File::~File() { Close(); }

File::File(File&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

bool File::Open(const std::string& path, Mode mode) {
  Close();
  int flags = O_CLOEXEC;
  switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    case Mode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
  }
  do {
    fd_ = ::open(path.c_str(), flags, 0644);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) return false;
  struct stat st{};
  if (fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
    Close();
    return false;
  }
  return true;
}

void File::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

size_t File::Read(void* buffer, size_t count) {
  if (fd_ < 0) return 0;
  auto* p = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = ::read(fd_, p + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += size_t(n);
  }
  return done;
}

size_t File::Write(const void* buffer, size_t count) {
  if (fd_ < 0) return 0;
  auto* p = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = ::write(fd_, p + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += size_t(n);
  }
  return done;
}

int64_t File::Position() const {
  if (fd_ < 0) return 0;
  off_t p = ::lseek(fd_, 0, SEEK_CUR);
  return p < 0 ? 0 : int64_t(p);
}

bool File::Seek(int64_t position) {
  return fd_ >= 0 && position >= 0 && ::lseek(fd_, off_t(position), SEEK_SET) >= 0;
}

int64_t File::Size() const {
  struct stat st{};
  if (fd_ < 0 || fstat(fd_, &st) != 0) return 0;
  return int64_t(st.st_size);
}

bool File::Truncate(int64_t size) { return fd_ >= 0 && ::ftruncate(fd_, off_t(size)) == 0; }

}  // namespace zol::platform
