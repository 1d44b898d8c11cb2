#include "text/outline.h"

#include "text/text_error.h"

namespace zol {

void TOutline::Start(float x, float y) {
  points_.clear();
  points_.push_back({x, y});
  closed_ = false;
}

void TOutline::AddPoint(float x, float y) {
  if (points_.empty() || closed_) throw ETextError("TOutline.AddPoint Error: No Start Point or Closed Outline");
  points_.push_back({x, y});
}

}  // namespace zol
