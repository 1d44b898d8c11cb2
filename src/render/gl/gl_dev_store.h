// TGLDevStore: the device holder of one draw device: its GL context, the
// per-context pipeline and the list of every object created on it. Lives in
// the draw device's listener list. Releasing it (device loss, device freed)
// detaches every object and calls its owner notice, then destroys the
// context. All calls under the device lock.
//
// A context is current on one thread at a time. It is made current at the
// start of each call and released at the end of the outermost call, except
// on a thread that has a frame open (BeginFrame .. EndFrame), where it stays
// current so drawing does not pay for the switch.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "render/draw_device_listener.h"
#include "render/gl/gl_pipeline.h"

namespace zol {

namespace platform {
class GLContext;
}

class TDrawDevice;
class TGLDeviceMember;

class TGLDevStore : public TDrawDeviceListener {
 public:
  // The holder of DEVICE: the one already in its listener list, or a new one
  // with a new context; none with ERROR filled when no context can be made.
  static TRef<TGLDevStore> Acquire(TDrawDevice& device, std::string& error);

  TGLDevStore(TDrawDevice& device, std::unique_ptr<platform::GLContext> context);

  bool IsAlive() const { return context_ != nullptr; }
  // Alive and not lost: GL calls do something.
  bool ContextUsable() const { return context_ != nullptr && !lost_; }
  platform::GLContext* Context() const { return context_.get(); }
  TDrawDevice* Device() const { return device_; }
  TGLPipeline& Pipeline() { return pipeline_; }

  // Makes the context current on the calling thread.
  bool Bind();
  // Marks the calling thread as drawing a frame (context kept current) or not.
  void SetFrameOpen(bool open);
  // At the end of a thread's outermost call: releases the context current on
  // the thread unless the thread has a frame open.
  static void EndOuterCall();

  void Register(TGLDeviceMember* member);
  void Unregister(TGLDeviceMember* member);

  // Polls for a context reset (or the test hook). Needs the context current.
  bool PollLost();
  // Test hook: the next poll reports a reset, as a driver would.
  void SimulateLoss() { simulatedLoss_ = true; }
  // Detaches and notifies every object and destroys the context. LOST: the
  // context had a reset and must not be used any more.
  void Release(bool lost);

  // Video memory accounting; a limit (< 0: none) lets tests run out of it.
  bool ReserveMemory(int64_t bytes);
  void FreeMemory(int64_t bytes);
  void SetMemoryLimit(int64_t bytes) { memoryLimit_ = bytes; }
  int64_t MemoryUsed() const { return memoryUsed_; }

  int MaxTextureSize() const { return maxTextureSize_; }
  bool Anisotropy() const { return maxAnisotropy_ > 1; }
  float MaxAnisotropy() const { return maxAnisotropy_; }

  // Every holder with a live context (for the engine's device check).
  static std::vector<TGLDevStore*> LiveStores();

  void DeviceGone(TDrawDevice& device) override;

 protected:
  void Dispose() override;

 private:
  bool InitContext(std::string& error);
  void ReleaseHolder(bool lost);

  TDrawDevice* device_;
  std::unique_ptr<platform::GLContext> context_;
  TGLPipeline pipeline_;
  std::vector<TGLDeviceMember*> members_;
  std::thread::id boundThread_;  // where the context is current, if anywhere
  std::thread::id frameThread_;  // where a frame is open, if anywhere
  bool lost_ = false;
  bool simulatedLoss_ = false;
  bool released_ = false;
  int resetQuery_ = 0;  // 0 none, 1 core, 2 ARB_robustness
  int maxTextureSize_ = 0;
  float maxAnisotropy_ = 1;
  int64_t memoryUsed_ = 0;
  int64_t memoryLimit_ = -1;
};

}  // namespace zol
