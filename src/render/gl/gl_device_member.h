// TGLDeviceMember: the side of a back-end object its device holder sees:
// when the holder is released the object drops its GL names and forgets the
// holder, and the holder then calls the object's owner notice.
#pragma once

namespace zol {

class T3DDeviceObject;

class TGLDeviceMember {
 public:
  // Drop every GL name (deleting them when CONTEXTUSABLE, else forgetting
  // them: the context is gone) and let go of the holder. Under the device lock.
  virtual void DetachFromDevice(bool contextUsable) = 0;
  virtual T3DDeviceObject& DeviceObject() = 0;

 protected:
  ~TGLDeviceMember() = default;
};

}  // namespace zol
