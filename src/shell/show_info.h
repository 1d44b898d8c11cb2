// The -info report: what the command line's show holds, as JSON on standard
// output. Main thread.
#pragma once

#include <string>

namespace zol {

class TCommandLine;
class TZolShowLocator;

// The report of an opened show.
std::string ShowInfoJson(TZolShowLocator& locator);

// Opens the requested show and prints its report (exit code 0), or prints
// the message of what failed (opening it, or its time line) on standard
// error (exit code 2).
int RunShowInfo(TCommandLine& commandLine);

}  // namespace zol
