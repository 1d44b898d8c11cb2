// TObjectSideList: the children of a node that a re-read has not matched yet,
// searched by GUID. A handful are searched one by one; more go through a hash
// index built on first use, so re-reading a slide whose many objects were
// reordered stays linear. Lives only during one ReadTree.
#pragma once

#include <string_view>
#include <vector>

#include "foundation/ref.h"

namespace zol {

class TZolObjectProps;

class TObjectSideList {
 public:
  explicit TObjectSideList(std::vector<TRef<TZolObjectProps>> nodes);

  // The node with GUID, taken out of the list; none when there is none.
  TRef<TZolObjectProps> Take(std::string_view guid);
  int Remaining() const { return remaining_; }
  // The nodes never taken, in their old order.
  std::vector<TRef<TZolObjectProps>> Rest();

 private:
  void BuildIndex();
  static size_t Hash(std::string_view guid);

  std::vector<TRef<TZolObjectProps>> nodes_;  // taken ones are emptied
  int remaining_;
  // Chained hash index over nodes_: bucket heads and next links, -1 ends a chain.
  std::vector<int> buckets_;
  std::vector<int> chain_;
};

}  // namespace zol
