// The thread registry: counts the program's live threads so that process end
// can wait for them, refuses new threads once shutdown began, and keeps the
// mutexes made for threads. One process-wide instance (tests may make their
// own); every operation is thread-safe.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/robust_mutex.h"

namespace zol {

class TThreadRegistry {
 public:
  static TThreadRegistry& Process();

  // Called first by every new thread; false once shutting down.
  bool Enter();
  void Leave();
  std::shared_ptr<platform::RobustMutex> CreateMutex();

  // Stops new threads and waits up to LIMITMS for the live ones to leave;
  // false when some were still live. Then lets go of the registered mutexes.
  bool Shutdown(int limitMs);

  bool ShuttingDown() const { return shuttingDown_; }
  int LiveThreads() const { return live_; }
  size_t MutexTableCapacity();

 private:
  std::atomic<bool> shuttingDown_{false};
  std::atomic<int> live_{0};
  std::mutex lock_;  // guards mutexes_
  std::vector<std::shared_ptr<platform::RobustMutex>> mutexes_;
};

}  // namespace zol
