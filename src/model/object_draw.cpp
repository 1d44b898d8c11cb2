// Drawing an object and its subtree (TZolObject::Draw).
#include <exception>
#include <string>

#include "foundation/log.h"
#include "model/zol_object.h"
#include "render/device_drawer.h"

namespace zol {

void TZolObject::Draw(TDeviceDrawer& drawer) {
  try {
    if (IsShown()) DrawSelf(drawer);
  } catch (const std::exception& e) {
    // One broken object is skipped for this frame; the rest of the slide is drawn.
    LogText("ZolObject \"" + Name() + "\" not drawn: " + e.what());
  }
  Commit(false);
  for (const TRef<TZolObject>& child : children_) drawer.DrawItem(*child);
}

void TZolObject::AfterDraw(TDeviceDrawer& drawer) {
  for (const TRef<TZolObject>& child : children_) child->AfterDraw(drawer);
}

}  // namespace zol
