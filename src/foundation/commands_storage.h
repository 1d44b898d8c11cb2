// The command-line option store: one TCommand per option name, holding the
// option's values in order. Names are stored as typed.
#pragma once

#include <string>
#include <vector>

#include "foundation/hash_list.h"

namespace zol {

// One value of an option.
class TCommandItem {
 public:
  explicit TCommandItem(std::string text) : text_(std::move(text)) {}
  const std::string& Text() const { return text_; }
  // The value as a decimal integer, or FALLBACK when it is not one.
  int AsInt(int fallback) const;

 private:
  std::string text_;
};

class TCommand : public TKeyItem {
 public:
  using TKeyItem::TKeyItem;
  void Add(std::string value) { items_.emplace_back(std::move(value)); }
  const std::vector<TCommandItem>& Items() const { return items_; }

 private:
  std::vector<TCommandItem> items_;
};

class TCommandsStorage : public THashList {
 public:
  static constexpr int kBucketCount = 251;
  TCommandsStorage() : THashList(kBucketCount) {}

  TCommand* Command(std::string_view name) { return dynamic_cast<TCommand*>(Find(name)); }
  TCommand* GetOrCreateCommand(std::string_view name) {
    return dynamic_cast<TCommand*>(GetOrCreate(name));
  }

 protected:
  std::unique_ptr<TKeyItem> CreateItem(int bucket, std::string_view key) override;
};

}  // namespace zol
