#include "render/screen_resource.h"

#include "render/screen_3d.h"

namespace zol {

TScreenResource::TScreenResource(T3DScreen& screen) : screen_(&screen) {
  screen.Register(this);
}

void TScreenResource::Dispose() {
  if (screen_) screen_->Unregister(this);
  screen_ = nullptr;
  TRefObject::Dispose();
}

}  // namespace zol
