#include "foundation/log.h"

#include <cstdio>

#include "foundation/ms_clock.h"
#include "foundation/real_text.h"
#include "platform/process.h"

namespace zol {
namespace {

std::mutex gLogMutex;  // guards gLog
TRef<TLog>& InstalledLog() {
  static TRef<TLog> log = MakeRef<TLog>();
  return log;
}

template <class T, class Format>
std::string Join(const std::vector<T>& values, Format format) {
  std::string out;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += ", ";
    out += format(values[i]);
  }
  return out;
}

std::string Concat(std::string_view a, std::string_view b, std::string_view c) {
  std::string s;
  s.reserve(a.size() + b.size() + c.size());
  s.append(a).append(b).append(c);
  return s;
}

}  // namespace

void TLog::Log(std::string_view text) { Emit(Format(text)); }

void TLog::SetWriteRoutine(WriteRoutine routine, void* target) {
  writeRoutine_ = routine ? routine : &TLog::WriteThroughSelf;
  writeTarget_ = routine ? target : this;
}

void TLog::RawWrite(std::string_view) {}

std::string TLog::Format(std::string_view text) const {
  std::string line = prefix_;
  if (threadPrefix_) {
    char id[16];
    snprintf(id, sizeof id, "#%04X ", unsigned(platform::CurrentThreadId()));
    line += id;
  }
  if (timePrefix_) {
    char time[24];
    snprintf(time, sizeof time, "[%d] ", int(MsClock()));
    line += time;
  }
  line.append(text);
  return line;
}

void TLog::Emit(std::string_view line) { writeRoutine_(writeTarget_, line); }

void TLog::WriteThroughSelf(void* target, std::string_view line) {
  static_cast<TLog*>(target)->RawWrite(line);
}

void InstallLog(TRef<TLog> log) {
  if (!log) log = MakeRef<TLog>();
  TRef<TLog> old;
  {
    std::lock_guard lock(gLogMutex);
    old = std::exchange(InstalledLog(), std::move(log));
  }
  // The old log is freed outside the lock; writers still holding it finish first.
}

TRef<TLog> CurrentLog() {
  std::lock_guard lock(gLogMutex);
  return InstalledLog();
}

void LogText(std::string_view text) { CurrentLog()->Log(text); }

void LogInt(std::string_view prefix, int64_t value, std::string_view suffix) {
  LogText(Concat(prefix, std::to_string(value), suffix));
}

void LogReal(std::string_view prefix, double value, std::string_view suffix) {
  LogText(Concat(prefix, RealToText(value), suffix));
}

void LogReals(std::string_view prefix, const std::vector<double>& values, std::string_view suffix) {
  LogText(Concat(prefix, Join(values, RealToText), suffix));
}

void LogInts(std::string_view prefix, const std::vector<int64_t>& values, std::string_view suffix) {
  LogText(Concat(prefix, Join(values, [](int64_t v) { return std::to_string(v); }), suffix));
}

void LogBool(std::string_view prefix, bool value, std::string_view suffix) {
  LogText(Concat(prefix, value ? "True" : "False", suffix));
}

void LogPoint(std::string_view prefix, int x, int y, std::string_view suffix) {
  LogInts(prefix, {x, y}, suffix);
}

void LogRect(std::string_view prefix, int left, int top, int right, int bottom, std::string_view suffix) {
  LogInts(prefix, {left, top, right, bottom}, suffix);
}

int32_t LogTick() { return MsClock(); }

void LogElapsed(std::string_view prefix, int32_t startTick, std::string_view suffix) {
  LogInt(prefix, int64_t(MsClock()) - startTick, suffix);
}

}  // namespace zol
