#include "render/gl/gl_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "foundation/assertion.h"
#include "foundation/ms_clock.h"
#include "platform/clock.h"
#include "platform/gl_context.h"
#include "platform/window_monitors.h"
#include "platform/window_output.h"
#include "render/color.h"
#include "render/draw_device.h"
#include "render/frame_pacing.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_dev_store.h"
#include "render/gl/gl_error.h"
#include "render/gl/gl_shader.h"
#include "render/gl/gl_surface.h"
#include "render/gl/gl_texture.h"
#include "render/gl/gl_vertex_list.h"
#include "render/gl/gl_volume_texture.h"
#include "render/rectangle_wrapper.h"

namespace zol {
namespace {

std::atomic<bool> gFocusTracking{false};

platform::ScreenRect ToScreen(const TRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
TRect FromScreen(const platform::ScreenRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

GLenum GLAddress(uint8_t mode) {
  switch (mode) {
    case kAddressClamp:
      return GL_CLAMP_TO_EDGE;
    case kAddressMirror:
      return GL_MIRRORED_REPEAT;
    default:
      return GL_REPEAT;
  }
}

GLenum GLPrimitive(uint8_t type) {
  switch (type) {
    case kPointList:
      return GL_POINTS;
    case kLineList:
      return GL_LINES;
    case kLineStrip:
      return GL_LINE_STRIP;
    case kTriangleList:
      return GL_TRIANGLES;
    case kTriangleStrip:
      return GL_TRIANGLE_STRIP;
    default:
      return GL_TRIANGLE_FAN;
  }
}

int FullMipChain(int width, int height) {
  int levels = 1;
  for (int s = std::max(width, height); s > 1; s >>= 1) ++levels;
  return levels;
}

// Attribute values for the fields a vertex format leaves out.
void SetAbsentAttributeDefaults() {
  glVertexAttrib4f(1, 1, 1, 1, 1);  // diffuse: opaque white
  glVertexAttrib4f(2, 0, 0, 0, 0);  // specular: none
  glVertexAttrib3f(3, 0, 0, 0);
  for (GLuint i = 4; i < 12; ++i) glVertexAttrib2f(i, 0, 0);
}

}  // namespace

void T3DRendererGL::SetFocusTracking(bool on) {
  gFocusTracking = on;
}

T3DRendererGL::T3DRendererGL(TDrawDevice& device, TGLDevStore& store, const TAdapterInfo& adapter)
    : T3DRenderer(&device), store_(&store), adapter_(adapter) {
  store.Register(this);
}

bool T3DRendererGL::Init(std::string& error) {
  TDrawDevice& device = *DrawDevice();
  platform::OutputWindow* window = device.Window();
  exclusive_ = device.Exclusive() && window;
  outputRect_ = device.Rect();
  TSize size = device.BackBufferSize();
  if (exclusive_) {
    // Full screen on the monitor the output overlaps most; the window's own
    // rectangle is kept to be put back afterwards.
    auto monitors = platform::ListMonitors();
    outputRect_ =
        FromScreen(monitors[size_t(platform::MonitorForRect(monitors, ToScreen(device.Rect())))].bounds);
    TRect saved = FromScreen(window->Bounds());
    if (auto* wrapper = device.FindListener<TRectangleWrapper>())
      wrapper->SetRect(saved);
    else
      device.AddListener(MakeRef<TRectangleWrapper>(saved));
    window->SetFullScreen(true);
    size = outputRect_.Size();
  } else if (window && !outputRect_.IsEmpty()) {
    window->SetBounds(ToScreen(outputRect_));
  }
  if (size.width <= 0 || size.height <= 0) size = outputRect_.Size();
  size.width = std::clamp(size.width, 1, store_->MaxTextureSize());
  size.height = std::clamp(size.height, 1, store_->MaxTextureSize());

  uint8_t code = kDeviceOk;
  backBuffer_ = T3DTextureGL::Create(*store_, kTextureBackBuffer, size.width, size.height, 1, code);
  if (!backBuffer_) {
    error = "no back buffer of " + std::to_string(size.width) + " x " + std::to_string(size.height);
    return false;
  }
  backSurface_ = TRef<T3DSurfaceGL>(static_cast<T3DSurfaceGL*>(backBuffer_->GetSurface(0).get()));
  if (!backBuffer_->LevelFramebuffer(0)) {
    error = "the back buffer cannot be drawn to";
    return false;
  }

  // The probe Validate draws: four fully transparent vertices just outside
  // the origin, as a two-triangle strip.
  probe_ = T3DVertexListGL::Create(*store_, 4, kVertexDiffuse, 0, code);
  if (!probe_) {
    error = "no probe vertex buffer";
    return false;
  }
  TVertexRecord probe[4];
  const float at[4][2] = {{-0.05f, -0.05f}, {-0.05f, 0}, {0, -0.05f}, {0, 0}};
  for (int i = 0; i < 4; ++i) probe[i].x = at[i][0], probe[i].y = at[i][1], probe[i].diffuse = 0;
  probe_->Upload(0, probe, 4, 0);
  probe_->SetRange(0, 2, kTriangleStrip);

  viewport_ = {0, 0, size.width, size.height};
  SetLuminanceTextures(true);
  if (window) store_->Context()->SetSwapInterval(1);
  if (adapter_.refreshRate <= 0) adapter_.refreshRate = 60;
  lastPresent_ = MsClock();

  ApplyTarget();
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  code = TakeGLError();
  if (code != kDeviceOk) error = "GL error while setting up the renderer";
  return code == kDeviceOk;
}

bool T3DRendererGL::FailLost() {
  SetDeviceState(kDeviceStateLost);
  return Fail(kDeviceOtherError);
}

bool T3DRendererGL::Enter(const TGLCall& call) {
  if (!store_) return FailLost();
  if (!call.Bound()) return Fail(kDeviceOtherError);  // the context is busy on another thread
  if (store_->PollLost()) {
    // Owners are told from inside the release and may free this renderer.
    TRef<T3DRendererGL> self(this);
    SetDeviceState(kDeviceStateLost);
    SetLastError(kDeviceOtherError);
    TRef<TGLDevStore> store = store_;
    store->Release(true);
    return false;
  }
  return true;
}

bool T3DRendererGL::Leave() {
  uint8_t code = TakeGLError();
  return code == kDeviceOk ? Succeed() : Fail(code);
}

T3DSurfaceGL& T3DRendererGL::CurrentTarget() const {
  return target_ ? *target_ : *backSurface_;
}

void T3DRendererGL::ApplyTarget() {
  T3DSurfaceGL& s = CurrentTarget();
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, s.Texture().LevelFramebuffer(s.Level()));
  glViewport(viewport_.left, viewport_.top, viewport_.Width(), viewport_.Height());
  glDepthRange(minZ_, maxZ_);
}

void T3DRendererGL::UpdateBounds() {
  TDeviceLockGuard lock(DeviceLock());
  TDrawDevice* device = DrawDevice();
  if (!device || !device->Window() || exclusive_ || device->Rect().IsEmpty()) return;
  outputRect_ = device->Rect();
  device->Window()->SetBounds(ToScreen(outputRect_));
}

bool T3DRendererGL::BeginFrame() {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  TDrawDevice* device = DrawDevice();
  if (exclusive_ && gFocusTracking && device && device->Window()) {
    if (!device->IsActive()) {
      device->Window()->SetAlwaysOnTop(false);
      wasInBackground_ = true;
    } else if (wasInBackground_) {
      // Back in front: start over on a fresh device.
      wasInBackground_ = false;
      TRef<T3DRendererGL> self(this);
      TRef<TGLDevStore> store = store_;
      SetLastError(kDeviceOtherError);
      store->Release(false);
      return false;
    }
  }
  store_->SetFrameOpen(true);
  ApplyTarget();
  DrawProbe();
  if (!Leave()) {
    store_->SetFrameOpen(false);
    return false;
  }
  return true;
}

bool T3DRendererGL::EndFrame() {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  store_->SetFrameOpen(false);
  return Leave();
}

bool T3DRendererGL::Present(const TRect* srcRects, int count, const TRect* dstRects) {
  // Pacing happens before taking the device lock: other threads' uploads need
  // not wait for the sleep.
  platform::SleepMs(FramePacingSleepMs(adapter_.refreshRate, lastPresent_, MsClock()));
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  platform::GLContext* context = store_->Context();
  if (context->HasWindowSurface()) {
    int dw = 0, dh = 0;
    context->DrawableSize(dw, dh);
    TSize back = backSurface_->GetSize();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, backBuffer_->LevelFramebuffer(0));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // The window's framebuffer counts rows from the bottom; ours from the top.
    auto blit = [&](const TRect& s, const TRect& d) {
      GLenum filter = (s.Width() == d.Width() && s.Height() == d.Height()) ? GL_NEAREST : GL_LINEAR;
      glBlitFramebuffer(s.left, s.top, s.right, s.bottom, d.left, dh - d.top, d.right, dh - d.bottom,
                        GL_COLOR_BUFFER_BIT, filter);
    };
    if (exclusive_ || !srcRects || !dstRects || count <= 0) {
      blit({0, 0, back.width, back.height}, {0, 0, dw, dh});
    } else {
      for (int i = 0; i < count; ++i) blit(srcRects[i], dstRects[i]);
    }
    context->SwapBuffers();
    ApplyTarget();
  } else {
    glFlush();
  }
  lastPresent_ = MsClock();
  return Leave();
}

bool T3DRendererGL::Clear(const TRect* rects, int count, uint32_t flags, uint32_t colour, float) {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  ApplyTarget();
  // There is no depth buffer: only the colour target can be cleared.
  if (flags & kClearTarget) {
    glClearColor(ColorRf(colour), ColorGf(colour), ColorBf(colour), ColorAf(colour));
    glEnable(GL_SCISSOR_TEST);
    int n = rects ? count : 1;
    for (int i = 0; i < n; ++i) {
      TRect r = (rects ? rects[i] : viewport_).Intersect(viewport_);
      if (r.IsEmpty()) continue;
      glScissor(r.left, r.top, r.Width(), r.Height());
      glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
  }
  return Leave();
}

void T3DRendererGL::DrawProbe() {
  const TGLProgram* program = UseProgram(false, TStageCombine{});
  if (!program) return;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glBlendEquation(GL_FUNC_ADD);
  glDisable(GL_CULL_FACE);
  glBindVertexArray(probe_->VertexArray());
  SetAbsentAttributeDefaults();
  glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
  glBindVertexArray(0);
}

bool T3DRendererGL::Validate() {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  ApplyTarget();
  DrawProbe();
  return Leave();
}

bool T3DRendererGL::SetRenderTarget(T3DSurface* surface) {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  auto* s = surface ? dynamic_cast<T3DSurfaceGL*>(surface) : backSurface_.get();
  if (!s || s->Texture().Store() != store_.get() || !s->Texture().IsTarget()) return Fail(kDeviceInvalidCall);
  if (!s->Texture().LevelFramebuffer(s->Level())) return Fail(kDeviceOtherError);
  target_ = s == backSurface_.get() ? nullptr : TRef<T3DSurfaceGL>(s);
  TSize size = s->GetSize();
  viewport_ = {0, 0, size.width, size.height};  // a new target is drawn whole
  minZ_ = 0, maxZ_ = 1;
  ApplyTarget();
  return Leave();
}

TRef<T3DSurface> T3DRendererGL::GetRenderTarget() {
  TDeviceLockGuard lock(DeviceLock());
  if (!store_) {
    FailLost();
    return nullptr;
  }
  SetLastError(kDeviceOk);
  return TRef<T3DSurface>(&CurrentTarget());
}

TRef<T3DSurface> T3DRendererGL::GetBackBuffer() {
  TDeviceLockGuard lock(DeviceLock());
  if (!store_) {
    FailLost();
    return nullptr;
  }
  SetLastError(kDeviceOk);
  return backSurface_;
}

bool T3DRendererGL::SetViewport(const TRect& rect, float minZ, float maxZ) {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  if (rect.IsEmpty()) return Fail(kDeviceInvalidCall);
  viewport_ = rect;
  minZ_ = minZ, maxZ_ = maxZ;
  ApplyTarget();
  return Leave();
}

const TGLProgram* T3DRendererGL::UseProgram(bool withCallerShaders, const TStageCombine& combine) {
  unsigned int vs = withCallerShaders && vertexShader_ ? vertexShader_->Name() : 0;
  unsigned int fs = withCallerShaders && pixelShader_ ? pixelShader_->Name() : 0;
  const TGLProgram* program = store_->Pipeline().ProgramFor(vs, fs, combine);
  if (!program) return nullptr;
  glUseProgram(program->program.Get());
  combined_ = transforms_[kTransformWorld] * transforms_[kTransformView] * transforms_[kTransformProjection];
  // Row-vector matrices read column by column are their transposes, which is
  // what GLSL's matrix * vector needs.
  glUniformMatrix4fv(program->transform, 1, GL_FALSE, &combined_.m[0][0]);
  glUniform2f(program->pixelShift, 1.0f / float(viewport_.Width()), 1.0f / float(viewport_.Height()));
  if (program->pixelConstants >= 0)
    glUniform4fv(program->pixelConstants, kPixelConstantRegisters, &pixelConstants_[0][0]);
  if (program->vertexConstants >= 0)
    glUniform4fv(program->vertexConstants, kVertexConstantRegisters, &vertexConstants_[0][0]);
  return program;
}

bool T3DRendererGL::DrawList(std::span<T3DTexture* const> textures, uint32_t flags, T3DVertexList& list,
                             int textureCount) {
  ZOL_CHECK(int(textures.size()) == textureCount, "Wrong texture count");
  ZOL_CHECK(textureCount <= kMaxTexCoordSets, "Too many textures");
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  auto* vl = dynamic_cast<T3DVertexListGL*>(&list);
  if (!vl || vl->Store() != store_.get()) return Fail(kDeviceInvalidCall);
  int vertexCount = PrimitiveVertexCount(vl->PrimitiveType(), vl->RangeCount());
  if (vl->RangeFirst() < 0 || vl->RangeFirst() + vertexCount > vl->Capacity())
    return Fail(kDeviceInvalidCall);

  ApplyTarget();
  bool textured = (flags & kDrawTextured) != 0;
  int stages = textured ? textureCount : 0;
  bool premultipliedCall = false;
  TStageCombine combine;
  combine.stages = stages;
  combine.modulateColor = (flags & kDrawModulateColor) != 0;
  int* alphaModes = combine.alphaModes;
  TGLPipeline& pipeline = store_->Pipeline();
  for (int i = 0; i < stages; ++i) {
    auto* t = dynamic_cast<T3DTextureGL*>(textures[size_t(i)]);
    if (t && t->Store() != store_.get()) t = nullptr;
    glActiveTexture(GL_TEXTURE0 + GLenum(i));
    glBindTexture(GL_TEXTURE_2D, t ? t->Name() : 0);
    if (!t) continue;
    GLuint sampler = pipeline.Sampler(i);
    uint8_t u = 0, v = 0;
    t->GetAddressing(u, v);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GLint(GLAddress(u)));
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GLint(GLAddress(v)));
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    bool linear = t->GetFilter() == kFilterLinear;
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
    if (store_->Anisotropy() && t->Anisotropic() && linear) {
      glSamplerParameterf(sampler, GL_TEXTURE_MAX_ANISOTROPY_EXT, std::min(4.0f, store_->MaxAnisotropy()));
      glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
      glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, t->LodBias());
    } else {
      if (store_->Anisotropy()) glSamplerParameterf(sampler, GL_TEXTURE_MAX_ANISOTROPY_EXT, 1.0f);
      glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : GL_NEAREST);
      glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, 0.0f);
    }
    // Targets without alpha, and targets with alpha that do not hold
    // premultiplied colour, give their alpha no say when vertex alpha is used.
    bool ignoreTextureAlpha =
        t->Kind() == kTextureTargetRGB || (t->Kind() == kTextureTargetARGB && !t->Premultiplied());
    alphaModes[i] = !(flags & kDrawModulateAlpha) ? 0 : (ignoreTextureAlpha ? 2 : 1);
    premultipliedCall = premultipliedCall || t->Premultiplied();
  }
  if (!UseProgram(true, combine)) return Fail(kDeviceInvalidCall);

  // Blending: source over, with source factor one for premultiplied colour.
  // Separate alpha (alpha = srcA + dstA (1 - srcA)) in mode 2, and in mode 0
  // when drawing plain colour into a premultiplied target, keeps that target
  // premultiplied.
  bool targetPremultiplied = target_ && target_->Texture().Premultiplied();
  GLenum srcColor = premultipliedCall ? GL_ONE : GL_SRC_ALPHA;
  bool separate = blendMode_ == kBlendSeparateAlpha ||
                  (blendMode_ == kBlendNormal && !premultipliedCall && targetPremultiplied);
  glEnable(GL_BLEND);
  if (separate)
    glBlendFuncSeparate(srcColor, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  else
    glBlendFunc(srcColor, GL_ONE_MINUS_SRC_ALPHA);
  glBlendEquation(blendMode_ == kBlendMaximum ? GL_MAX : GL_FUNC_ADD);

  if (cullNone_) {
    glDisable(GL_CULL_FACE);
  } else {
    // Targets are stored top row first, so GL sees the caller's screen
    // orientation: counter-clockwise on screen is clockwise to GL.
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
  }

  glBindVertexArray(vl->VertexArray());
  SetAbsentAttributeDefaults();
  if (vertexCount > 0) glDrawArrays(GLPrimitive(vl->PrimitiveType()), vl->RangeFirst(), vertexCount);
  glBindVertexArray(0);
  for (int i = 0; i < stages; ++i) {
    glActiveTexture(GL_TEXTURE0 + GLenum(i));
    glBindTexture(GL_TEXTURE_2D, 0);
  }
  return Leave();
}

