// TStdLog: writes each line to the debugger output (standard error).
// No lock needed: each line is one write.
#pragma once

#include "foundation/log.h"

namespace zol {

class TStdLog : public TLog {
 protected:
  void RawWrite(std::string_view line) override;
};

}  // namespace zol
