// TZolKeyFrameArray: the key frames of one node in time order, with a change
// counter that tells the node's tracks and the drawing side that the list
// was re-read. Owned by its node; same threading as the node.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "foundation/ref.h"
#include "model/key_frame.h"

namespace zol {

class TZolKeyFrameArray {
 public:
  TZolKeyFrameArray() { items_.reserve(8); }
  ~TZolKeyFrameArray() { Clear(); }
  TZolKeyFrameArray(const TZolKeyFrameArray&) = delete;
  TZolKeyFrameArray& operator=(const TZolKeyFrameArray&) = delete;

  int Count() const { return int(items_.size()); }
  bool Empty() const { return items_.empty(); }
  TZolKeyFrame& operator[](int index) const { return *items_[size_t(index)]; }
  std::span<const TRef<TZolKeyFrame>> Items() const { return items_; }

  // The key frame at INDEX for a re-read of NODE: the one already there, or a
  // new one appended when the list is shorter.
  TZolKeyFrame& Take(TZolObjectProps* node, int index);
  // Frees the key frames from COUNT on; each must still know its place.
  void Truncate(int count);
  void Clear() { Truncate(0); }
  // Stable sort by time (equal times keep their order) and renumbering.
  // True when the order changed.
  bool SortByTime();

  // Every change bumps the counter; Commit records the drawn state.
  void MarkChanged() { ++changeCounter_; }
  uint32_t ChangeCounter() const { return changeCounter_; }
  bool Uncommitted() const { return changeCounter_ != committed_; }
  void Commit() { committed_ = changeCounter_; }

 private:
  std::vector<TRef<TZolKeyFrame>> items_;
  uint32_t changeCounter_ = 1;
  uint32_t committed_ = 0;
};

}  // namespace zol