bool T3DRendererGL::SetTexture(int stage, TBaseTexture* texture) {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  if (stage < 0 || stage >= kMaxSamplerStages) return Fail(kDeviceInvalidCall);
  glActiveTexture(GL_TEXTURE0 + GLenum(stage));
  glBindTexture(GL_TEXTURE_2D, 0);
  glBindTexture(GL_TEXTURE_3D, 0);
  stageTextures_[stage] = nullptr;
  if (!texture) return Leave();
  if (auto* t = dynamic_cast<T3DTextureGL*>(texture); t && t->Store() == store_.get()) {
    glBindTexture(GL_TEXTURE_2D, t->Name());
  } else if (auto* v = dynamic_cast<TVolumeTextureGL*>(texture); v && v->Store() == store_.get()) {
    glBindTexture(GL_TEXTURE_3D, v->Name());
  } else {
    return Fail(kDeviceInvalidCall);
  }
  stageTextures_[stage] = TRef<TBaseTexture>(texture);
  GLuint sampler = store_->Pipeline().Sampler(stage);
  glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
  glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, 0.0f);
  if (store_->Anisotropy()) glSamplerParameterf(sampler, GL_TEXTURE_MAX_ANISOTROPY_EXT, 1.0f);
  return Leave();
}

TRef<T3DTexture> T3DRendererGL::CreateTexture(uint8_t kind, int width, int height, bool wantMips) {
  ZOL_CHECK(kind <= kTextureRGB565, "Wrong texture kind");
  TGLCall call(store_.get());
  if (!Enter(call)) return nullptr;
  int max = store_->MaxTextureSize();
  if (width <= 0 || height <= 0 || width > max || height > max) {
    SetLastError(kDeviceInvalidCall);
    return nullptr;
  }
  // Mip chains serve anisotropic filtering only, so without it one level does.
  int levels =
      (!IsRenderTargetKind(kind) && wantMips && store_->Anisotropy()) ? FullMipChain(width, height) : 1;
  uint8_t code = kDeviceOk;
  TRef<T3DTextureGL> texture = T3DTextureGL::Create(*store_, kind, width, height, levels, code);
  SetLastError(code);
  return texture;
}

