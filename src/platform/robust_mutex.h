// A recursive mutex that notices when its owner thread ended while holding it
// ("abandoned"), with timed acquisition. Stands in for an unnamed system mutex.
// Any thread may call it; the owner must be the one to unlock.
#pragma once

#include <memory>

namespace zol::platform {

class RobustMutex {
 public:
  enum class Result { Acquired, Abandoned, TimedOut, Failed };

  RobustMutex();
  ~RobustMutex();
  RobustMutex(const RobustMutex&) = delete;
  RobustMutex& operator=(const RobustMutex&) = delete;

  // timeoutMs < 0 waits without limit; 0 only tries.
  Result Lock(int timeoutMs);
  void Unlock();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zol::platform
