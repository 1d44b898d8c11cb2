// TCallbackHandle: an image provider registered on a file source; the source
// asks its providers for a picture before decoding the file itself.
// Destroying the handle unregisters the provider. Any thread.
#pragma once

#include <functional>
#include <string_view>

#include "foundation/ref.h"
#include "package/image_store.h"

namespace zol {

class TFileSource;

class TCallbackHandle : public TRefObject {
 public:
  using Provider = std::function<TRef<TImageStore>(TFileSource& source, std::string_view name)>;

  TCallbackHandle(TRef<TFileSource> source, Provider provider);

  TRef<TImageStore> Provide(std::string_view name);

 protected:
  void Dispose() override;

 private:
  TRef<TFileSource> source_;
  Provider provider_;
};

}  // namespace zol
