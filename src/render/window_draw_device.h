// TWindowDrawDevice: an output shown in a window of the platform layer. The
// window is owned by the caller and must outlive the device. Main thread
// creates it; renderers use it under the device lock.
#pragma once

#include "render/draw_device.h"

namespace zol {

class TWindowDrawDevice : public TDrawDevice {
 public:
  // The device rectangle starts as the window's; the back buffer as its size.
  explicit TWindowDrawDevice(platform::OutputWindow& window);

  // Whether the window has the input focus.
  bool IsActive() override;
};

}  // namespace zol
