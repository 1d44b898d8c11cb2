#include "model/key_frame_array.h"

#include <algorithm>

#include "foundation/assertion.h"

namespace zol {

TZolKeyFrame& TZolKeyFrameArray::Take(TZolObjectProps* node, int index) {
  if (index < Count()) return *items_[size_t(index)];
  items_.push_back(MakeRef<TZolKeyFrame>(node, Count()));
  return *items_.back();
}

void TZolKeyFrameArray::Truncate(int count) {
  if (count < 0) count = 0;
  if (Count() > count) MarkChanged();
  while (Count() > count) {
    TRef<TZolKeyFrame> last = std::move(items_.back());
    items_.pop_back();
    // A key frame that does not know its own place means the list was
    // changed behind its back; freeing it would leave the wrong one behind.
    if (last->Index() != Count()) ZOL_CHECK_FAILED(last->ClassName() + " Index mismatch");
    last->SetPlace(nullptr, -1);
  }
}

bool TZolKeyFrameArray::SortByTime() {
  const bool sorted = std::is_sorted(items_.begin(), items_.end(),
                                     [](const auto& a, const auto& b) { return a->Time() < b->Time(); });
  if (!sorted) {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const auto& a, const auto& b) { return a->Time() < b->Time(); });
  }
  for (int i = 0; i < Count(); ++i) items_[size_t(i)]->SetPlace(items_[size_t(i)]->Node(), i);
  return !sorted;
}

}  // namespace zol
