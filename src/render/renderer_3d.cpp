#include "render/renderer_3d.h"

#include "render/device_lock.h"
#include "render/draw_device.h"

namespace zol {

T3DRenderer::T3DRenderer(TDrawDevice* device) : drawDevice_(device) {
  if (drawDevice_) drawDevice_->AttachRenderer(this);
}

void T3DRenderer::Dispose() {
  {
    TDeviceLockGuard lock(DeviceLock());
    if (drawDevice_) drawDevice_->DetachRenderer(this);
    drawDevice_ = nullptr;
  }
  T3DDeviceObject::Dispose();
}

}  // namespace zol
