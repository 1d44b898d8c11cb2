#include "image/bitmap_pool.h"

#include <algorithm>

namespace zol {

TBitmapPool& TBitmapPool::Process() {
  static TBitmapPool pool;
  return pool;
}

TBitmapPool::TBlock TBitmapPool::Take(size_t size) {
  if (size >= kMinPooledBytes) {
    std::lock_guard guard(lock_);
    // The smallest kept block that fits, if it does not waste more than half.
    auto best = kept_.end();
    for (auto it = kept_.begin(); it != kept_.end(); ++it)
      if (it->capacity >= size && it->capacity / 2 <= size &&
          (best == kept_.end() || it->capacity < best->capacity))
        best = it;
    if (best != kept_.end()) {
      TBlock block = std::move(*best);
      kept_.erase(best);
      return block;
    }
  }
  return {std::make_unique_for_overwrite<uint8_t[]>(std::max<size_t>(size, 1)), size};
}

void TBitmapPool::Give(TBlock block) {
  if (!block.bytes || block.capacity < kMinPooledBytes) return;
  std::lock_guard guard(lock_);
  kept_.push_back(std::move(block));
  // Keep the newest blocks within both limits.
  auto total = [&] {
    size_t sum = 0;
    for (const TBlock& b : kept_) sum += b.capacity;
    return sum;
  };
  while (!kept_.empty() && (kept_.size() > kMaxKeptBlocks || total() > kMaxKeptBytes))
    kept_.erase(kept_.begin());
}

void TBitmapPool::Trim() {
  std::vector<TBlock> freed;
  std::lock_guard guard(lock_);
  freed.swap(kept_);
}

size_t TBitmapPool::KeptBytes() {
  std::lock_guard guard(lock_);
  size_t sum = 0;
  for (const TBlock& b : kept_) sum += b.capacity;
  return sum;
}

}  // namespace zol
