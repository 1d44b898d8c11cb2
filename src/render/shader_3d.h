// T3DShader: a pixel (or vertex) shader living on a render device. Created by
// a renderer from shader source, owned by the caller; calls hold the device
// lock.
#pragma once

#include "render/device_object.h"

namespace zol {

class T3DShader : public T3DDeviceObject {
 public:
  bool IsVertex() const { return isVertex_; }

 protected:
  explicit T3DShader(bool isVertex) : isVertex_(isVertex) {}

 private:
  bool isVertex_;
};

}  // namespace zol
