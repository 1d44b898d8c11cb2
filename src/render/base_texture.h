// TBaseTexture: what two- and three-dimensional textures share, so either
// may be bound to a shader stage. Calls hold the device lock.
#pragma once

#include "render/device_object.h"

namespace zol {

class TBaseTexture : public T3DDeviceObject {
 public:
  virtual int GetLevelCount() = 0;
};

}  // namespace zol
