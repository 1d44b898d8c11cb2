// The diagnostic log. One process-wide TLog is installed at a time; any thread
// may write to it. The installed default is the null TLog, which writes
// nothing; -log and -filelog install a writing one.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ref.h"

namespace zol {

class TLog : public TRefObject {
 public:
  // Where a formatted line finally goes; the default is the log's own RawWrite.
  // Redirecting it lets one log write through another object.
  using WriteRoutine = void (*)(void* target, std::string_view line);

  // Formats TEXT with the prefix and the enabled prefixes and writes it.
  virtual void Log(std::string_view text);

  void SetPrefix(std::string prefix) { prefix_ = std::move(prefix); }
  const std::string& Prefix() const { return prefix_; }
  void SetThreadPrefix(bool on) { threadPrefix_ = on; }
  bool ThreadPrefix() const { return threadPrefix_; }
  void SetTimePrefix(bool on) { timePrefix_ = on; }
  bool TimePrefix() const { return timePrefix_; }
  void SetWriteRoutine(WriteRoutine routine, void* target);

 protected:
  // Writes one finished line; the null log drops it.
  virtual void RawWrite(std::string_view line);
  std::string Format(std::string_view text) const;
  void Emit(std::string_view line);

 private:
  static void WriteThroughSelf(void* target, std::string_view line);

  std::string prefix_;
  WriteRoutine writeRoutine_ = &TLog::WriteThroughSelf;
  void* writeTarget_ = this;
  bool threadPrefix_ = false;
  bool timePrefix_ = false;
};

// Replaces the process-wide log (null installs a fresh null TLog) and frees
// the old one.
void InstallLog(TRef<TLog> log);
TRef<TLog> CurrentLog();

void LogText(std::string_view text);
void LogInt(std::string_view prefix, int64_t value, std::string_view suffix = {});
void LogReal(std::string_view prefix, double value, std::string_view suffix = {});
void LogReals(std::string_view prefix, const std::vector<double>& values, std::string_view suffix = {});
void LogInts(std::string_view prefix, const std::vector<int64_t>& values, std::string_view suffix = {});
void LogBool(std::string_view prefix, bool value, std::string_view suffix = {});
void LogPoint(std::string_view prefix, int x, int y, std::string_view suffix = {});
void LogRect(std::string_view prefix, int left, int top, int right, int bottom,
             std::string_view suffix = {});
// The ms clock, for LogElapsed.
int32_t LogTick();
void LogElapsed(std::string_view prefix, int32_t startTick, std::string_view suffix = {});

}  // namespace zol
