// Moving an animation tree to another slide timing (TZolObjectProps::RescaleTimes).
#include <cmath>

#include "model/zol_object_props.h"

namespace zol {

void TZolObjectProps::RescaleTimes(const TObjectTiming& timing, bool rescaled, double factor) {
  timing_ = timing;
  timesRescaled_ = rescaled;
  if (!(factor >= 0.0001)) factor = 1;
  deltaTime1_ = std::round(deltaTime1_ * factor);
  deltaTime2_ = std::round(deltaTime2_ * factor);
  for (const TRef<TZolKeyFrame>& key : keyFrames_.Items()) key->SetTime(std::round(key->Time() * factor));
  keyFrames_.SortByTime();
  // The tracks point into the old times; they are searched again from scratch.
  keyFrames_.MarkChanged();
  ResetTracks();
  for (const TRef<TZolObjectProps>& child : children_) child->RescaleTimes(timing, rescaled, factor);
}

}  // namespace zol
