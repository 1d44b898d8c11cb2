#include "render/gl/gl_dev_store.h"

#include <epoxy/gl.h>

#include <algorithm>

#include "foundation/log.h"
#include "platform/egl_headless_context.h"
#include "platform/window_gl_context.h"
#include "render/device_lock.h"
#include "render/device_object.h"
#include "render/draw_device.h"
#include "render/gl/gl_call.h"
#include "render/gl/gl_device_member.h"

namespace zol {
namespace {

// Guarded by the device lock.
std::vector<TGLDevStore*>& Live() {
  static std::vector<TGLDevStore*> live;
  return live;
}
bool IsLive(TGLDevStore* store) {
  auto& live = Live();
  return std::find(live.begin(), live.end(), store) != live.end();
}

// The holder whose context is current on this thread, if any.
thread_local TGLDevStore* tCurrent = nullptr;

}  // namespace

TRef<TGLDevStore> TGLDevStore::Acquire(TDrawDevice& device, std::string& error) {
  TDeviceLockGuard lock(DeviceLock());
  if (auto* existing = device.FindListener<TGLDevStore>(); existing && existing->IsAlive())
    return TRef<TGLDevStore>(existing);

  std::unique_ptr<platform::GLContext> context =
      device.Window() ? platform::CreateWindowGLContext(*device.Window(), error)
                      : platform::CreateHeadlessGLContext(error);
  if (!context) return nullptr;
  auto store = MakeRef<TGLDevStore>(device, std::move(context));
  {
    TGLCall call(store.get());
    if (!call.Bound()) {
      error = "the new OpenGL context cannot be made current";
      store->Release(false);
      return nullptr;
    }
    if (!store->InitContext(error)) {
      store->Release(false);
      return nullptr;
    }
  }
  device.AddListener(store);
  return store;
}

TGLDevStore::TGLDevStore(TDrawDevice& device, std::unique_ptr<platform::GLContext> context)
    : device_(&device), context_(std::move(context)) {
  TDeviceLockGuard lock(DeviceLock());
  Live().push_back(this);
}

bool TGLDevStore::InitContext(std::string& error) {
  if (epoxy_gl_version() < 33) {
    error = "OpenGL 3.3 is not available";
    return false;
  }
  if (!pipeline_.Init(error)) return false;
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_STENCIL_TEST);
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize_);
  if (epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
      epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic"))
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maxAnisotropy_);
  if (context_->IsRobust()) {
    if (epoxy_gl_version() >= 45)
      resetQuery_ = 1;
    else if (epoxy_has_gl_extension("GL_ARB_robustness"))
      resetQuery_ = 2;
  }
  while (glGetError() != GL_NO_ERROR) {
  }  // stale errors from the driver's own set-up are not ours
  return true;
}

bool TGLDevStore::Bind() {
  if (!context_) return false;
  if (tCurrent == this) return true;
  auto me = std::this_thread::get_id();
  if (boundThread_ != std::thread::id() && boundThread_ != me) return false;
  if (!context_->MakeCurrent()) return false;
  // Making this context current released the one the thread had before.
  if (tCurrent && IsLive(tCurrent)) tCurrent->boundThread_ = std::thread::id();
  tCurrent = this;
  boundThread_ = me;
  return true;
}

void TGLDevStore::SetFrameOpen(bool open) {
  frameThread_ = open ? std::this_thread::get_id() : std::thread::id();
}

void TGLDevStore::EndOuterCall() {
  TGLDevStore* store = tCurrent;
  if (!store) return;
  if (!IsLive(store)) {
    tCurrent = nullptr;
    return;
  }
  if (store->frameThread_ == std::this_thread::get_id()) return;
  store->context_->ReleaseCurrent();
  store->boundThread_ = std::thread::id();
  tCurrent = nullptr;
}

void TGLDevStore::Register(TGLDeviceMember* member) {
  members_.push_back(member);
}

void TGLDevStore::Unregister(TGLDeviceMember* member) {
  std::erase(members_, member);
}

bool TGLDevStore::PollLost() {
  if (!context_) return true;
  bool lost = simulatedLoss_;
  if (!lost && tCurrent == this) {
    if (resetQuery_ == 1)
      lost = glGetGraphicsResetStatus() != GL_NO_ERROR;
    else if (resetQuery_ == 2)
      lost = glGetGraphicsResetStatusARB() != GL_NO_ERROR;
  }
  return lost;
}

void TGLDevStore::Release(bool lost) {
  TDeviceLockGuard lock(DeviceLock());
  TRef<TGLDevStore> self(this);  // notices may drop every other reference
  ReleaseHolder(lost);
}

void TGLDevStore::ReleaseHolder(bool lost) {
  TDeviceLockGuard lock(DeviceLock());
  TGLCallScope scope;  // objects freed on the way must leave the context current
  if (released_) return;
  released_ = true;
  if (lost) {
    lost_ = true;
    LogText("T3DRenderer9: DEVICE LOST!");
  }
  bool usable = !lost_ && Bind();
  // The holder leaves its device at once, so the next renderer for the
  // device gets a fresh context.
  if (TDrawDevice* device = std::exchange(device_, nullptr)) device->RemoveListener(this);

  // One at a time: an owner notice may free other members, which then leave
  // the list themselves.
  while (!members_.empty()) {
    TGLDeviceMember* member = members_.front();
    members_.erase(members_.begin());
    member->DetachFromDevice(usable);
    member->DeviceObject().NotifyOwner();
  }
  pipeline_.Release(usable);
  if (tCurrent == this) {
    context_->ReleaseCurrent();
    tCurrent = nullptr;
  }
  boundThread_ = frameThread_ = std::thread::id();
  context_.reset();
  std::erase(Live(), this);
}

bool TGLDevStore::ReserveMemory(int64_t bytes) {
  if (memoryLimit_ >= 0 && memoryUsed_ + bytes > memoryLimit_) return false;
  memoryUsed_ += bytes;
  return true;
}

void TGLDevStore::FreeMemory(int64_t bytes) {
  memoryUsed_ = std::max<int64_t>(0, memoryUsed_ - bytes);
}

std::vector<TGLDevStore*> TGLDevStore::LiveStores() {
  return Live();
}

void TGLDevStore::DeviceGone(TDrawDevice&) {
  Release(false);
}

void TGLDevStore::Dispose() {
  ReleaseHolder(false);
  TDrawDeviceListener::Dispose();
}

}  // namespace zol
