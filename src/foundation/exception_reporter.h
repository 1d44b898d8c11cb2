// Where exceptions end up that nobody above could handle (thread bodies, the
// main window's destruction): the log and standard error. Any thread.
#pragma once

#include <exception>
#include <string_view>

namespace zol {

// Reports the exception in flight (call from a catch block) with a context line.
void ReportCurrentException(std::string_view context);

}  // namespace zol
