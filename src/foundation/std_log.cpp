#include "foundation/std_log.h"

#include "platform/process.h"

namespace zol {

void TStdLog::RawWrite(std::string_view line) { platform::DebugOutput(line); }

}  // namespace zol
