// The start and stop banners that frame one run in the log. Main thread.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace zol {

// "DD.MM.YYYY hh:mm:ss.zzz"
std::string FormatBannerTime(const platform::LocalTime& time);

void LogStartBanner(const std::string& programPath, const platform::LocalTime& started);
void LogStopBanner(const platform::LocalTime& stopped, int64_t workTimeMs);

}  // namespace zol
