#include "package/image_cache.h"

#include <algorithm>
#include <vector>

#include "foundation/case_fold.h"

namespace zol {
namespace {

// The handles of one name, one per source.
class THandleList : public TKeyItem {
 public:
  using TKeyItem::TKeyItem;
  std::vector<TImageHandle*> handles;  // not owned: each handle removes itself
};

class THandleTable : public THashList {
 public:
  using THashList::THashList;

 protected:
  std::unique_ptr<TKeyItem> CreateItem(int, std::string_view key) override {
    return std::make_unique<THandleList>(std::string(key));
  }
};

std::string CacheKey(std::string_view name) { return FoldCaseText(name); }

}  // namespace

TImageHandle::TImageHandle(TImageCache& cache, std::string key, uint32_t serial)
    : cache_(cache), key_(std::move(key)), serial_(serial) {}

void TImageHandle::SetStore(TRef<TImageStore> store) {
  store_ = std::move(store);
  loaded_ = true;
}

void TImageHandle::Dispose() {
  cache_.Remove(this);
  store_.reset();
  TRefObject::Dispose();
}

TImageCache& TImageCache::Process() {
  static TImageCache cache;
  return cache;
}

TImageCache::TImageCache() : table_(std::make_unique<THandleTable>(kBucketCount)) {}

TImageCache::~TImageCache() {
  // Images still alive at process end keep the table: their handles remove
  // themselves from it when they go.
  std::lock_guard guard(lock_);
  if (liveHandles_ > 0) (void)table_.release();
}

TRef<TImageHandle> TImageCache::Acquire(std::string_view name, uint32_t serial) {
  std::string key = CacheKey(name);
  std::lock_guard guard(lock_);
  auto* list = static_cast<THandleList*>(table_->GetOrCreate(key));
  for (TImageHandle* handle : list->handles)
    if (handle->Serial() == serial) return TRef<TImageHandle>(handle);
  auto handle = MakeRef<TImageHandle>(*this, key, serial);
  list->handles.push_back(handle.get());
  ++liveHandles_;
  return handle;
}

void TImageCache::Release(TRef<TImageHandle>& handle) {
  std::lock_guard guard(lock_);
  handle.reset();
}

void TImageCache::Remove(TImageHandle* handle) {
  std::lock_guard guard(lock_);
  if (auto* list = static_cast<THandleList*>(table_->Find(handle->Key()))) {
    std::erase(list->handles, handle);
    if (list->handles.empty()) table_->Remove(handle->Key());
  }
  --liveHandles_;
}

int TImageCache::LiveHandles() {
  std::lock_guard guard(lock_);
  return liveHandles_;
}

bool TImageCache::Contains(std::string_view name, uint32_t serial) {
  std::lock_guard guard(lock_);
  auto* list = static_cast<THandleList*>(table_->Find(CacheKey(name)));
  return list && std::any_of(list->handles.begin(), list->handles.end(),
                             [&](TImageHandle* h) { return h->Serial() == serial; });
}

}  // namespace zol
