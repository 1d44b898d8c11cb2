#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/process.h"

namespace zol::platform {

InstanceLock::InstanceLock(const std::string& name) {
  std::string folder = GetEnv("XDG_RUNTIME_DIR").value_or("");
  if (folder.empty()) folder = "/tmp";
  path_ = folder + "/" + name + ".lock";
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;  // No lock file: behave as the only instance.
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) heldElsewhere_ = true;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);  // Closing drops the lock.
}

}  // namespace zol::platform