TRef<TVolumeTexture> T3DRendererGL::CreateVolumeTexture(int width, int height, int depth) {
  TGLCall call(store_.get());
  if (!Enter(call)) return nullptr;
  GLint max = 0;
  glGetIntegerv(GL_MAX_3D_TEXTURE_SIZE, &max);
  if (width <= 0 || height <= 0 || depth <= 0 || width > max || height > max || depth > max) {
    SetLastError(kDeviceInvalidCall);
    return nullptr;
  }
  uint8_t code = kDeviceOk;
  TRef<TVolumeTextureGL> texture = TVolumeTextureGL::Create(*store_, width, height, depth, code);
  SetLastError(code);
  return texture;
}

TRef<T3DVertexList> T3DRendererGL::CreateVertexList(int count, uint32_t formatFlags, int texCoordSets) {
  ComposeVertexLayout(formatFlags, texCoordSets);  // checks the set count
  TGLCall call(store_.get());
  if (!Enter(call)) return nullptr;
  if (count <= 0) {
    SetLastError(kDeviceInvalidCall);
    return nullptr;
  }
  uint8_t code = kDeviceOk;
  TRef<T3DVertexListGL> list = T3DVertexListGL::Create(*store_, count, formatFlags, texCoordSets, code);
  SetLastError(code);
  return list;
}

