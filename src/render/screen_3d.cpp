#include "render/screen_3d.h"

#include <algorithm>

#include "foundation/assertion.h"
#include "foundation/log.h"
#include "render/custom_texture.h"
#include "render/device_killed_messenger.h"
#include "render/draw_device.h"
#include "render/engine_3d.h"
#include "render/feather_grid.h"
#include "render/render_target_wrapper.h"
#include "render/screen_resource.h"
#include "render/screen_shader.h"
#include "render/texture_3d.h"
#include "render/vertex_buffer.h"

namespace zol {

T3DScreen::T3DScreen() {
  batcher_ = MakeRef<TVertexBuffer>(*this);
}

TRect T3DScreen::OutputRectFor(TDrawDevice& device) const {
  if (!device.Exclusive()) return device.Rect();
  // Exclusive output covers the monitor the device rectangle overlaps most.
  if (TRef<T3DEngine> engine = Get3DEngine()) {
    TAdapterInfo info;
    if (engine->GetAdapterInfo(info, engine->AdapterForRect(device.Rect()))) return info.monitor;
  }
  return device.Rect();
}

void T3DScreen::Bind(TDrawDevice* device) {
  ZOL_CHECK(device != nullptr, "DrawDevice=nil");
  TRect out = OutputRectFor(*device);
  bool exclusive = device->Exclusive();
  if (device == device_ && exclusive == exclusive_ && out == output_) return;
  if (!messenger_) messenger_ = MakeRef<TDeviceKilledMessenger>(this);
  if (device != device_) {
    if (device_) device_->RemoveListener(messenger_.get());
    device->AddListener(messenger_);
  }
  if (device != device_ || exclusive != exclusive_ || exclusive || exclusive_) ReleaseResources();
  device_ = device;
  exclusive_ = exclusive;
  output_ = out;
  window_ = device->Window();
  OpenRenderer();
}

void T3DScreen::OpenRenderer() {
  DropRenderer();
  if (!device_) {
    LogText("No window to draw");
    return;
  }
  TRef<T3DEngine> engine = Get3DEngine();
  if (!engine) {
    LogText("Can't init");
    return;
  }
  adapter_ = engine->AdapterForRect(output_);
  TAdapterInfo info;
  if (!engine->GetAdapterInfo(info, adapter_)) {
    LogText("Can't GetDisplayMode");
    return;
  }
  renderer_ = engine->CreateRenderer(*device_, info);
  if (renderer_) renderer_->SetOwnerNotice(&T3DScreen::RendererNotice, this);
}

void T3DScreen::RendererNotice(void* context, T3DDeviceObject*) {
  static_cast<T3DScreen*>(context)->DropRenderer();
}

void T3DScreen::DropRenderer() {
  if (!renderer_) return;
  TRef<T3DRenderer> renderer = std::move(renderer_);
  renderer->SetOwnerNotice({});
  inScene_ = false;
  targets_.clear();
  offsetX_ = offsetY_ = 0;
  if (rendererLost_.proc) rendererLost_.proc(rendererLost_.context, this);
}

void T3DScreen::ReleaseResources() {
  // Copy: releasing may free resources, which then leave the registry.
  std::vector<TRef<TScreenResource>> all;
  for (TScreenResource* r : resources_)
    if (r->RefCount() > 0) all.emplace_back(r);
  for (auto& r : all) r->ReleaseDeviceObject();
}

bool T3DScreen::BeginScene() {
  if (!device_) return false;
  TRect out = OutputRectFor(*device_);
  if (out != output_ || device_->Window() != window_ || device_->Exclusive() != exclusive_) {
    LogRect("T3DScreen.BeginScene, R= ", out.left, out.top, out.right, out.bottom);
    if (exclusive_ || device_->Exclusive()) ReleaseResources();
    output_ = out;
    window_ = device_->Window();
    exclusive_ = device_->Exclusive();
    OpenRenderer();
  } else if (!UsableRenderer()) {
    OpenRenderer();
  }
  if (!UsableRenderer()) return false;
  if (inScene_) return true;

  for (TScreenResource* r : std::vector<TScreenResource*>(resources_))
    if (auto* shader = dynamic_cast<TShader*>(r)) shader->RecreateIfNeeded();
  if (!UsableRenderer()) return false;  // recreating may have found the device lost
  inScene_ = true;
  TRef<T3DRenderer> renderer = renderer_;
  renderer->SetCullNone(true);
  batcher_->Ensure(32, 2);
  if (targets_.empty()) {
    PushBackBuffer();
    if (!targets_.empty()) renderer->SetRenderTarget(targets_.back()->Surface());
    SetCamera(float(Height()), float(Width()), float(Height()), float(Width()), 0, 0);
  }
  TRect full{0, 0, Width(), Height()};
  SetViewport(full, 0, 1);
  canvas_ = full;
  bool ok = renderer->BeginFrame();
  if (!ok && !renderer_) inScene_ = false;
  return ok;
}

bool T3DScreen::EndScene(bool present) {
  if (!renderer_) {
    inScene_ = false;
    return false;
  }
  TRef<T3DRenderer> renderer = renderer_;  // a loss found while flushing drops ours
  Flush();
  bool ok = renderer->EndFrame();
  inScene_ = false;
  if (present) {
    TRect r{0, 0, Width(), Height()};
    ok = renderer->Present(&r, 1, &r) && ok;
  }
  return ok;
}

void T3DScreen::Flush() {
  batcher_->Flush();
}

bool T3DScreen::ClearAll(uint32_t colour, bool withDepth) {
  if (!UsableRenderer()) return false;
  TRef<T3DRenderer> renderer = renderer_;
  Flush();
  TRect r{-1, -1, Width() + 1, Height() + 1};
  return renderer->Clear(&r, 1, kClearTarget | (withDepth ? uint32_t(kClearDepth) : 0u), colour, 1.0f);
}

bool T3DScreen::ClearRect(uint32_t colour, const TRect& rect) {
  if (!UsableRenderer()) return false;
  TRef<T3DRenderer> renderer = renderer_;
  Flush();
  return renderer->Clear(&rect, 1, kClearTarget, colour, 1.0f);
}

TRect T3DScreen::DrawRect() const {
  if (!targets_.empty())
    if (T3DSurface* s = targets_.back()->Surface()) {
      TSize size = s->GetSize();
      return {offsetX_, offsetY_, offsetX_ + size.width, offsetY_ + size.height};
    }
  return {0, 0, Width(), Height()};
}

TRect T3DScreen::ClipRect() const {
  return clip_.IsEmpty() ? TRect{0, 0, Width(), Height()} : clip_;
}

void T3DScreen::SaveView(TScreenViewState& state) const {
  state.viewport = viewport_;
  state.minZ = minZ_;
  state.maxZ = maxZ_;
  state.canvas = canvas_;
  state.clip = clip_;
  state.camera = camera_;
}

void T3DScreen::RestoreView(const TScreenViewState& state) {
  Flush();
  canvas_ = state.canvas;
  clip_ = state.clip;
  SetViewport(state.viewport, state.minZ, state.maxZ);
  camera_ = state.camera;
  ApplyCamera();
}

bool T3DScreen::SetViewport(const TRect& rect, float minZ, float maxZ) {
  if (!UsableRenderer()) return false;
  TRef<T3DRenderer> renderer = renderer_;
  Flush();
  viewport_ = rect;
  minZ_ = minZ, maxZ_ = maxZ;
  return renderer->SetViewport(rect, minZ, maxZ);
}

bool T3DScreen::SetCanvas(const TRect& rect, float minZ, float maxZ) {
  if (rect.IsEmpty() || !UsableRenderer()) return false;
  canvas_ = clip_ = rect;
  bool ok = SetViewport(rect, minZ, maxZ);
  ApplyCamera();
  return ok;
}

bool T3DScreen::SetCamera(float H, float W, float vh, float vw, float oy, float ox) {
  if (!(H > 0 && W > 0 && vh > 0 && vw > 0)) return false;
  camera_ = {ox, oy, vw / W, vh / H, W, H};
  return ApplyCamera(), UsableRenderer() != nullptr;
}

void T3DScreen::ApplyCamera() {
  TRef<T3DRenderer> renderer(UsableRenderer());
  const TScreenCamera& c = camera_;
  if (!renderer || c.canvasWidth <= 0 || c.canvasHeight <= 0) return;
  Flush();
  float W = c.canvasWidth, H = c.canvasHeight, vw = c.scaleX * W, vh = c.scaleY * H;
  TPointF centre = renderer->GetPixelCenter();
  // World: the pixel-centre shift, in clip units, and the drawing plane
  // moved to depth 1 (one canvas height in front of the eye).
  TMatrix4 world = TMatrix4::Identity();
  float tx = -2 * centre.x / W, ty = 2 * centre.y / H;
  world.m[2][0] = tx, world.m[2][1] = ty, world.m[2][2] = 1, world.m[2][3] = 0;
  world.m[3][0] = tx, world.m[3][1] = ty, world.m[3][2] = 1, world.m[3][3] = 1;
  // View: an off-centre shift that selects the target's part of the canvas.
  TMatrix4 view = TMatrix4::Identity();
  view.m[2][0] = 1 - (vw + 2 * c.offsetX) / W;
  view.m[2][1] = (vh + 2 * c.offsetY) / H - 1;
  // Projection: the view's part scaled to the viewport, near plane 0.01, far 10^6.
  const float q = 1e6f / (1e6f - 0.01f);
  TMatrix4 projection;
  projection.m[0][0] = W / vw;
  projection.m[1][1] = H / vh;
  projection.m[2][2] = q;
  projection.m[2][3] = 1;
  projection.m[3][2] = -0.01f * q;
  projection.m[3][3] = 0;
  renderer->SetTransform(kTransformWorld, world);
  renderer->SetTransform(kTransformView, view);
  renderer->SetTransform(kTransformProjection, projection);
  toClip_ = world * view * projection;
}

TPoint3F T3DScreen::ToDevice(const TPoint3F& p) const {
  float W = camera_.canvasWidth > 0 ? camera_.canvasWidth : float(std::max(Width(), 1));
  float H = camera_.canvasHeight > 0 ? camera_.canvasHeight : float(std::max(Height(), 1));
  // x and y to -1 .. 1 (y up), z in canvas heights: the eye sits one canvas
  // height in front of the plane z = 0.
  return {2 * p.x / W - 1, 1 - 2 * p.y / H, p.z / H};
}

void T3DScreen::PushBackBuffer() {
  if (!renderer_) return;
  TRef<T3DRenderer> renderer = renderer_;
  TRef<T3DSurface> back = renderer->GetBackBuffer();
  if (back) targets_.push_back(MakeRef<TRenderTargetWrapper>(0, 0, back));
}

bool T3DScreen::PushTarget(T3DTexture* texture, int offsetX, int offsetY) {
  if (!UsableRenderer() || !texture) return false;
  TRef<T3DRenderer> renderer = renderer_;
  Flush();
  if (!renderer_) return false;
  if (targets_.empty()) PushBackBuffer();
  TRef<T3DSurface> surface = texture->GetSurface(0);
  if (!surface) return false;
  targets_.push_back(MakeRef<TRenderTargetWrapper>(offsetX, offsetY, surface));
  bool ok = renderer->SetRenderTarget(surface.get());
  ApplyTopTarget();
  return ok;
}

bool T3DScreen::PushTarget(TCustomTexture& texture, int offsetX, int offsetY) {
  TRef<T3DTexture> t = texture.GetTexture();
  return PushTarget(t.get(), offsetX, offsetY);
}

bool T3DScreen::PopTarget() {
  if (!UsableRenderer() || targets_.empty()) return false;
  TRef<T3DRenderer> renderer = renderer_;
  Flush();
  if (targets_.empty()) return false;  // the device went while flushing
  if (targets_.size() > 1) targets_.pop_back();
  bool ok = renderer->SetRenderTarget(targets_.back()->Surface());
  ApplyTopTarget();
  return ok;
}

void T3DScreen::ApplyTopTarget() {
  if (targets_.empty()) return;
  offsetX_ = targets_.back()->OffsetX();
  offsetY_ = targets_.back()->OffsetY();
  canvas_ = {0, 0, Width(), Height()};
  TRect target = DrawRect().Offset(-offsetX_, -offsetY_);
  SetViewport(target, 0, 1);
  SetCamera(float(Height()), float(Width()), float(target.Height()), float(target.Width()), float(offsetY_),
            float(offsetX_));
}

void T3DScreen::ColourQuad(const TPoint3F& p0, const TPoint3F& p1, const uint32_t colours[4],
                           const TPoint3F& p3, const TPoint3F& p2) {
  if (!UsableRenderer()) return;
  batcher_->Begin(nullptr, 0);
  TPoint3F d0 = ToDevice(p0), d1 = ToDevice(p1), d2 = ToDevice(p2), d3 = ToDevice(p3);
  const TPointF none[3] = {};
  const TPoint3F a[3] = {d0, d1, d2}, b[3] = {d1, d3, d2};
  const uint32_t ca[3] = {colours[0], colours[1], colours[2]}, cb[3] = {colours[1], colours[3], colours[2]};
  batcher_->AddTriangle(a, ca, none);
  batcher_->AddTriangle(b, cb, none);
}

void T3DScreen::DrawTexturedQuad(TCustomTexture* const* textures, const uint32_t colours[4],
                                 const TRectF* uvRects, const TPoint3F& xAxis, const TPoint3F& yAxis,
                                 const TPointF& viewOffset, const TPoint3F& origin, int textureCount) {
  ZOL_CHECK(textureCount >= 0 && textureCount <= kMaxTexCoordSets, "Wrong texture count");
  if (!UsableRenderer()) return;
  if (textureCount > batcher_->TexCoordSets()) batcher_->Ensure(batcher_->Limit(), textureCount);
  batcher_->Begin(textures, textureCount);
  TPoint3F o = origin + TPoint3F{viewOffset.x, viewOffset.y, 0};
  TPoint3F d0 = ToDevice(o), d1 = ToDevice(o + xAxis), d2 = ToDevice(o + yAxis),
           d3 = ToDevice(o + xAxis + yAxis);
  // Texture coordinates of the corners, per texture: texels over the
  // texture's allocated size.
  TPointF uv[kMaxTexCoordSets][4];
  for (int t = 0; t < textureCount; ++t) {
    const TRectF& r = uvRects[t];
    double iw = textures[t] ? textures[t]->InvWidth() : 0, ih = textures[t] ? textures[t]->InvHeight() : 0;
    float u0 = float(r.left * iw), v0 = float(r.top * ih), u1 = float(r.right * iw),
          v1 = float(r.bottom * ih);
    uv[t][0] = {u0, v0}, uv[t][1] = {u1, v0}, uv[t][2] = {u0, v1}, uv[t][3] = {u1, v1};
  }
  auto triangle = [&](int i0, int i1, int i2, const TPoint3F& a, const TPoint3F& b, const TPoint3F& c) {
    const TPoint3F p[3] = {a, b, c};
    const uint32_t col[3] = {colours[i0], colours[i1], colours[i2]};
    const TPointF st0[3] = {textureCount ? uv[0][i0] : TPointF{}, textureCount ? uv[0][i1] : TPointF{},
                            textureCount ? uv[0][i2] : TPointF{}};
    batcher_->AddTriangle(p, col, st0);
    for (int t = 1; t < textureCount; ++t) batcher_->AddTexCoords(t, uv[t][i0], uv[t][i1], uv[t][i2]);
  };
  triangle(0, 1, 2, d0, d1, d2);
  triangle(1, 3, 2, d1, d3, d2);
}

void T3DScreen::DrawFeatheredGrid(TCustomTexture* const* textures, int textureCount, int edgeFlags,
                                  const uint32_t colours[4], const TRectF* uvRects, const TPoint3F& xAxis,
                                  const TPoint3F& yAxis, const TPointF& viewOffset, const TPoint3F& origin) {
  ZOL_CHECK(textureCount >= 0 && textureCount <= kMaxTexCoordSets, "Wrong texture count");
  if (!UsableRenderer()) return;
  const TPoint3F o = origin + TPoint3F{viewOffset.x, viewOffset.y, 0};
  const TPoint3F d0 = ToDevice(o), dx = ToDevice(o + xAxis) - d0, dy = ToDevice(o + yAxis) - d0;
  float clip[3][4];
  toClip_.Transform(d0.x, d0.y, d0.z, clip[0]);
  toClip_.Transform(d0.x + dx.x, d0.y + dx.y, d0.z + dx.z, clip[1]);
  toClip_.Transform(d0.x + dy.x, d0.y + dy.y, d0.z + dy.z, clip[2]);
  const TFeatherGrid grid = ComputeFeatherGrid(clip, viewport_, edgeFlags);

  if (textureCount > batcher_->TexCoordSets()) batcher_->Ensure(batcher_->Limit(), textureCount);
  batcher_->SetEdgeMode(true);
  batcher_->Begin(textures, textureCount);
  // Every grid vertex from its quad parameters: position, texture
  // coordinates (extrapolated outside the quad) and the colour of the
  // nearest corner, transparent on the outer ring.
  TPoint3F position[16];
  uint32_t colour[16];
  TPointF uv[kMaxTexCoordSets][16];
  for (int v = 0; v < 16; ++v) {
    const float s = grid.st[v].x, t = grid.st[v].y;
    position[v] = d0 + dx * s + dy * t;
    const int row = v / 4, col = v % 4;
    const int corner = (row > 1 ? 2 : 0) + (col > 1 ? 1 : 0);
    const bool outer = row == 0 || row == 3 || col == 0 || col == 3;
    colour[v] = outer ? colours[corner] & 0x00FFFFFFu : colours[corner];
    for (int k = 0; k < textureCount; ++k) {
      const TRectF& r = uvRects[k];
      const double iw = textures[k] ? textures[k]->InvWidth() : 0, ih = textures[k] ? textures[k]->InvHeight() : 0;
      uv[k][v] = {float((r.left + (r.right - r.left) * s) * iw), float((r.top + (r.bottom - r.top) * t) * ih)};
    }
  }
  auto triangle = [&](int a, int b, int c) {
    const TPoint3F p[3] = {position[a], position[b], position[c]};
    const uint32_t col[3] = {colour[a], colour[b], colour[c]};
    const TPointF st0[3] = {textureCount ? uv[0][a] : TPointF{}, textureCount ? uv[0][b] : TPointF{},
                            textureCount ? uv[0][c] : TPointF{}};
    batcher_->AddTriangle(p, col, st0);
    for (int k = 1; k < textureCount; ++k) batcher_->AddTexCoords(k, uv[k][a], uv[k][b], uv[k][c]);
  };
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      if (!FeatherCellDrawn(col, row, grid.edgeFlags)) continue;
      const int v00 = row * 4 + col, v10 = v00 + 1, v01 = v00 + 4, v11 = v00 + 5;
      triangle(v00, v10, v01);
      triangle(v10, v11, v01);
    }
  batcher_->SetEdgeMode(false);
}

