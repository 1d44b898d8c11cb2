// T3DScreen: the program's layer between the scene drawer and a renderer. It
// binds a renderer to an output and recreates it (and, lazily, every resource
// registered with it) after the device is lost or the output changes; keeps
// the render-target stack and the camera that maps canvas units onto the
// current target; and draws coloured and textured quads through the
// triangle batcher. Owned by the drawer; drawing thread only (device calls
// take the device lock themselves).
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/ref.h"
#include "platform/window_output.h"
#include "render/geometry.h"
#include "render/matrix4.h"
#include "render/renderer_3d.h"
#include "render/screen_view_state.h"
#include "render/vertex_record.h"

namespace zol {

class TDrawDevice;
class TScreenResource;
class TVertexBuffer;
class TCustomTexture;
class TRenderTargetWrapper;
class TDeviceKilledMessenger;
class T3DTexture;

class T3DScreen : public TRefObject {
 public:
  // Raised (with its context) whenever the renderer is dropped.
  struct TRendererLost {
    void (*proc)(void* context, T3DScreen* screen) = nullptr;
    void* context = nullptr;
  };

  T3DScreen();

  // Binds the screen to DEVICE (an internal-check failure when none) and
  // opens a renderer for it; nothing happens when nothing changed.
  void Bind(TDrawDevice* device);
  // Drops the renderer and creates a new one for the bound device.
  void OpenRenderer();
  // Drops the renderer: raises renderer-lost, leaves the scene, empties the
  // target stack. Also the renderer's owner notice.
  void DropRenderer();
  // Frees every registered resource's device object; each rebuilds on use.
  void ReleaseResources();

  // Starts a frame (recreating the renderer when needed).
  bool BeginScene();
  // Ends the frame and, when PRESENT, shows it; true only when all succeeded.
  bool EndScene(bool present);
  // Draws the batched triangles now; needed before binding shaders or
  // textures on the renderer directly.
  void Flush();

  bool ClearAll(uint32_t colour, bool withDepth);
  bool ClearRect(uint32_t colour, const TRect& rect);
  // The current target in canvas coordinates (the output when none).
  TRect DrawRect() const;
  // The default clip rectangle, or the whole output when it is empty.
  TRect ClipRect() const;
  void SaveView(TScreenViewState& state) const;
  void RestoreView(const TScreenViewState& state);
  bool SetViewport(const TRect& rect, float minZ, float maxZ);
  // Draws into RECT of the target from now on (viewport, canvas and clip).
  bool SetCanvas(const TRect& rect, float minZ, float maxZ);
  // A canvas of W x H units whose part (OX, OY, VW, VH) fills the viewport.
  // Ignored unless all four sizes are positive.
  bool SetCamera(float canvasHeight, float canvasWidth, float viewHeight, float viewWidth, float offsetY,
                 float offsetX);
  // Draws into level 0 of TEXTURE, whose top-left pixel stands at canvas
  // position (X, Y); PopTarget returns to the target below.
  bool PushTarget(T3DTexture* texture, int offsetX, int offsetY);
  bool PushTarget(TCustomTexture& texture, int offsetX, int offsetY);
  bool PopTarget();

  // Two batched untextured triangles (P0, P1, P2) and (P1, P3, P2); COLOURS
  // belong to P0, P1, P2, P3.
  void ColourQuad(const TPoint3F& p0, const TPoint3F& p1, const uint32_t colours[4], const TPoint3F& p3,
                  const TPoint3F& p2);
  // A quad with corners ORIGIN, +XAXIS, +YAXIS, +XAXIS+YAXIS (canvas units,
  // plus VIEWOFFSET), corner colours in that order, and per texture the
  // source rectangle in texels. Up to 8 textures.
  void DrawTexturedQuad(TCustomTexture* const* textures, const uint32_t colours[4], const TRectF* uvRects,
                        const TPoint3F& xAxis, const TPoint3F& yAxis, const TPointF& viewOffset,
                        const TPoint3F& origin, int textureCount);
  // DrawTexturedQuad with soft edges: each edge EDGEFLAGS names (bit 0 left,
  // 1 top, 2 right, 3 bottom) fades to transparent over one pixel outside the
  // quad on screen. A quad too thin or skewed to feather is drawn plainly.
  void DrawFeatheredGrid(TCustomTexture* const* textures, int textureCount, int edgeFlags,
                         const uint32_t colours[4], const TRectF* uvRects, const TPoint3F& xAxis,
                         const TPoint3F& yAxis, const TPointF& viewOffset, const TPoint3F& origin);
  // A render-target texture drawn white at its opacity; nothing at opacity 0.
  void DrawTargetTexture(TCustomTexture& texture, const TPoint3F& origin, const TRectF& srcRect,
                         const TPoint3F& xAxis, const TPoint3F& yAxis, const TPointF& viewOffset);

  T3DRenderer* Renderer() const { return renderer_.get(); }
  // A renderer that can draw now.
  T3DRenderer* UsableRenderer() const {
    return renderer_ && renderer_->IsUsable() ? renderer_.get() : nullptr;
  }
  TDrawDevice* Device() const { return device_; }
  bool InScene() const { return inScene_; }
  const TRect& OutputRect() const { return output_; }
  int Width() const { return output_.Width(); }
  int Height() const { return output_.Height(); }
  const TRect& Canvas() const { return canvas_; }
  const TScreenCamera& Camera() const { return camera_; }
  int AdapterIndex() const { return adapter_; }
  TVertexBuffer& Batcher() { return *batcher_; }
  size_t TargetDepth() const { return targets_.size(); }
  void SetRendererLost(TRendererLost event) { rendererLost_ = event; }

  // Canvas units to the renderer's space (see the camera).
  TPoint3F ToDevice(const TPoint3F& canvas) const;

  // Resource registry (resources call these themselves).
  void Register(TScreenResource* resource);
  void Unregister(TScreenResource* resource);
  // Registered textures of the kinds kept in system memory, oldest first.
  std::vector<TCustomTexture*> ManagedTextures() const;

  // The draw device is being freed (from its messenger).
  void DeviceKilled(TDrawDevice& device);

 protected:
  void Dispose() override;

 private:
  static void RendererNotice(void* context, T3DDeviceObject* sender);
  TRect OutputRectFor(TDrawDevice& device) const;
  void PushBackBuffer();
  void ApplyTopTarget();
  void ApplyCamera();

  TRef<T3DRenderer> renderer_;
  // World, view and projection as the camera last set them: device space to
  // clip space, for finding pixels on screen.
  TMatrix4 toClip_ = TMatrix4::Identity();
  TDrawDevice* device_ = nullptr;
  TRect viewport_;
  float minZ_ = 0, maxZ_ = 1;
  TRect canvas_;
  TRect clip_;
  TRect output_;
  bool exclusive_ = false;
  int adapter_ = 0;
  platform::OutputWindow* window_ = nullptr;
  int offsetX_ = 0, offsetY_ = 0;
  TRef<TVertexBuffer> batcher_;
  std::vector<TRef<TRenderTargetWrapper>> targets_;
  std::vector<TScreenResource*> resources_;
  TRef<TDeviceKilledMessenger> messenger_;
  TScreenCamera camera_;
  bool inScene_ = false;
  TRendererLost rendererLost_;
};

}  // namespace zol
