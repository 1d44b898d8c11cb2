// TEvent: a manual-reset event, initially not signalled. Any thread.
#pragma once

#include <condition_variable>
#include <mutex>

#include "foundation/ref_object.h"

namespace zol {

class TEvent : public TRefObject {
 public:
  void Set();
  void Reset();
  void Wait();
  // True when the event was signalled within MS milliseconds.
  bool Wait(int ms);
  bool IsSet();

 private:
  std::mutex mutex_;  // guards signalled_
  std::condition_variable changed_;
  bool signalled_ = false;
};

}  // namespace zol
