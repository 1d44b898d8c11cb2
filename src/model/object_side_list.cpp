#include "model/object_side_list.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "model/zol_object_props.h"

namespace zol {

TObjectSideList::TObjectSideList(std::vector<TRef<TZolObjectProps>> nodes)
    : nodes_(std::move(nodes)), remaining_(int(nodes_.size())) {}

size_t TObjectSideList::Hash(std::string_view guid) {
  return std::hash<std::string_view>()(guid);
}

void TObjectSideList::BuildIndex() {
  buckets_.assign(std::bit_ceil(std::max<size_t>(nodes_.size(), 4)), -1);
  chain_.assign(nodes_.size(), -1);
  const size_t mask = buckets_.size() - 1;
  // Inserted from the back so that each chain lists nodes in their old order.
  for (int i = int(nodes_.size()) - 1; i >= 0; --i) {
    if (!nodes_[size_t(i)]) continue;
    int& head = buckets_[Hash(nodes_[size_t(i)]->Guid()) & mask];
    chain_[size_t(i)] = head;
    head = i;
  }
}

TRef<TZolObjectProps> TObjectSideList::Take(std::string_view guid) {
  if (remaining_ == 0) return nullptr;
  int found = -1;
  if (remaining_ <= 3 && buckets_.empty()) {
    for (size_t i = 0; i < nodes_.size() && found < 0; ++i)
      if (nodes_[i] && nodes_[i]->Guid() == guid) found = int(i);
  } else {
    if (buckets_.empty()) BuildIndex();
    for (int i = buckets_[Hash(guid) & (buckets_.size() - 1)]; i >= 0 && found < 0; i = chain_[size_t(i)])
      if (nodes_[size_t(i)] && nodes_[size_t(i)]->Guid() == guid) found = i;
  }
  if (found < 0) return nullptr;
  --remaining_;
  return std::move(nodes_[size_t(found)]);
}

std::vector<TRef<TZolObjectProps>> TObjectSideList::Rest() {
  std::vector<TRef<TZolObjectProps>> rest;
  for (TRef<TZolObjectProps>& node : nodes_)
    if (node) rest.push_back(std::move(node));
  remaining_ = 0;
  return rest;
}

}  // namespace zol
