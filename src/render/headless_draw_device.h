// THeadlessDrawDevice: an output without a window: an off-screen back buffer
// of any size, used by the -render mode and the tests. Owned by its creator.
#pragma once

#include "render/draw_device.h"

namespace zol {

class THeadlessDrawDevice : public TDrawDevice {
 public:
  THeadlessDrawDevice(int width, int height) : TDrawDevice(nullptr, {0, 0, width, height}, {width, height}) {}
};

}  // namespace zol
