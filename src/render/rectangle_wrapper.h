// TRectangleWrapper: the window rectangle saved before an output went full
// screen, kept in the draw device's listener list so the window can be put
// back. Guarded by the device lock.
#pragma once

#include "render/draw_device_listener.h"
#include "render/geometry.h"

namespace zol {

class TRectangleWrapper : public TDrawDeviceListener {
 public:
  explicit TRectangleWrapper(const TRect& rect) : rect_(rect) {}
  const TRect& Rect() const { return rect_; }
  void SetRect(const TRect& rect) { rect_ = rect; }

 private:
  TRect rect_;
};

}  // namespace zol
