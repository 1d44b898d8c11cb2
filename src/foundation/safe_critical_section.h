// TSafeCriticalSection: a recursive lock that survives its owner thread ending
// while holding it (the lock is then taken over and the fact remembered).
// Any thread.
#pragma once

#include "foundation/ref_object.h"
#include "platform/robust_mutex.h"

namespace zol {

class TSafeCriticalSection : public TRefObject {
 public:
  // Waits without limit. Any failure but abandonment is an internal-check failure.
  void Enter();
  void Leave() { mutex_.Unlock(); }
  bool WasAbandoned() const { return abandoned_; }

  void lock() { Enter(); }
  void unlock() { Leave(); }

 private:
  platform::RobustMutex mutex_;
  bool abandoned_ = false;  // written by the thread that holds the lock
};

}  // namespace zol
