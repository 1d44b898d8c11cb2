#include "foundation/exception_reporter.h"

#include <string>

#include "foundation/log.h"
#include "platform/process.h"

namespace zol {

void ReportCurrentException(std::string_view context) {
  std::string message(context);
  try {
    throw;
  } catch (const std::exception& e) {
    message += ": ";
    message += e.what();
  } catch (...) {
    message += ": unknown exception";
  }
  platform::DebugOutput(message);
  LogText(message);
}

}  // namespace zol
