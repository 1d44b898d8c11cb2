#include "foundation/mutex.h"

namespace zol {

bool TMutex::Acquire(int ms) {
  if (abandoned_) return false;
  switch (mutex_.Lock(ms)) {
    case platform::RobustMutex::Result::Acquired:
      return true;
    case platform::RobustMutex::Result::Abandoned:
      // We hold it now, but what it guarded may be half-changed: give it back
      // and refuse from now on.
      abandoned_ = true;
      mutex_.Unlock();
      return false;
    default:
      return false;
  }
}

}  // namespace zol