void T3DScreen::DrawTargetTexture(TCustomTexture& texture, const TPoint3F& origin, const TRectF& srcRect,
                                  const TPoint3F& xAxis, const TPoint3F& yAxis, const TPointF& viewOffset) {
  if (texture.Opacity() == 0) return;
  uint32_t c = (uint32_t(texture.Opacity()) << 24) | 0x00FFFFFFu;
  const uint32_t colours[4] = {c, c, c, c};
  TCustomTexture* textures[1] = {&texture};
  DrawTexturedQuad(textures, colours, &srcRect, xAxis, yAxis, viewOffset, origin, 1);
}

void T3DScreen::Register(TScreenResource* resource) {
  resources_.push_back(resource);
}

void T3DScreen::Unregister(TScreenResource* resource) {
  std::erase(resources_, resource);
}

std::vector<TCustomTexture*> T3DScreen::ManagedTextures() const {
  std::vector<TCustomTexture*> list;
  for (TScreenResource* r : resources_)
    if (auto* t = dynamic_cast<TCustomTexture*>(r);
        t && (t->Kind() == kTextureARGB || t->Kind() == kTextureLuminance))
      list.push_back(t);
  return list;
}

void T3DScreen::DeviceKilled(TDrawDevice& device) {
  if (&device != device_) return;
  DropRenderer();
  device_ = nullptr;
  window_ = nullptr;
  if (messenger_) messenger_->ForgetScreen();
  messenger_ = nullptr;
}

void T3DScreen::Dispose() {
  if (messenger_) {
    messenger_->ForgetScreen();
    if (device_) device_->RemoveListener(messenger_.get());
    messenger_ = nullptr;
  }
  DropRenderer();
  batcher_ = nullptr;
  targets_.clear();
  // Resources that outlive the screen carry on as if it had no renderer.
  for (TScreenResource* r : std::vector<TScreenResource*>(resources_)) r->DetachScreen();
  resources_.clear();
  device_ = nullptr;
  TRefObject::Dispose();
}

}  // namespace zol
