#include "foundation/safe_critical_section.h"

#include "foundation/assertion.h"

namespace zol {

void TSafeCriticalSection::Enter() {
  switch (mutex_.Lock(-1)) {
    case platform::RobustMutex::Result::Acquired:
      return;
    case platform::RobustMutex::Result::Abandoned:
      abandoned_ = true;
      return;
    default:
      ZOL_CHECK_FAILED("Error: TSafeCriticalSection.Enter");
  }
}

}  // namespace zol
