// TGLName: one OpenGL object name with the routine that deletes it. Deleting
// needs the owning context current, so it is never done implicitly: owners
// call Reset while their context is bound, or Abandon when the context has
// gone (its objects died with it). Owned by one device object.
#pragma once

#include <utility>

namespace zol {

class TGLName {
 public:
  using Deleter = void (*)(unsigned int name);

  TGLName() = default;
  TGLName(unsigned int name, Deleter deleter) : name_(name), deleter_(deleter) {}
  TGLName(TGLName&& o) noexcept : name_(std::exchange(o.name_, 0)), deleter_(o.deleter_) {}
  TGLName& operator=(TGLName&& o) noexcept {
    std::swap(name_, o.name_);
    std::swap(deleter_, o.deleter_);
    return *this;
  }
  TGLName(const TGLName&) = delete;
  TGLName& operator=(const TGLName&) = delete;
  ~TGLName() = default;  // see above: an unreleased name is left to its context

  unsigned int Get() const { return name_; }
  explicit operator bool() const { return name_ != 0; }
  // Deletes the object (the context must be current).
  void Reset() {
    if (name_ && deleter_) deleter_(name_);
    name_ = 0;
  }
  // Forgets the object without touching the context.
  void Abandon() { name_ = 0; }
  // Deletes when the context can be used, else forgets.
  void Release(bool contextUsable) { contextUsable ? Reset() : Abandon(); }

 private:
  unsigned int name_ = 0;
  Deleter deleter_ = nullptr;
};

// Makers of names of each kind, with their deleters (gl_name.cpp).
TGLName GenTexture();
TGLName GenBuffer();
TGLName GenVertexArray();
TGLName GenFramebuffer();
TGLName GenSampler();
TGLName CreateGLShader(unsigned int stage);
TGLName CreateGLProgram();

}  // namespace zol
