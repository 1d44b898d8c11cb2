#include "foundation/log_banner.h"

#include <cstdio>
#include <initializer_list>

#include "foundation/log.h"

namespace zol {
namespace {

// Banners are written without the thread and time prefixes.
void WriteBanner(std::initializer_list<std::string> lines) {
  TRef<TLog> log = CurrentLog();
  bool thread = log->ThreadPrefix(), time = log->TimePrefix();
  log->SetThreadPrefix(false);
  log->SetTimePrefix(false);
  for (const std::string& line : lines) log->Log(line);
  log->SetThreadPrefix(thread);
  log->SetTimePrefix(time);
}

}  // namespace

std::string FormatBannerTime(const platform::LocalTime& t) {
  char text[32];
  snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d.%03d", t.day, t.month, t.year, t.hour,
           t.minute, t.second, t.millisecond);
  return text;
}

void LogStartBanner(const std::string& programPath, const platform::LocalTime& started) {
  WriteBanner({"", std::string(64, '='), "Program : " + programPath,
               "started : " + FormatBannerTime(started), std::string(64, '=')});
}

void LogStopBanner(const platform::LocalTime& stopped, int64_t workTimeMs) {
  WriteBanner({"", std::string(64, '-'),
               "Program stoped : " + FormatBannerTime(stopped) + " (work time : " +
                   std::to_string(workTimeMs) + " ms)",
               std::string(64, '-')});
}

}  // namespace zol
