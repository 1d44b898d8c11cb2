// Monotonic and wall-clock time for the whole program.
// Free functions, callable from any thread.
#pragma once

#include <cstdint>

namespace zol::platform {

// Milliseconds of CLOCK_MONOTONIC; never goes backwards.
int64_t MonotonicMs();

// Local calendar time with milliseconds, as shown in log banners.
struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};
LocalTime NowLocal();

void SleepMs(int ms);
void YieldThread();

}  // namespace zol::platform
