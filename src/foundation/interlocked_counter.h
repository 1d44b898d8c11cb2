// TInterlockedCounter: a 32-bit counter incremented atomically. Any thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "foundation/ref_object.h"

namespace zol {

class TInterlockedCounter : public TRefObject {
 public:
  int32_t Increment() { return value_.fetch_add(1) + 1; }
  int32_t Value() const { return value_.load(); }

 private:
  std::atomic<int32_t> value_{0};
};

}  // namespace zol
