#include "foundation/ini_hash_index.h"

#include <bit>
#include <thread>

namespace zol {

uint32_t TIniHashIndex::HashOf(TIniItem& item) {
  // Names never change, so an item is hashed once however often it is indexed.
  if (!item.hashed_) {
    item.hash_ = IniNameHash(item.name_);
    item.hashed_ = true;
  }
  return item.hash_;
}

void TIniHashIndex::EnsureBuilt(std::span<const TRef<TIniItem>> items, size_t members,
                                Member member) const {
  if (state_.load(std::memory_order_acquire) == kBuilt) return;
  // Readers on several threads may meet an unbuilt table: one builds it, the
  // others wait until it is published.
  uint8_t expected = kEmpty;
  if (state_.compare_exchange_strong(expected, kBuilding, std::memory_order_acq_rel)) {
    try {
      Build(items, members, member);
    } catch (...) {
      state_.store(kEmpty, std::memory_order_release);
      throw;
    }
    state_.store(kBuilt, std::memory_order_release);
    return;
  }
  while (state_.load(std::memory_order_acquire) != kBuilt) std::this_thread::yield();
}

void TIniHashIndex::Build(std::span<const TRef<TIniItem>> items, size_t members,
                          Member member) const {
  size_t count = std::bit_ceil(std::max<size_t>(members, 16));
  buckets_.assign(count, nullptr);
  // Pushing in index order leaves every chain newest first.
  for (const TRef<TIniItem>& ref : items) {
    TIniItem& item = *ref;
    if (!member(item)) continue;
    TIniItem*& head = buckets_[HashOf(item) & (count - 1)];
    item.hashNext_ = head;
    head = &item;
  }
}

void TIniHashIndex::Linked(TIniItem& item, size_t members) {
  if (!Built()) return;
  if (members >= buckets_.size()) {
    Drop();
    return;
  }
  // Keep the chain ordered by descending index; appended items go first.
  TIniItem** link = &buckets_[HashOf(item) & (buckets_.size() - 1)];
  while (*link && (*link)->index_ > item.index_) link = &(*link)->hashNext_;
  item.hashNext_ = *link;
  *link = &item;
}

void TIniHashIndex::Unlinked(const TIniItem& item) {
  if (!Built()) return;
  TIniItem** link = &buckets_[item.hash_ & (buckets_.size() - 1)];
  while (*link && *link != &item) link = &(*link)->hashNext_;
  if (*link) *link = item.hashNext_;
}

void TIniHashIndex::Drop() {
  buckets_.clear();
  state_.store(kEmpty, std::memory_order_release);
}

}  // namespace zol
