// TImageShadowPainter: the drop shadows of pictures, texts and buttons. The
// module that generates shadow pictures installs one at start-up; the
// objects call it at their geometry updates, device preparation and release,
// and before drawing themselves. Without one no shadow is drawn. Objects
// keep the painter's per-object state in their shadow slot. Called on the
// threads that update, prepare and draw the objects, one at a time per object.
#pragma once

#include <memory>

#include "foundation/ref.h"
#include "render/device_drawer.h"

namespace zol {

class TZolImage;

// Where and how strongly an object's shadow is drawn.
struct TShadowDraw {
  TPlacement placement;  // the object frame's origin and axes (one unit of content each)
  TPointF viewOffset;    // the content's top-left corner, as DrawImage takes it
  uint32_t color = 0;    // 0xRRGGBB in the display's colour space
  float opacity = 0;     // draw opacity times the shadow opacity, percent
  float blurBase = 0;    // the length the blur and distance are measured against
};

class TImageShadowPainter {
 public:
  virtual ~TImageShadowPainter() = default;
  // After a geometry update of an object whose shadow is on: make or reuse it.
  virtual void Update(TZolImage& /*object*/) {}
  virtual void Prepare(TZolImage& /*object*/, TDeviceDrawer& /*drawer*/) {}
  virtual void Release(TZolImage& /*object*/, TDeviceDrawer& /*drawer*/) {}
  // The picture or text of OBJECT changed: its shadow must be made again.
  virtual void Forget(TZolImage& /*object*/) {}
  virtual void Draw(TZolImage& object, TDeviceDrawer& drawer, const TShadowDraw& draw) = 0;
};

// Installs PAINTER (none: no shadows) and returns the one it replaces.
std::shared_ptr<TImageShadowPainter> SetImageShadowPainter(std::shared_ptr<TImageShadowPainter> painter);
std::shared_ptr<TImageShadowPainter> ImageShadowPainter();

}  // namespace zol
