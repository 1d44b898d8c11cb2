// TDeviceKilledMessenger: sits in the draw device's listener list for a
// screen; when the device is freed it tells the screen, which then forgets
// the device instead of touching it later. Owned by the screen and the list;
// under the device lock.
#pragma once

#include "render/draw_device_listener.h"

namespace zol {

class T3DScreen;

class TDeviceKilledMessenger : public TDrawDeviceListener {
 public:
  explicit TDeviceKilledMessenger(T3DScreen* screen) : screen_(screen) {}
  void DeviceGone(TDrawDevice& device) override;
  // The screen is going away first.
  void ForgetScreen() { screen_ = nullptr; }

 private:
  T3DScreen* screen_;
};

}  // namespace zol
