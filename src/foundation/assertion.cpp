#include "foundation/assertion.h"

#include "foundation/log.h"
#include "platform/process.h"

namespace zol {

std::string ReportAssertion(std::string_view text, const char* sourceFile, int line) {
  std::string_view source = sourceFile ? sourceFile : "";
  if (auto slash = source.find_last_of('/'); slash != std::string_view::npos)
    source.remove_prefix(slash + 1);
  std::string message = "Asseertion with message: '";
  message.append(text);
  message.append("' (");
  message.append(source);
  message.append(", line: ");
  message.append(std::to_string(line));
  message.append(")");
  platform::DebugOutput(message);
  LogText(message);
  return message;
}

void AssertionFailure(std::string_view text, const char* sourceFile, int line) {
  throw EAssertion(ReportAssertion(text, sourceFile, line));
}

}  // namespace zol
