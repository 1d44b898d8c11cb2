// The parsed command line: the option store and the raw token list, filled
// once at process start (the process-wide instance). Queries take a lock (the
// store remembers its last look-up), so any thread may make them.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/commands_storage.h"

namespace zol {

// Splits a command text into tokens: blanks (codes up to 32) separate tokens
// outside double quotes; the quotes themselves are removed.
std::vector<std::string> TokenizeCommandText(std::string_view text);

struct StartPosition {
  int index = 0;        // slide index, or the start time in ms
  bool isTime = false;  // true when the index is a time
};

class TCommandLine {
 public:
  // TOKENS: every token in order, the program path first.
  void Parse(const std::vector<std::string>& tokens);

  // Exact, case-sensitive test of an option name.
  bool HasOption(std::string_view name);
  // Value INDEX of option NAME (looked up in lower case).
  std::optional<std::string> OptionValue(std::string_view name, size_t index = 0);
  // True when some raw token equals TEXT exactly.
  bool ExactToken(std::string_view text) const;
  // Where to start playing: -slide N, else -time N.
  StartPosition GetStartPosition();

  const std::vector<std::string>& Tokens() const { return tokens_; }

 private:
  std::mutex lock_;  // guards store_
  TCommandsStorage store_;
  std::vector<std::string> tokens_;
};

// The process-wide command line.
TCommandLine& ProcessCommandLine();

}  // namespace zol
