#include "render/gl/gl_engine.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cctype>

#include "foundation/log.h"
#include "platform/egl_headless_context.h"
#include "platform/gl_context.h"
#include "platform/window_monitors.h"
#include "render/device_lock.h"
#include "render/draw_device.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_dev_store.h"
#include "render/gl/gl_renderer.h"

namespace zol {
namespace {

std::string Lower(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<TRect> MonitorRects(const std::vector<platform::MonitorInfo>& monitors) {
  std::vector<TRect> rects;
  for (const auto& m : monitors)
    rects.push_back({m.bounds.left, m.bounds.top, m.bounds.right, m.bounds.bottom});
  return rects;
}

}  // namespace

void InstallGLEngine() {
  Set3DEngineFactory([]() -> TRef<T3DEngine> { return MakeRef<T3DEngineGL>(); });
}

bool SimulateDeviceLoss(T3DRenderer& renderer) {
  auto* gl = dynamic_cast<T3DRendererGL*>(&renderer);
  if (gl) gl->SimulateDeviceLoss();
  return gl != nullptr;
}

bool SetVideoMemoryLimit(T3DRenderer& renderer, int64_t bytes) {
  auto* gl = dynamic_cast<T3DRendererGL*>(&renderer);
  if (gl) gl->SetVideoMemoryLimit(bytes);
  return gl != nullptr;
}

int64_t VideoMemoryUsed(T3DRenderer& renderer) {
  auto* gl = dynamic_cast<T3DRendererGL*>(&renderer);
  return gl ? gl->VideoMemoryUsed() : -1;
}

int VendorIdFromDriverText(std::string_view vendor, std::string_view renderer) {
  std::string text = Lower(vendor) + " " + Lower(renderer);
  if (text.find("intel") != std::string::npos) return 0x8086;
  if (text.find("nvidia") != std::string::npos || text.find("nouveau") != std::string::npos) return 0x10DE;
  if (text.find("amd") != std::string::npos || text.find("radeon") != std::string::npos ||
      text.find("ati technologies") != std::string::npos)
    return 0x1002;
  return 0;
}

int T3DEngineGL::AdapterForRect(const TRect& rect) {
  TDeviceLockGuard lock(DeviceLock());
  auto rects = MonitorRects(platform::ListMonitors());
  return AdapterIndexForRect(rects, rect);
}

const T3DEngineGL::TCapsWrapper& T3DEngineGL::Caps(int adapter) {
  if (auto it = caps_.find(adapter); it != caps_.end()) return it->second;
  TCapsWrapper caps;
  auto read = [&caps] {
    // Every adapter is driven by the same GL driver, so one context tells.
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    caps.maxTexWidth = caps.maxTexHeight = maxSize;
    caps.pixelShaderVersion = epoxy_gl_version() >= 33 ? 0x0300 : 0x0200;
    caps.raster = kRasterMipLodBias;
    if (epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
        epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic")) {
      GLfloat aniso = 1;
      glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &aniso);
      caps.maxAnisotropy = int(aniso);
      if (aniso > 1) caps.raster |= kRasterAnisotropy;
    } else {
      caps.maxAnisotropy = 1;
    }
    auto text = [](GLenum name) {
      const GLubyte* s = glGetString(name);
      return s ? std::string(reinterpret_cast<const char*>(s)) : std::string();
    };
    std::string vendor = text(GL_VENDOR), renderer = text(GL_RENDERER);
    caps.vendor = VendorIdFromDriverText(vendor, renderer);
    caps.description = renderer.substr(0, 512);
  };
  bool done = false;
  // A context already alive and free on this thread serves; else a
  // short-lived headless one.
  for (TGLDevStore* store : TGLDevStore::LiveStores()) {
    TGLCall call(store);
    if (call.Bound()) {
      read();
      done = true;
      break;
    }
  }
  if (!done) {
    std::string error;
    if (auto context = platform::CreateHeadlessGLContext(error); context && context->MakeCurrent()) {
      read();
      context->ReleaseCurrent();
      done = true;
    } else {
      LogText("Capabilities unknown: " + error);
    }
  }
  if (!done) return caps_[-1];  // all zero, not cached under the adapter: asked again next time
  return caps_[adapter] = caps;
}

int T3DEngineGL::GetCapsInt(std::string_view name, int adapter) {
  TDeviceLockGuard lock(DeviceLock());
  const TCapsWrapper& caps = Caps(adapter);
  std::string key = Lower(name);
  if (key == "pixelshaderversion") return caps.pixelShaderVersion;
  if (key == "maxtexwidth") return caps.maxTexWidth;
  if (key == "maxtexheight") return caps.maxTexHeight;
  if (key == "maxanisotropy") return caps.maxAnisotropy;
  if (key == "raster") return caps.raster;
  if (key == "vendor") return caps.vendor;
  return 0;
}

std::string T3DEngineGL::GetCapsString(std::string_view name, int adapter) {
  TDeviceLockGuard lock(DeviceLock());
  if (Lower(name) != "vendor") return {};
  return Caps(adapter).description;
}

bool T3DEngineGL::GetAdapterInfo(TAdapterInfo& info, int adapter) {
  auto monitors = platform::ListMonitors();
  if (adapter < 0 || adapter >= int(monitors.size())) return false;
  const auto& m = monitors[size_t(adapter)];
  info.monitor = {m.bounds.left, m.bounds.top, m.bounds.right, m.bounds.bottom};
  info.refreshRate = m.refreshHz;
  info.format = m.bitsPerPixel == 16 ? kDisplayFormatR5G6B5 : kDisplayFormatX8R8G8B8;
  info.adapter = adapter;
  return true;
}

TRef<T3DRenderer> T3DEngineGL::CreateRenderer(TDrawDevice& device, const TAdapterInfo& info) {
  // GL contexts may be made on any thread, so nothing needs to be handed to
  // the main thread.
  TDeviceLockGuard lock(DeviceLock());
  std::string error;
  TRef<TGLDevStore> store = TGLDevStore::Acquire(device, error);
  LogInt("T3DEngine9.InternalCreateRenderer: create device res= ", store ? 0 : 1);
  if (!store) {
    LogText("Can't create an OpenGL context: " + error);
    return nullptr;
  }
  auto renderer = MakeRef<T3DRendererGL>(device, *store, info);
  {
    TGLCall call(store.get());
    if (!call.Bound() || !renderer->Init(error)) {
      LogText("Can't set up the renderer: " + error);
      return nullptr;
    }
  }
  device.RaiseRendererCreated(renderer.get());
  return renderer;
}

bool T3DEngineGL::CheckDevice() {
  TDeviceLockGuard lock(DeviceLock());
  bool ok = true;
  for (TGLDevStore* store : TGLDevStore::LiveStores()) {
    TGLCall call(store);
    if (call.Bound() && store->PollLost()) {
      store->Release(true);
      ok = false;
    }
  }
  return ok;
}

}  // namespace zol
