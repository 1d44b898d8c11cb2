#include "render/screen_shader.h"

#include "render/renderer_3d.h"
#include "render/screen_3d.h"

namespace zol {

TShader::TShader(T3DScreen& screen, std::string code, bool isVertex)
    : TScreenResource(screen), code_(std::move(code)), isVertex_(isVertex) {
  RecreateIfNeeded();
}

void TShader::ShaderNotice(void* context, T3DDeviceObject*) {
  static_cast<TShader*>(context)->ReleaseDeviceObject();
}

void TShader::RecreateIfNeeded() {
  if (shader_ && shader_->LastError() == kDeviceOk) return;
  ReleaseDeviceObject();
  TRef<T3DRenderer> renderer(Screen() ? Screen()->UsableRenderer() : nullptr);
  if (!renderer) return;
  shader_ = renderer->CreateShader(code_, isVertex_);
  if (shader_) shader_->SetOwnerNotice(&TShader::ShaderNotice, this);
}

void TShader::ReleaseDeviceObject() {
  if (shader_) shader_->SetOwnerNotice({});
  shader_ = nullptr;
}

void TShader::Dispose() {
  ReleaseDeviceObject();
  TScreenResource::Dispose();
}

}  // namespace zol
