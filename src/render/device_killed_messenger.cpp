#include "render/device_killed_messenger.h"

#include "render/screen_3d.h"

namespace zol {

void TDeviceKilledMessenger::DeviceGone(TDrawDevice& device) {
  if (screen_) screen_->DeviceKilled(device);
}

}  // namespace zol
