#include "render/device_object.h"

#include <utility>

namespace zol {

void T3DDeviceObject::NotifyOwner() {
  TOwnerNotice notice = std::exchange(ownerNotice_, {});
  if (notice.proc) notice.proc(notice.context, this);
}

}  // namespace zol
