// TShader: a shader the screen recreates after device loss from the code it
// keeps (header of 4 bytes, then the shader source). Registered with its
// screen; drawing thread.
#pragma once

#include <string>

#include "render/screen_resource.h"
#include "render/shader_3d.h"

namespace zol {

class TShader : public TScreenResource {
 public:
  // Creates the device shader at once when the screen has a renderer.
  TShader(T3DScreen& screen, std::string code, bool isVertex);

  T3DShader* DeviceShader() const { return shader_.get(); }
  bool IsVertex() const { return isVertex_; }
  const std::string& Code() const { return code_; }
  // Creates the device shader when it is missing or its last call failed.
  void RecreateIfNeeded();

  void ReleaseDeviceObject() override;

 protected:
  void Dispose() override;

 private:
  static void ShaderNotice(void* context, T3DDeviceObject* sender);

  std::string code_;
  bool isVertex_;
  TRef<T3DShader> shader_;
};

}  // namespace zol
