// TGLCall: the guard every back-end call runs under: takes the device lock
// and makes the holder's context current; at the end of the thread's
// outermost call gives the context back (see TGLDevStore).
#pragma once

#include "render/device_lock.h"
#include "render/gl/gl_dev_store.h"

namespace zol {

// Marks the calling thread as inside a back-end call, so nested calls do not
// give the context back at their end; the outermost scope does.
class TGLCallScope {
 public:
  TGLCallScope();
  ~TGLCallScope();
  TGLCallScope(const TGLCallScope&) = delete;
  TGLCallScope& operator=(const TGLCallScope&) = delete;
};

class TGLCall {
 public:
  explicit TGLCall(TGLDevStore* store);
  ~TGLCall();
  TGLCall(const TGLCall&) = delete;
  TGLCall& operator=(const TGLCall&) = delete;

  // The holder is alive and its context is current on this thread.
  bool Bound() const { return bound_; }

 private:
  TDeviceLockGuard lock_;
  TRef<TGLDevStore> store_;  // kept alive for the call, even if released inside it
  TGLCallScope scope_;
  bool bound_ = false;
};

}  // namespace zol
