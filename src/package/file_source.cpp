#include "package/file_source.h"

#include <algorithm>
#include <atomic>

namespace zol {
namespace {
std::atomic<uint32_t> gNextSerial{1};
}

TFileSource::TFileSource() : lock_(MakeRef<TCriticalSection>()), serial_(gNextSerial++) {}

TRef<TCallbackHandle> TFileSource::RegisterImageProvider(TCallbackHandle::Provider provider) {
  auto handle = MakeRef<TCallbackHandle>(TRef<TFileSource>(this), std::move(provider));
  std::lock_guard guard(providersLock_);
  providers_.push_back(handle.get());
  return handle;
}

void TFileSource::Unregister(TCallbackHandle* handle) {
  std::lock_guard guard(providersLock_);
  std::erase(providers_, handle);
}

TRef<TImageStore> TFileSource::AskImageProviders(std::string_view name) {
  // Asked under the lock: a handle being disposed waits in Unregister until
  // no call runs on it, so no reference to a dying handle is ever taken.
  std::lock_guard guard(providersLock_);
  for (TCallbackHandle* handle : providers_)
    if (TRef<TImageStore> store = handle->Provide(name)) return store;
  return nullptr;
}

std::optional<TImageTransform> TFileSource::ImageTransform(std::string_view name, int& width, int& height) {
  if (!transformHook_) return std::nullopt;
  return transformHook_(name, width, height);
}

void TFileSource::Dispose() {
  transformHook_ = nullptr;
  TRefObject::Dispose();
}

TCallbackHandle::TCallbackHandle(TRef<TFileSource> source, Provider provider)
    : source_(std::move(source)), provider_(std::move(provider)) {}

TRef<TImageStore> TCallbackHandle::Provide(std::string_view name) {
  return provider_ ? provider_(*source_, name) : nullptr;
}

void TCallbackHandle::Dispose() {
  source_->Unregister(this);
  source_.reset();
  provider_ = nullptr;
  TRefObject::Dispose();
}

}  // namespace zol
