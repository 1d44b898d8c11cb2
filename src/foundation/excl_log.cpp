#include "foundation/excl_log.h"

namespace zol {

void TExclLog::Log(std::string_view text) {
  std::lock_guard guard(lock_);
  TLog::Log(text);
}

}  // namespace zol
