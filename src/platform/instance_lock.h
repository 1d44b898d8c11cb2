// The single-instance lock: an advisory file lock held for the life of the
// object. Stands in for a named system mutex. Main thread only.
#pragma once

#include <string>

namespace zol::platform {

class InstanceLock {
 public:
  // Opens (creating if needed) the lock file NAME in $XDG_RUNTIME_DIR, else
  // /tmp, and tries to take it without waiting.
  explicit InstanceLock(const std::string& name);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another process held the lock when this one tried.
  bool HeldElsewhere() const { return heldElsewhere_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool heldElsewhere_ = false;
};

}  // namespace zol::platform
