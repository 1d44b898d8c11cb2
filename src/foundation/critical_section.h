// TCriticalSection: a recursive lock for short sections. Any thread.
#pragma once

#include <mutex>

#include "foundation/ref_object.h"

namespace zol {

class TCriticalSection : public TRefObject {
 public:
  void Enter() { mutex_.lock(); }
  void Leave() { mutex_.unlock(); }

  // For std::lock_guard and friends.
  void lock() { Enter(); }
  void unlock() { Leave(); }

 private:
  std::recursive_mutex mutex_;
};

}  // namespace zol