bool T3DRendererGL::CopyRects(T3DSurface& source, T3DSurface& dest, int count, const TRect* srcRects,
                              const TRect* dstRects) {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  auto* s = dynamic_cast<T3DSurfaceGL*>(&source);
  auto* d = dynamic_cast<T3DSurfaceGL*>(&dest);
  if (!s || !d || s->Texture().Store() != store_.get() || d->Texture().Store() != store_.get() ||
      !d->Texture().IsTarget())
    return Fail(kDeviceInvalidCall);
  GLuint sf = s->Texture().LevelFramebuffer(s->Level());
  GLuint df = d->Texture().LevelFramebuffer(d->Level());
  if (!sf || !df) return Fail(kDeviceOtherError);
  TSize ss = s->GetSize(), ds = d->GetSize();
  int n = srcRects ? count : 1;
  bool ok = true;
  for (int i = 0; i < n && ok; ++i) {
    TRect sr = srcRects ? srcRects[i] : TRect{0, 0, ss.width, ss.height};
    TRect dr = dstRects ? dstRects[i] : (srcRects ? sr : TRect{0, 0, ds.width, ds.height});
    glBindFramebuffer(GL_READ_FRAMEBUFFER, sf);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, df);
    glBlitFramebuffer(sr.left, sr.top, sr.right, sr.bottom, dr.left, dr.top, dr.right, dr.bottom,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    uint8_t code = TakeGLError();
    if (code != kDeviceOk) ok = Fail(code);
  }
  ApplyTarget();
  return ok && Leave();
}

