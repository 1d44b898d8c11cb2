// TMutex: a recursive mutex with timed acquisition. Once it has been found
// abandoned (its owner thread ended holding it) every later Acquire fails.
// Any thread.
#pragma once

#include <atomic>

#include "foundation/ref_object.h"
#include "platform/robust_mutex.h"

namespace zol {

class TMutex : public TRefObject {
 public:
  // MS < 0 waits without limit.
  bool Acquire(int ms);
  void Release() { mutex_.Unlock(); }
  bool Abandoned() const { return abandoned_; }

 private:
  platform::RobustMutex mutex_;
  std::atomic<bool> abandoned_{false};
};

}  // namespace zol
