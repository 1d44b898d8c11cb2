#include "render/device_lock.h"

#include "foundation/ref.h"

namespace zol {

TCriticalSection& DeviceLock() {
  // Never freed: device objects may be released from static destructors.
  static TCriticalSection* lock = MakeRef<TCriticalSection>().Detach();
  return *lock;
}

}  // namespace zol