void T3DRendererGL::SetBlendMode(int mode) {
  TDeviceLockGuard lock(DeviceLock());
  blendMode_ = mode;
}

bool T3DRendererGL::SetTransform(int which, const TMatrix4& matrix) {
  TDeviceLockGuard lock(DeviceLock());
  if (!store_) return FailLost();
  if (which < kTransformWorld || which > kTransformProjection) return Fail(kDeviceInvalidCall);
  transforms_[which] = matrix;
  return Succeed();
}

bool T3DRendererGL::SetCullNone(bool on) {
  TDeviceLockGuard lock(DeviceLock());
  if (!store_) return FailLost();
  cullNone_ = on;
  return Succeed();
}

TRef<T3DShader> T3DRendererGL::CreateShader(std::string_view code, bool isVertex) {
  TGLCall call(store_.get());
  if (!Enter(call)) return nullptr;
  if (code.size() < 4) {
    SetLastError(kDeviceInvalidCall);
    return nullptr;
  }
  uint8_t error = kDeviceOk;
  TRef<T3DShaderGL> shader = T3DShaderGL::Create(*store_, code.substr(4), isVertex, error);
  SetLastError(error);
  return shader;
}

bool T3DRendererGL::SetShader(T3DShader* shader) {
  TGLCall call(store_.get());
  if (!Enter(call)) return false;
  if (!shader) {
    pixelShader_ = nullptr;
    vertexShader_ = nullptr;
    return Succeed();
  }
  auto* s = dynamic_cast<T3DShaderGL*>(shader);
  if (!s || s->Store() != store_.get()) return Fail(kDeviceInvalidCall);
  (s->IsVertex() ? vertexShader_ : pixelShader_) = TRef<T3DShaderGL>(s);
  return Succeed();
}

