#include "render/gl/gl_shader.h"

#include <epoxy/gl.h>

#include "foundation/log.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_dev_store.h"
#include "render/gl/gl_pipeline.h"
#include "render/gl/gl_shader_sources.h"

namespace zol {

TRef<T3DShaderGL> T3DShaderGL::Create(TGLDevStore& store, std::string_view body, bool isVertex,
                                      uint8_t& error) {
  auto shader = MakeRef<T3DShaderGL>(store, isVertex);
  std::string source = isVertex ? CallerVertexShaderSource(body) : CallerFragmentShaderSource(body);
  std::string log;
  if (!CompileGLShader(isVertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER, source, shader->shader_, log)) {
    LogText("Shader compile failed: " + log);
    error = kDeviceInvalidCall;
    return nullptr;
  }
  error = kDeviceOk;
  return shader;
}

T3DShaderGL::T3DShaderGL(TGLDevStore& store, bool isVertex) : T3DShader(isVertex), store_(&store) {
  store.Register(this);
}

void T3DShaderGL::ReleaseNames(bool contextUsable) {
  if (store_ && shader_) store_->Pipeline().ForgetShader(shader_.Get(), contextUsable);
  shader_.Release(contextUsable);
}

void T3DShaderGL::DetachFromDevice(bool contextUsable) {
  ReleaseNames(contextUsable);
  store_ = nullptr;
}

void T3DShaderGL::Dispose() {
  {
    TGLCall call(store_.get());
    if (store_) {
      ReleaseNames(call.Bound());
      store_->Unregister(this);
      store_ = nullptr;
    }
  }
  T3DShader::Dispose();
}

}  // namespace zol
