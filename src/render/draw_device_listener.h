// TDrawDeviceListener: an object others attach to a draw device and that the
// device's listener list owns (the screen's messenger, the saved window
// rectangle, the device holder of the back end). Called under the device lock.
#pragma once

#include "foundation/ref.h"

namespace zol {

class TDrawDevice;

class TDrawDeviceListener : public TRefObject {
 public:
  // The device is being freed: let go of it and of everything living on it.
  // Called once, before the list drops its reference.
  virtual void DeviceGone(TDrawDevice& /*device*/) {}
};

}  // namespace zol
