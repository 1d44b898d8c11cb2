// TDrawDevice: an output target the renderers attach to: its rectangle on the
// screen, its back-buffer size, the exclusive (full-screen) wish and the
// window that shows it (none for a headless output). Created and owned by the
// caller that shows the output; renderers and listeners are attached to it.
// Fields are guarded by the device lock.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/ref.h"
#include "render/draw_device_listener.h"
#include "render/geometry.h"

namespace zol {

namespace platform {
class OutputWindow;
}

class T3DRenderer;

class TDrawDevice : public TRefObject {
 public:
  // Called by the back end with each renderer it has just created.
  struct TRendererCreated {
    void (*proc)(void* context, T3DRenderer* renderer) = nullptr;
    void* context = nullptr;
  };

  // Stores the new bounds and tells every attached renderer (UpdateBounds);
  // nothing happens when rectangle, size and exclusive flag are unchanged.
  virtual void SetBounds(const TRect& rect, TSize size, bool exclusive);
  // Whether the output is in the foreground; always true without a window.
  virtual bool IsActive();

  const TRect& Rect() const { return rect_; }
  TSize BackBufferSize() const { return size_; }
  bool Exclusive() const { return exclusive_; }
  // The window showing this output, or none for a headless one.
  platform::OutputWindow* Window() const { return window_; }

  void SetRendererCreated(TRendererCreated event) { rendererCreated_ = event; }
  void RaiseRendererCreated(T3DRenderer* renderer);

  // Renderer list: renderers attach on construction and detach when freed.
  void AttachRenderer(T3DRenderer* renderer);
  void DetachRenderer(T3DRenderer* renderer);
  std::vector<T3DRenderer*> Renderers() const { return renderers_; }

  // Listener list, owning its entries.
  void AddListener(TRef<TDrawDeviceListener> listener);
  // Drops the list's reference; false when LISTENER was not in the list.
  bool RemoveListener(TDrawDeviceListener* listener);
  template <class T>
  T* FindListener() const {
    for (const auto& l : listeners_)
      if (auto* t = dynamic_cast<T*>(l.get())) return t;
    return nullptr;
  }

 protected:
  TDrawDevice(platform::OutputWindow* window, const TRect& rect, TSize size);
  void Dispose() override;

 private:
  std::vector<T3DRenderer*> renderers_;
  bool exclusive_ = false;
  TRect rect_;
  TSize size_;
  platform::OutputWindow* window_;
  TRendererCreated rendererCreated_;
  std::vector<TRef<TDrawDeviceListener>> listeners_;
};

}  // namespace zol
