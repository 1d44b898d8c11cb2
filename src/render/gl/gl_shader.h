// T3DShaderGL: a compiled GLSL shader stage on the OpenGL back end (see
// gl_shader_sources.h for what a caller's shader may use). Owned by its
// creator; calls hold the device lock.
#pragma once

#include <string_view>

#include "render/gl/gl_device_member.h"
#include "render/gl/gl_name.h"
#include "render/shader_3d.h"

namespace zol {

class TGLDevStore;

class T3DShaderGL : public T3DShader, public TGLDeviceMember {
 public:
  // Compiles BODY (the code after its header); none with ERROR set when it
  // does not compile (the log says why).
  static TRef<T3DShaderGL> Create(TGLDevStore& store, std::string_view body, bool isVertex, uint8_t& error);
  T3DShaderGL(TGLDevStore& store, bool isVertex);

  bool Alive() const { return store_ != nullptr; }
  TGLDevStore* Store() const { return store_.get(); }
  unsigned int Name() const { return shader_.Get(); }

  void DetachFromDevice(bool contextUsable) override;
  T3DDeviceObject& DeviceObject() override { return *this; }

 protected:
  void Dispose() override;

 private:
  void ReleaseNames(bool contextUsable);

  TRef<TGLDevStore> store_;
  TGLName shader_;
};

}  // namespace zol
