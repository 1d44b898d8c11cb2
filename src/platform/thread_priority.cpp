#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace zol::platform {

void SetThreadPriority(uint32_t threadId, int level) {
  level = std::clamp(level, -2, 2);
  setpriority(PRIO_PROCESS, id_t(threadId), -5 * level);
}

void SetProcessHighPriority(bool high) { setpriority(PRIO_PROCESS, id_t(getpid()), high ? -5 : 0); }

}  // namespace zol::platform
