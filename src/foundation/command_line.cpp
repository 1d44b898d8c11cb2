#include "foundation/command_line.h"

#include <algorithm>

#include "foundation/case_fold.h"

namespace zol {

std::vector<std::string> TokenizeCommandText(std::string_view text) {
  std::vector<std::string> tokens;
  bool inQuotes = false;  // carries over from one token to the next
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && uint8_t(text[i]) <= 32) ++i;
    if (i >= text.size()) break;
    std::string token;
    while (i < text.size() && (inQuotes || uint8_t(text[i]) >= 33)) {
      if (text[i] == '"') inQuotes = !inQuotes;
      token.push_back(text[i]);
      ++i;
    }
    token.erase(std::remove(token.begin(), token.end(), '"'), token.end());
    tokens.push_back(std::move(token));
  }
  return tokens;
}

void TCommandLine::Parse(const std::vector<std::string>& tokens) {
  std::lock_guard guard(lock_);
  tokens_ = tokens;
  std::string current;  // positional tokens before any option go to ""
  for (const std::string& token : tokens) {
    if (token.empty()) continue;
    if (token[0] == '-') {
      current = token.substr(1);
      store_.GetOrCreateCommand(current);
    } else {
      store_.GetOrCreateCommand(current)->Add(token);
    }
  }
}

bool TCommandLine::HasOption(std::string_view name) {
  std::lock_guard guard(lock_);
  return store_.Contains(name);
}

std::optional<std::string> TCommandLine::OptionValue(std::string_view name, size_t index) {
  std::lock_guard guard(lock_);
  TCommand* command = store_.Command(FoldCaseText(name));
  if (!command || index >= command->Items().size()) return std::nullopt;
  return command->Items()[index].Text();
}

bool TCommandLine::ExactToken(std::string_view text) const {
  return std::find(tokens_.begin(), tokens_.end(), text) != tokens_.end();
}

StartPosition TCommandLine::GetStartPosition() {
  StartPosition start;
  int n = 0;
  if (auto slide = OptionValue("slide")) {
    n = TCommandItem(*slide).AsInt(0);
  } else if (auto time = OptionValue("time")) {
    start.isTime = true;
    n = TCommandItem(*time).AsInt(0);
  }
  if (n > 0) start.index = n - 1;
  return start;
}

TCommandLine& ProcessCommandLine() {
  static TCommandLine commandLine;
  return commandLine;
}

}  // namespace zol
