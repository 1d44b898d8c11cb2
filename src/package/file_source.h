// TFileSource: where a show's files come from (disk, a package). Shared by
// reference between accessors; open calls are serialised by its lock, so
// loader and engine threads may use one source at the same time.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "foundation/critical_section.h"
#include "foundation/ref.h"
#include "foundation/stream.h"
#include "package/callback_handle.h"

namespace zol {

class TFileSource : public TRefObject {
 public:
  // Answers the turn a named picture needs, swapping WIDTH and HEIGHT when the
  // turn does; nothing when the picture is shown as stored.
  using TransformHook = std::function<std::optional<TImageTransform>(std::string_view name, int& width,
                                                                     int& height)>;

  TFileSource();

  // The named file as a stream, or nothing.
  virtual TRef<TStream> Open(std::string_view name) = 0;

  TCriticalSection& Lock() { return *lock_; }
  // Unique per source in this process; the image cache tells sources apart by it.
  uint32_t Serial() const { return serial_; }

  TRef<TCallbackHandle> RegisterImageProvider(TCallbackHandle::Provider provider);
  // The first picture a provider gives, in registration order.
  TRef<TImageStore> AskImageProviders(std::string_view name);

  std::optional<TImageTransform> ImageTransform(std::string_view name, int& width, int& height);
  bool HasImageTransform() const { return bool(transformHook_); }

 protected:
  void SetImageTransformHook(TransformHook hook) { transformHook_ = std::move(hook); }
  void Dispose() override;

 private:
  friend class TCallbackHandle;
  void Unregister(TCallbackHandle* handle);

  TRef<TCriticalSection> lock_;
  const uint32_t serial_;
  std::recursive_mutex providersLock_;      // guards providers_; held while they run
  std::vector<TCallbackHandle*> providers_;  // registered handles, not owned
  TransformHook transformHook_;
};

}  // namespace zol
