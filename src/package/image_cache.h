// The shared decoded-image cache: one TImageHandle per file name and source,
// so a picture used by many objects is decoded once while any image of it
// lives. The cache lock guards the table and the handles' reference counts;
// each handle's own lock makes one thread decode while the others wait.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "foundation/hash_list.h"
#include "foundation/ref.h"
#include "package/image_store.h"

namespace zol {

class TImageCache;

class TImageHandle : public TRefObject {
 public:
  TImageHandle(TImageCache& cache, std::string key, uint32_t serial);

  std::mutex& Lock() { return lock_; }
  bool Loaded() const { return loaded_; }                 // under Lock()
  void SetStore(TRef<TImageStore> store);                 // under Lock(); marks it loaded
  const TRef<TImageStore>& Store() const { return store_; }
  uint32_t Serial() const { return serial_; }
  const std::string& Key() const { return key_; }

 protected:
  void Dispose() override;

 private:
  TImageCache& cache_;
  std::mutex lock_;
  const std::string key_;
  const uint32_t serial_;
  TRef<TImageStore> store_;
  bool loaded_ = false;
};

class TImageCache {
 public:
  static constexpr int kBucketCount = 9997;
  static TImageCache& Process();

  TImageCache();
  ~TImageCache();

  // The handle of NAME from source SERIAL, made when there is none yet.
  TRef<TImageHandle> Acquire(std::string_view name, uint32_t serial);
  // Drops a reference to a handle under the cache lock, so that no look-up
  // can pick up a handle whose last reference is going.
  void Release(TRef<TImageHandle>& handle);

  int LiveHandles();
  bool Contains(std::string_view name, uint32_t serial);

 private:
  friend class TImageHandle;
  void Remove(TImageHandle* handle);

  std::recursive_mutex lock_;  // guards table_, liveHandles_ and handle counts
  std::unique_ptr<THashList> table_;
  int liveHandles_ = 0;
};

}  // namespace zol
