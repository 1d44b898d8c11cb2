// The process-wide device lock: every operation on a renderer or on an object
// created on one holds it for its duration. Re-entrant for the owning thread,
// so an operation may call others. Any thread.
#pragma once

#include <mutex>

#include "foundation/critical_section.h"

namespace zol {

TCriticalSection& DeviceLock();

using TDeviceLockGuard = std::lock_guard<TCriticalSection>;

}  // namespace zol
