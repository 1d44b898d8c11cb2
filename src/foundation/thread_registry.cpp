#include "foundation/thread_registry.h"

#include <algorithm>

#include "foundation/ms_clock.h"
#include "platform/clock.h"

namespace zol {

TThreadRegistry& TThreadRegistry::Process() {
  static TThreadRegistry registry;
  return registry;
}

bool TThreadRegistry::Enter() {
  // Count first, then look: Shutdown sets the flag before it counts, so a
  // thread either sees the flag or is counted by the waiting loop.
  ++live_;
  if (shuttingDown_) {
    --live_;
    return false;
  }
  return true;
}

void TThreadRegistry::Leave() { --live_; }

std::shared_ptr<platform::RobustMutex> TThreadRegistry::CreateMutex() {
  auto mutex = std::make_shared<platform::RobustMutex>();
  std::lock_guard guard(lock_);
  if (mutexes_.capacity() == 0) mutexes_.reserve(16);
  if (mutexes_.size() == mutexes_.capacity()) {
    // Before doubling, drop the entries nobody but the table still uses.
    std::erase_if(mutexes_, [](const auto& m) { return m.use_count() == 1; });
    if (mutexes_.size() == mutexes_.capacity()) mutexes_.reserve(mutexes_.capacity() * 2);
  }
  mutexes_.push_back(mutex);
  return mutex;
}

size_t TThreadRegistry::MutexTableCapacity() {
  std::lock_guard guard(lock_);
  return mutexes_.capacity();
}

bool TThreadRegistry::Shutdown(int limitMs) {
  shuttingDown_ = true;
  int32_t start = MsClock();
  bool allLeft = true;
  while (live_ > 0) {
    if (MsClock() - start > limitMs) {
      allLeft = false;
      break;
    }
    platform::SleepMs(1);
  }
  std::lock_guard guard(lock_);
  mutexes_.clear();
  return allLeft;
}

}  // namespace zol
