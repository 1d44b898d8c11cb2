// TIniHashIndex: the case-insensitive name index of one TIniList. Buckets are
// a power of two (at least 16, at least the member count); each chain runs
// from the newest item (highest index) to the oldest, so the first match is
// the last occurrence. Built lazily by the first lookup; dropped when the
// member count reaches the bucket count and rebuilt by the next lookup.
// Owned by its list. Lookups may run on several threads at once (the lazy
// build is guarded); changes come from the list's single writer.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "foundation/ini_item.h"
#include "foundation/ini_name_hash.h"

namespace zol {

class TIniHashIndex {
 public:
  // Whether an item of the list belongs in this index.
  using Member = bool (*)(const TIniItem& item);

  TIniHashIndex() = default;
  TIniHashIndex(const TIniHashIndex&) = delete;
  TIniHashIndex& operator=(const TIniHashIndex&) = delete;

  // The items named NAME (case-insensitively) that satisfy MATCH, newest
  // first: returns the newest such item, or with OLDEST the oldest. ITEMS are
  // the list's items in index order and MEMBERS how many of them belong here;
  // they are only read when the table must be built.
  template <class Match>
  TIniItem* Find(std::string_view name, std::span<const TRef<TIniItem>> items, size_t members,
                 Member member, Match match, bool oldest = false) const;

  // An item that belongs here took its place (later items already moved up).
  void Linked(TIniItem& item, size_t members);
  // An item that belongs here is about to leave.
  void Unlinked(const TIniItem& item);
  void Drop();

  bool Built() const { return state_.load(std::memory_order_acquire) == kBuilt; }
  size_t BucketCount() const { return Built() ? buckets_.size() : 0; }

 private:
  static constexpr uint8_t kEmpty = 0, kBuilding = 1, kBuilt = 2;

  static uint32_t HashOf(TIniItem& item);
  void EnsureBuilt(std::span<const TRef<TIniItem>> items, size_t members, Member member) const;
  void Build(std::span<const TRef<TIniItem>> items, size_t members, Member member) const;

  mutable std::vector<TIniItem*> buckets_;
  mutable std::atomic<uint8_t> state_{kEmpty};
};

template <class Match>
TIniItem* TIniHashIndex::Find(std::string_view name, std::span<const TRef<TIniItem>> items,
                              size_t members, Member member, Match match, bool oldest) const {
  if (name.empty() || members == 0) return nullptr;
  EnsureBuilt(items, members, member);
  uint32_t hash = IniNameHash(name);
  TIniItem* found = nullptr;
  for (TIniItem* p = buckets_[hash & (buckets_.size() - 1)]; p; p = p->hashNext_) {
    if (p->hash_ == hash && IniNamesEqual(p->name_, name) && match(*p)) {
      found = p;
      if (!oldest) break;
    }
  }
  return found;
}

}  // namespace zol
