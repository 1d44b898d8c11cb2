// TDrawItem: anything the drawer can draw (show objects, navigation panel
// items). The owner sets a changed byte when the item's look changed and
// clears it once drawn. Drawn on the drawing thread.
#pragma once

#include <cstdint>

#include "foundation/ref.h"

namespace zol {

class TDeviceDrawer;

class TDrawItem : public TRefObject {
 public:
  // True when either changed byte is set: the item must be drawn again.
  virtual bool IsChanged() { return changed_[0] != 0 || changed_[1] != 0; }
  // Blur (> 0) or sharpen (< 0) amount for the whole item.
  virtual float GetBlur() { return 0; }
  // After drawing, also when drawing failed.
  virtual void AfterDraw(TDeviceDrawer& /*drawer*/) {}
  // Issues the drawer calls for the item.
  virtual void Draw(TDeviceDrawer& drawer) = 0;

  uint8_t Changed(int which) const { return changed_[which & 1]; }
  void SetChanged(int which, uint8_t value) { changed_[which & 1] = value; }

 private:
  uint8_t changed_[2] = {0, 0};
};

}  // namespace zol