bool T3DRendererGL::SetShaderConstants(int firstRegister, const float* values, int count, bool isVertex) {
  TDeviceLockGuard lock(DeviceLock());
  if (!store_) return FailLost();
  int registers = isVertex ? kVertexConstantRegisters : kPixelConstantRegisters;
  if (firstRegister < 0 || count < 0 || firstRegister + count > registers || (!values && count > 0))
    return Fail(kDeviceInvalidCall);
  float* file = isVertex ? &vertexConstants_[0][0] : &pixelConstants_[0][0];
  if (count > 0) std::memcpy(file + size_t(firstRegister) * 4, values, size_t(count) * 4 * sizeof(float));
  return Succeed();
}

void T3DRendererGL::SimulateDeviceLoss() {
  TDeviceLockGuard lock(DeviceLock());
  if (store_) store_->SimulateLoss();
}

void T3DRendererGL::SetVideoMemoryLimit(int64_t bytes) {
  TDeviceLockGuard lock(DeviceLock());
  if (store_) store_->SetMemoryLimit(bytes);
}

int64_t T3DRendererGL::VideoMemoryUsed() {
  TDeviceLockGuard lock(DeviceLock());
  return store_ ? store_->MemoryUsed() : 0;
}

void T3DRendererGL::DetachFromDevice(bool) {
  // The objects below are members of the holder too and are detached on
  // their own; the renderer only lets go of them.
  backSurface_ = nullptr;
  target_ = nullptr;
  backBuffer_ = nullptr;
  probe_ = nullptr;
  pixelShader_ = nullptr;
  vertexShader_ = nullptr;
  for (auto& t : stageTextures_) t = nullptr;
  SetDeviceState(kDeviceStateLost);
  store_ = nullptr;
}

void T3DRendererGL::RestoreWindow() {
  TDrawDevice* device = DrawDevice();
  if (!exclusive_ || !device || !device->Window()) return;
  device->Window()->SetFullScreen(false);
  auto* wrapper = device->FindListener<TRectangleWrapper>();
  device->Window()->SetBounds(ToScreen(wrapper ? wrapper->Rect() : device->Rect()));
  exclusive_ = false;
}

void T3DRendererGL::Dispose() {
  {
    TGLCall call(store_.get());
    RestoreWindow();
    backSurface_ = nullptr;
    target_ = nullptr;
    backBuffer_ = nullptr;
    probe_ = nullptr;
    pixelShader_ = nullptr;
    vertexShader_ = nullptr;
    for (auto& t : stageTextures_) t = nullptr;
    if (store_) {
      store_->Unregister(this);
      store_ = nullptr;
    }
  }
  T3DRenderer::Dispose();
}

}  // namespace zol
