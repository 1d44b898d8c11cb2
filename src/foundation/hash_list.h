// THashList: a string-keyed hash table of TKeyItems with a fixed number of
// buckets, each a doubly linked chain. Keys compare exactly; the last found
// key is remembered so repeated queries do not rehash. Not locked: one owner.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// One entry of a THashList; subclasses carry the entry's data.
class TKeyItem {
 public:
  explicit TKeyItem(std::string key) : key_(std::move(key)) {}
  virtual ~TKeyItem() = default;
  TKeyItem(const TKeyItem&) = delete;
  TKeyItem& operator=(const TKeyItem&) = delete;

  const std::string& Key() const { return key_; }

 private:
  friend class THashList;
  std::string key_;
  TKeyItem* prev_ = nullptr;        // towards the bucket head
  std::unique_ptr<TKeyItem> next_;  // owns the rest of the chain
};

class THashList {
 public:
  explicit THashList(int bucketCount);
  virtual ~THashList();
  THashList(const THashList&) = delete;
  THashList& operator=(const THashList&) = delete;

  // Bucket of KEY: the ELF hash over the low bytes of its UTF-16 units.
  virtual int Hash(std::string_view key) const;
  virtual bool Equal(std::string_view a, std::string_view b) const { return a == b; }

  bool Contains(std::string_view key);
  TKeyItem* GetOrCreate(std::string_view key);
  TKeyItem* GetOrCreate(std::string_view key, bool& created);
  TKeyItem* Find(std::string_view key);
  bool Remove(std::string_view key);
  void Clear();

  int BucketCount() const { return int(buckets_.size()); }
  size_t Count() const { return count_; }

 protected:
  virtual std::unique_ptr<TKeyItem> CreateItem(int bucket, std::string_view key);
  // Called before an item is destroyed; drops the remembered look-up of it.
  virtual void ItemRemoved(TKeyItem* item);

 private:
  std::unique_ptr<TKeyItem>& Bucket(int index) { return buckets_[size_t(index)]; }

  std::vector<std::unique_ptr<TKeyItem>> buckets_;
  size_t count_ = 0;
  std::string lastKey_;
  TKeyItem* lastItem_ = nullptr;
};

}  // namespace zol
