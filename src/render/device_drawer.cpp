#include "render/device_drawer.h"

#include <cmath>

#include "render/color.h"
#include "render/draw_item.h"

namespace zol {

bool TDeviceDrawer::SetShift(TPointF offset) {
  shift_ = offset;
  shifted_ = offset.x != 0 || offset.y != 0;
  return true;
}

bool TDeviceDrawer::DrawItem(TDrawItem& item) {
  struct Counter {
    int& count;
    ~Counter() { --count; }
  };
  bool nested = reentry_++ > 0;
  Counter counter{reentry_};
  if (nested) {
    // An item drawing a child: already inside this drawer's frame.
    if (!IsReady()) return false;
    item.Draw(*this);
    return true;
  }

  std::lock_guard lock(DrawingLock());
  bool result = false;
  try {
    BeginDraw();
    if (IsReady()) item.Draw(*this);
    result = EndDraw();
  } catch (...) {
    item.AfterDraw(*this);
    throw;
  }
  item.AfterDraw(*this);
  return result;
}

TRef<TPixelImage> TDeviceDrawer::Capture() {
  auto image = MakeRef<TPixelImage>(deviceRect_.Width(), deviceRect_.Height(), TPixelFormat::kARGB32);
  if (!CaptureInto(*image)) return nullptr;
  return image;
}

void TDeviceDrawer::SetView(const TRectF& viewRect, const TSizeF& viewSize, const TPoint3F& camera,
                            bool /*resetCanvas*/) {
  viewRect_ = viewRect;
  viewSize_ = viewSize;
  camera_ = camera;
}

TRect TDeviceDrawer::EffectiveClipRect() const {
  return clipRect_.IsEmpty() ? deviceRect_ : clipRect_;
}

TRectF TDeviceDrawer::EffectiveViewRect() const {
  if (viewRect_.Width() > 0 && viewRect_.Height() > 0) return viewRect_;
  return {float(deviceRect_.left), float(deviceRect_.top), float(deviceRect_.right),
          float(deviceRect_.bottom)};
}

TSizeF TDeviceDrawer::EffectiveViewSize() const {
  if (viewSize_.width > 0 && viewSize_.height > 0) return viewSize_;
  return {float(deviceRect_.Width()), float(deviceRect_.Height())};
}

void TDeviceDrawer::FillFrame(uint32_t colour) {
  TRect outer{deviceRect_.left - 1, deviceRect_.top - 1, deviceRect_.right + 1, deviceRect_.bottom + 1};
  TRect clip = EffectiveClipRect();
  const TRect bands[] = {
      {outer.left, outer.top, outer.right, clip.top},        // above
      {outer.left, clip.bottom, outer.right, outer.bottom},  // below
      {outer.left, clip.top, clip.left, clip.bottom},        // left
      {clip.right, clip.top, outer.right, clip.bottom},      // right
  };
  for (const TRect& band : bands)
    if (!band.IsEmpty()) ClearRect(OpaqueColor(colour), band);
}

namespace {
TSize Scaled(TSize a, double scale) {
  return {int32_t(std::lround(a.width * scale)), int32_t(std::lround(a.height * scale))};
}
double FitScale(TSize a, TSize b) {
  return std::max(0.0, std::min(double(b.width) / a.width, double(b.height) / a.height));
}
}  // namespace

TSize TDeviceDrawer::FitInside(TSize a, TSize b) {
  if (a.width <= 0 || a.height <= 0) return {0, 0};
  return Scaled(a, std::min(1.0, FitScale(a, b)));
}

TSize TDeviceDrawer::Fit(TSize a, TSize b) {
  if (a.width <= 0 || a.height <= 0) return {0, 0};
  return Scaled(a, FitScale(a, b));
}

TCriticalSection& TDeviceDrawer::DrawingLock() {
  static TCriticalSection* lock = MakeRef<TCriticalSection>().Detach();
  return *lock;
}

}  // namespace zol
