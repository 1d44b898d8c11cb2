#include "foundation/ms_clock.h"

#include <atomic>

#include "platform/clock.h"

namespace zol {
namespace {
std::atomic<int64_t> gBase{platform::MonotonicMs()};
}

int32_t MsClock() { return int32_t(platform::MonotonicMs() - gBase.load(std::memory_order_relaxed)); }

void ResetMsClockBase() { gBase.store(platform::MonotonicMs()); }

}  // namespace zol
