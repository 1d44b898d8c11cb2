// T3DDeviceObject: what every object living on a render device shares: the
// one-byte last error of its latest call and the owner notice its creator may
// set. When the device goes (loss, output change, shutdown) the device first
// detaches the object and then calls the owner notice, so owners drop and
// later recreate their objects instead of keeping dead ones.
// Calls run under the device lock (render/device_lock.h).
#pragma once

#include <cstdint>

#include "foundation/ref.h"

namespace zol {

// Last-error codes.
enum : uint8_t {
  kDeviceOk = 0,
  kDeviceInvalidCall = 1,
  kDeviceOutOfVideoMemory = 2,
  kDeviceOtherError = 3,  // includes the device being lost
};

class T3DDeviceObject;

// Called with the notice's context and the object whose device went away.
struct TOwnerNotice {
  void (*proc)(void* context, T3DDeviceObject* sender) = nullptr;
  void* context = nullptr;
};

class T3DDeviceObject : public TRefObject {
 public:
  uint8_t LastError() const { return lastError_; }
  void SetOwnerNotice(TOwnerNotice notice) { ownerNotice_ = notice; }
  void SetOwnerNotice(void (*proc)(void*, T3DDeviceObject*), void* context) {
    ownerNotice_ = {proc, context};
  }
  const TOwnerNotice& OwnerNotice() const { return ownerNotice_; }

  // The device has detached this object: tells its owner once. The owner may
  // free the object from inside the notice.
  void NotifyOwner();

 protected:
  T3DDeviceObject() = default;
  void SetLastError(uint8_t code) { lastError_ = code; }
  bool Succeed() {
    lastError_ = kDeviceOk;
    return true;
  }
  bool Fail(uint8_t code) {
    lastError_ = code;
    return false;
  }

 private:
  TOwnerNotice ownerNotice_;
  uint8_t lastError_ = kDeviceOk;
};

}  // namespace zol
