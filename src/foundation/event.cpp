#include "foundation/event.h"

#include <chrono>

namespace zol {

void TEvent::Set() {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
  }
  changed_.notify_all();
}

void TEvent::Reset() {
  std::lock_guard lock(mutex_);
  signalled_ = false;
}

void TEvent::Wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return signalled_; });
}

bool TEvent::Wait(int ms) {
  std::unique_lock lock(mutex_);
  if (ms < 0) {
    changed_.wait(lock, [this] { return signalled_; });
    return true;
  }
  return changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return signalled_; });
}

bool TEvent::IsSet() {
  std::lock_guard lock(mutex_);
  return signalled_;
}

}  // namespace zol
