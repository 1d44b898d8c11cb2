// TPackedImage: a picture as the file-access layer hands it out: the decoded
// store of a cache handle, shared with every other image of the same file
// from the same source. Any thread; the handle is released under the cache lock.
#pragma once

#include "foundation/ref.h"
#include "package/image_cache.h"

namespace zol {

class TPackedImage : public TRefObject {
 public:
  explicit TPackedImage(TRef<TImageHandle> handle) : handle_(std::move(handle)) {}

  const TRef<TImageStore>& Store() const { return handle_->Store(); }
  // Another image on the same handle.
  TRef<TPackedImage> Clone() const { return MakeRef<TPackedImage>(handle_); }

 protected:
  void Dispose() override {
    TImageCache::Process().Release(handle_);
    TRefObject::Dispose();
  }

 private:
  TRef<TImageHandle> handle_;
};

}  // namespace zol
