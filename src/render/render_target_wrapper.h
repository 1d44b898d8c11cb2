// TRenderTargetWrapper: one entry of the screen's render-target stack: a
// target surface and the canvas position of its top-left pixel. Owned by the
// stack.
#pragma once

#include "foundation/ref.h"
#include "render/surface_3d.h"

namespace zol {

class TRenderTargetWrapper : public TRefObject {
 public:
  TRenderTargetWrapper(int offsetX, int offsetY, TRef<T3DSurface> surface)
      : offsetX_(offsetX), offsetY_(offsetY), surface_(std::move(surface)) {}
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  T3DSurface* Surface() const { return surface_.get(); }

 private:
  int offsetX_;
  int offsetY_;
  TRef<T3DSurface> surface_;
};

}  // namespace zol
