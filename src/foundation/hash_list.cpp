#include "foundation/hash_list.h"

#include "foundation/elf_hash.h"

namespace zol {

THashList::THashList(int bucketCount) : buckets_(size_t(bucketCount > 0 ? bucketCount : 1)) {}

THashList::~THashList() { Clear(); }

int THashList::Hash(std::string_view key) const { return int(ElfHash(key) % buckets_.size()); }

std::unique_ptr<TKeyItem> THashList::CreateItem(int, std::string_view key) {
  return std::make_unique<TKeyItem>(std::string(key));
}

void THashList::ItemRemoved(TKeyItem* item) {
  if (item == lastItem_) {
    lastItem_ = nullptr;
    lastKey_.clear();
  }
}

TKeyItem* THashList::Find(std::string_view key) {
  if (lastItem_ && Equal(lastKey_, key)) return lastItem_;
  for (TKeyItem* item = Bucket(Hash(key)).get(); item; item = item->next_.get()) {
    if (Equal(item->key_, key)) {
      lastKey_ = key;
      lastItem_ = item;
      return item;
    }
  }
  return nullptr;
}

bool THashList::Contains(std::string_view key) { return Find(key) != nullptr; }

TKeyItem* THashList::GetOrCreate(std::string_view key) {
  bool created;
  return GetOrCreate(key, created);
}

TKeyItem* THashList::GetOrCreate(std::string_view key, bool& created) {
  created = false;
  if (TKeyItem* found = Find(key)) return found;
  int index = Hash(key);
  std::unique_ptr<TKeyItem> item = CreateItem(index, key);
  TKeyItem* raw = item.get();
  auto& head = Bucket(index);
  if (head) head->prev_ = raw;
  raw->next_ = std::move(head);
  head = std::move(item);
  ++count_;
  created = true;
  lastKey_ = key;
  lastItem_ = raw;
  return raw;
}

bool THashList::Remove(std::string_view key) {
  TKeyItem* item = Find(key);
  if (!item) return false;
  ItemRemoved(item);
  std::unique_ptr<TKeyItem> rest = std::move(item->next_);
  if (rest) rest->prev_ = item->prev_;
  std::unique_ptr<TKeyItem>& link = item->prev_ ? item->prev_->next_ : Bucket(Hash(key));
  link = std::move(rest);  // destroys the item
  --count_;
  return true;
}

void THashList::Clear() {
  for (auto& head : buckets_) {
    // Unlink iteratively so that a long chain does not recurse in destructors.
    while (head) {
      ItemRemoved(head.get());
      std::unique_ptr<TKeyItem> next = std::move(head->next_);
      head = std::move(next);
    }
  }
  count_ = 0;
}

}  // namespace zol
