// T3DRenderer: draws into one output (a TDrawDevice) on one adapter and
// creates the objects that live on its device. Registered in the device's
// renderer list while it lives. Owned by its creator (normally the screen);
// every call holds the device lock. Device errors never raise: calls answer
// false or none and leave the last error; once the device is lost every call
// fails at once with device state 2.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "render/device_object.h"
#include "render/geometry.h"
#include "render/matrix4.h"

namespace zol {

class TDrawDevice;
class T3DSurface;
class T3DTexture;
class TBaseTexture;
class TVolumeTexture;
class T3DVertexList;
class T3DShader;

enum : uint8_t { kDeviceStateNormal = 0, kDeviceStateLost = 2 };

// DrawList flags.
enum : uint32_t {
  kDrawTextured = 1,       // bind the textures, one per stage
  kDrawModulateColor = 2,  // texture colour x vertex colour (else texture alone)
  kDrawModulateAlpha = 4,  // texture alpha x vertex alpha (else texture alone)
  kDrawLighting = 8,
};

// Clear flags.
enum : uint32_t { kClearTarget = 1, kClearDepth = 2 };

// Blend modes.
enum : int { kBlendNormal = 0, kBlendMaximum = 1, kBlendSeparateAlpha = 2 };

// Transform slots.
enum : int { kTransformWorld = 0, kTransformView = 1, kTransformProjection = 2 };

class T3DRenderer : public T3DDeviceObject {
 public:
  TDrawDevice* DrawDevice() const { return drawDevice_; }
  uint8_t DeviceState() const { return deviceState_; }
  // True when the device accepts 8-bit luminance textures.
  bool LuminanceTextures() const { return luminanceTextures_; }
  // True while the renderer has a device and it is not lost.
  bool IsUsable() const { return deviceState_ == kDeviceStateNormal && HasDevice(); }

  // Follows the draw device's new rectangle.
  virtual void UpdateBounds() = 0;
  // Starts a frame on the current render target; false when the device is
  // lost or any step fails.
  virtual bool BeginFrame() = 0;
  virtual bool EndFrame() = 0;
  // Shows the back buffer: COUNT source rectangles onto as many destination
  // rectangles (none: the whole buffer), after pacing the frame.
  virtual bool Present(const TRect* srcRects, int count, const TRect* dstRects) = 0;
  // Clears COUNT rectangles (none: the whole viewport) of the target (flag
  // kClearTarget) and the depth buffer (kClearDepth, when there is one).
  virtual bool Clear(const TRect* rects, int count, uint32_t flags, uint32_t colour, float z) = 0;
  // Applies the default state and draws the probe; true when accepted.
  virtual bool Validate() = 0;
  // Binds a render-target surface or the back buffer (none: the back buffer).
  virtual bool SetRenderTarget(T3DSurface* surface) = 0;
  virtual TRef<T3DSurface> GetRenderTarget() = 0;
  virtual TRef<T3DSurface> GetBackBuffer() = 0;
  virtual bool SetViewport(const TRect& rect, float minZ, float maxZ) = 0;
  // The one drawing call: the list's range with TEXTURES on stages 0, 1, ...
  // TEXTURECOUNT must equal the number of textures (internal check).
  virtual bool DrawList(std::span<T3DTexture* const> textures, uint32_t flags, T3DVertexList& list,
                        int textureCount) = 0;
  // Binds a texture for shader use (linear filtering, clamped addressing);
  // none unbinds the stage.
  virtual bool SetTexture(int stage, TBaseTexture* texture) = 0;
  // Kinds 1 and 2 are render targets; a kind outside 0-4 is an internal-check failure.
  virtual TRef<T3DTexture> CreateTexture(uint8_t kind, int width, int height, bool wantMips) = 0;
  virtual TRef<TVolumeTexture> CreateVolumeTexture(int width, int height, int depth) = 0;
  virtual TRef<T3DVertexList> CreateVertexList(int count, uint32_t formatFlags, int texCoordSets) = 0;
  // Copies COUNT rectangle pairs without filtering; stops at the first failure.
  virtual bool CopyRects(T3DSurface& source, T3DSurface& dest, int count, const TRect* srcRects,
                         const TRect* dstRects) = 0;
  virtual void SetBlendMode(int mode) = 0;
  // A 4 x 4 matrix for row vectors.
  virtual bool SetTransform(int which, const TMatrix4& matrix) = 0;
  // On: no face culling; off: counter-clockwise faces are culled.
  virtual bool SetCullNone(bool on) = 0;
  // The offset that maps texel centres onto pixel centres.
  virtual TPointF GetPixelCenter() = 0;
  // A shader from CODE, whose first 4 bytes are a header and are skipped.
  virtual TRef<T3DShader> CreateShader(std::string_view code, bool isVertex) = 0;
  // Binds SHADER to its stage; none unbinds both stages.
  virtual bool SetShader(T3DShader* shader) = 0;
  // Loads COUNT four-float registers from FIRSTREGISTER on.
  virtual bool SetShaderConstants(int firstRegister, const float* values, int count, bool isVertex) = 0;

  // The draw device is being freed: forget it (called by the device).
  void DetachDrawDevice() { drawDevice_ = nullptr; }

 protected:
  // Registers with DEVICE's renderer list.
  explicit T3DRenderer(TDrawDevice* device);
  void Dispose() override;

  virtual bool HasDevice() const = 0;
  void SetDeviceState(uint8_t state) { deviceState_ = state; }
  void SetLuminanceTextures(bool on) { luminanceTextures_ = on; }

 private:
  TDrawDevice* drawDevice_;
  uint8_t deviceState_ = kDeviceStateNormal;
  bool luminanceTextures_ = false;
};

}  // namespace zol
