// TScreenResource: a resource made for a screen whose device object can be
// dropped at any time and rebuilt from what the resource keeps in system
// memory (batcher, textures, lookup textures, shaders). It registers with its
// screen on construction and leaves in Dispose. Drawing thread.
#pragma once

#include "foundation/ref.h"

namespace zol {

class T3DScreen;

class TScreenResource : public TRefObject {
 public:
  // Frees the device object; the next use rebuilds it.
  virtual void ReleaseDeviceObject() = 0;
  // The screen is being freed: behave as without a renderer from now on.
  void DetachScreen() {
    ReleaseDeviceObject();
    screen_ = nullptr;
  }
  T3DScreen* Screen() const { return screen_; }

 protected:
  explicit TScreenResource(T3DScreen& screen);
  void Dispose() override;

 private:
  T3DScreen* screen_;
};

}  // namespace zol
