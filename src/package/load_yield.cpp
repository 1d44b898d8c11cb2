#include "package/load_yield.h"

#include <atomic>

#include "foundation/ms_clock.h"
#include "platform/clock.h"
#include "platform/thread_priority.h"

namespace zol {
namespace {

constexpr int kYieldIntervalMs = 5;
std::atomic<TLoadYieldMode> gMode{TLoadYieldMode::Off};
std::atomic<int32_t> gLastYield{0};

}  // namespace

void SetLoadYieldMode(TLoadYieldMode mode) {
  TLoadYieldMode old = gMode.exchange(mode);
  if (old != mode && (old == TLoadYieldMode::Playing || mode == TLoadYieldMode::Playing))
    platform::SetProcessHighPriority(mode == TLoadYieldMode::Playing);
  gLastYield = MsClock();
}

TLoadYieldMode LoadYieldMode() { return gMode; }

bool LoadYield() {
  switch (gMode.load(std::memory_order_relaxed)) {
    case TLoadYieldMode::Off:
      return true;
    case TLoadYieldMode::Polite:
    case TLoadYieldMode::Playing: {
      int32_t now = MsClock();
      if (now - gLastYield.load(std::memory_order_relaxed) > kYieldIntervalMs) {
        platform::SleepMs(gMode == TLoadYieldMode::Playing ? 1 : 0);
        gLastYield.store(MsClock(), std::memory_order_relaxed);
      }
      return true;
    }
    case TLoadYieldMode::Stop:
      return false;
  }
  return true;
}

}  // namespace zol
