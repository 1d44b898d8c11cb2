#include "model/draw_filter.h"

#include <algorithm>

namespace zol {

void TDrawFilter::Setup(const TRect& rect, float softEdgePixels, float duration) {
  rect_ = rect;
  softEdge_ = softEdgePixels;
  // A negative or not-a-number duration is a transition that is already over.
  duration_ = duration > 0 ? duration : 0;
  inverseDuration_ = duration_ > 0 ? 1.0 / double(duration_) : 0;
  time_ = 0;
}

void TDrawFilter::SetTime(double ms) {
  if (!(ms > 0)) ms = 0;  // also not-a-number
  time_ = float(std::min(ms, double(duration_)));
}

}  // namespace zol
