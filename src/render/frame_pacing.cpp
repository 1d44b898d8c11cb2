#include "render/frame_pacing.h"

#include <algorithm>

namespace zol {

int FramePacingSleepMs(int refreshHz, int32_t lastPresentMs, int32_t nowMs) {
  int period = 1000 / std::max(refreshHz, 1);
  period = std::max(period, 1);
  int64_t e = int64_t(period) + lastPresentMs - nowMs;
  e = std::clamp<int64_t>(e, 1, period);
  return std::max<int>(1, int(e) - 3);
}

}  // namespace zol
