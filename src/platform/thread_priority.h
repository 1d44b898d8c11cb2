// Scheduling priority of threads and of the process, best effort: raising a
// priority needs privileges a user may not have, and failing is not an error.
#pragma once

#include <cstdint>

namespace zol::platform {

// LEVEL: -2 (lowest) ... 2 (highest), applied to the kernel thread THREADID.
void SetThreadPriority(uint32_t threadId, int level);

// The whole process at raised (true) or normal priority.
void SetProcessHighPriority(bool high);

}  // namespace zol::platform
