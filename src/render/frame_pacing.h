// Frame pacing before a present: with T = 1000 / refresh (whole ms) and
// e = T + lastPresent - now clamped to 1 .. T, the renderer sleeps
// max(1, e - 3) ms, so frames leave at the display's pace without ever
// sleeping through a whole refresh. Pure function; any thread.
#pragma once

#include <cstdint>

namespace zol {

int FramePacingSleepMs(int refreshHz, int32_t lastPresentMs, int32_t nowMs);

}  // namespace zol
