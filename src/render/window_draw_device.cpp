#include "render/window_draw_device.h"

#include "platform/window_output.h"

namespace zol {

namespace {
TRect WindowRect(platform::OutputWindow& window) {
  auto b = window.Bounds();
  return {b.left, b.top, b.right, b.bottom};
}
}  // namespace

TWindowDrawDevice::TWindowDrawDevice(platform::OutputWindow& window)
    : TDrawDevice(&window, WindowRect(window), WindowRect(window).Size()) {}

bool TWindowDrawDevice::IsActive() {
  return Window()->HasInputFocus();
}

}  // namespace zol
