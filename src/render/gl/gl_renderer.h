// T3DRendererGL: the renderer of the OpenGL back end. Draws into an
// off-screen back buffer (a texture) or a render-target texture; Present
// copies the back buffer into the window, if there is one. Created by the
// engine, owned by its creator (the screen); calls hold the device lock.
#pragma once

#include <cstdint>

#include "render/adapter_info.h"
#include "render/gl/gl_device_member.h"
#include "render/gl/gl_shader_sources.h"
#include "render/renderer_3d.h"

namespace zol {

class TGLDevStore;
class TGLCall;
class T3DTextureGL;
class T3DSurfaceGL;
class T3DShaderGL;
class T3DVertexListGL;
struct TGLProgram;
struct TStageCombine;

class T3DRendererGL : public T3DRenderer, public TGLDeviceMember {
 public:
  T3DRendererGL(TDrawDevice& device, TGLDevStore& store, const TAdapterInfo& adapter);
  // Places the output, makes the back buffer and the probe; the context is
  // current. False with ERROR filled.
  bool Init(std::string& error);

  void UpdateBounds() override;
  bool BeginFrame() override;
  bool EndFrame() override;
  bool Present(const TRect* srcRects, int count, const TRect* dstRects) override;
  bool Clear(const TRect* rects, int count, uint32_t flags, uint32_t colour, float z) override;
  bool Validate() override;
  bool SetRenderTarget(T3DSurface* surface) override;
  TRef<T3DSurface> GetRenderTarget() override;
  TRef<T3DSurface> GetBackBuffer() override;
  bool SetViewport(const TRect& rect, float minZ, float maxZ) override;
  bool DrawList(std::span<T3DTexture* const> textures, uint32_t flags, T3DVertexList& list,
                int textureCount) override;
  bool SetTexture(int stage, TBaseTexture* texture) override;
  TRef<T3DTexture> CreateTexture(uint8_t kind, int width, int height, bool wantMips) override;
  TRef<TVolumeTexture> CreateVolumeTexture(int width, int height, int depth) override;
  TRef<T3DVertexList> CreateVertexList(int count, uint32_t formatFlags, int texCoordSets) override;
  bool CopyRects(T3DSurface& source, T3DSurface& dest, int count, const TRect* srcRects,
                 const TRect* dstRects) override;
  void SetBlendMode(int mode) override;
  bool SetTransform(int which, const TMatrix4& matrix) override;
  bool SetCullNone(bool on) override;
  TPointF GetPixelCenter() override { return {0.5f, 0.5f}; }
  TRef<T3DShader> CreateShader(std::string_view code, bool isVertex) override;
  bool SetShader(T3DShader* shader) override;
  bool SetShaderConstants(int firstRegister, const float* values, int count, bool isVertex) override;

  // Test hooks: the next call finds the context reset; device memory limit.
  void SimulateDeviceLoss();
  void SetVideoMemoryLimit(int64_t bytes);
  int64_t VideoMemoryUsed();
  // In exclusive output, follow the window's focus (see BeginFrame).
  static void SetFocusTracking(bool on);

  void DetachFromDevice(bool contextUsable) override;
  T3DDeviceObject& DeviceObject() override { return *this; }

 protected:
  bool HasDevice() const override { return store_ != nullptr; }
  void Dispose() override;

 private:
  // The device is gone: state lost, error 3, false.
  bool FailLost();
  // Start of every device call: false (with the state set) when the device
  // has gone or is lost now.
  bool Enter(const TGLCall& call);
  // End of a device call: pending GL errors become the last error.
  bool Leave();
  T3DSurfaceGL& CurrentTarget() const;
  void ApplyTarget();
  const TGLProgram* UseProgram(bool withCallerShaders, const TStageCombine& combine);
  void DrawProbe();
  void RestoreWindow();

  TRef<TGLDevStore> store_;
  TAdapterInfo adapter_;
  TRect outputRect_;
  bool exclusive_ = false;
  bool wasInBackground_ = false;
  TRef<T3DTextureGL> backBuffer_;
  TRef<T3DSurfaceGL> backSurface_;
  TRef<T3DSurfaceGL> target_;  // none: the back buffer
  TRect viewport_;
  float minZ_ = 0, maxZ_ = 1;
  int blendMode_ = kBlendNormal;
  TMatrix4 transforms_[3] = {TMatrix4::Identity(), TMatrix4::Identity(), TMatrix4::Identity()};
  TMatrix4 combined_ = TMatrix4::Identity();
  bool cullNone_ = false;
  TRef<T3DShaderGL> pixelShader_;
  TRef<T3DShaderGL> vertexShader_;
  float pixelConstants_[kPixelConstantRegisters][4] = {};
  float vertexConstants_[kVertexConstantRegisters][4] = {};
  TRef<TBaseTexture> stageTextures_[kMaxSamplerStages];
  TRef<T3DVertexListGL> probe_;
  int32_t lastPresent_ = 0;
};

}  // namespace zol
