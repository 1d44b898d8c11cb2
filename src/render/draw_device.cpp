#include "render/draw_device.h"

#include <algorithm>

#include "render/device_lock.h"
#include "render/renderer_3d.h"

namespace zol {

TDrawDevice::TDrawDevice(platform::OutputWindow* window, const TRect& rect, TSize size)
    : rect_(rect), size_(size), window_(window) {}

void TDrawDevice::SetBounds(const TRect& rect, TSize size, bool exclusive) {
  TDeviceLockGuard lock(DeviceLock());
  if (SameRect(rect, rect_) && size == size_ && exclusive == exclusive_) return;
  rect_ = rect;
  size_ = size;
  exclusive_ = exclusive;
  for (T3DRenderer* r : std::vector<T3DRenderer*>(renderers_)) r->UpdateBounds();
}

bool TDrawDevice::IsActive() {
  return true;
}

void TDrawDevice::RaiseRendererCreated(T3DRenderer* renderer) {
  if (rendererCreated_.proc) rendererCreated_.proc(rendererCreated_.context, renderer);
}

void TDrawDevice::AttachRenderer(T3DRenderer* renderer) {
  TDeviceLockGuard lock(DeviceLock());
  renderers_.push_back(renderer);
}

void TDrawDevice::DetachRenderer(T3DRenderer* renderer) {
  TDeviceLockGuard lock(DeviceLock());
  std::erase(renderers_, renderer);
}

void TDrawDevice::AddListener(TRef<TDrawDeviceListener> listener) {
  TDeviceLockGuard lock(DeviceLock());
  listeners_.push_back(std::move(listener));
}

bool TDrawDevice::RemoveListener(TDrawDeviceListener* listener) {
  TRef<TDrawDeviceListener> dropped;  // released after the lock, outside the list
  TDeviceLockGuard lock(DeviceLock());
  auto it =
      std::find_if(listeners_.begin(), listeners_.end(), [&](const auto& l) { return l.get() == listener; });
  if (it == listeners_.end()) return false;
  dropped = std::move(*it);
  listeners_.erase(it);
  return true;
}

void TDrawDevice::Dispose() {
  {
    TDeviceLockGuard lock(DeviceLock());
    // One at a time: a listener letting go may remove others from the list.
    while (!listeners_.empty()) {
      TRef<TDrawDeviceListener> listener = std::move(listeners_.front());
      listeners_.erase(listeners_.begin());
      listener->DeviceGone(*this);
    }
    for (T3DRenderer* r : renderers_) r->DetachDrawDevice();
    renderers_.clear();
  }
  TRefObject::Dispose();
}

}  // namespace zol
