#include "text/path.h"

#include <algorithm>
#include <cmath>

namespace zol {

TRectF TPath::Bounds() const {
  bool any = false;
  TRectF box;
  for (const TPathPoint& p : points_) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
    if (!any) {
      box = {p.x, p.y, p.x, p.y};
      any = true;
      continue;
    }
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

const char* TPath::Problem() const {
  const size_t count = points_.size();
  for (size_t i = 0; i < count;) {
    const TPathPoint& p = points_[i];
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "coordinate not finite";
    if (i == 0 && p.type != kPathStart) return "no contour start";
    size_t width = 1;
    switch (p.type) {
      case kPathStart:
      case kPathLineTo:
        break;
      case kPathQuadratic:
        width = 2;
        break;
      case kPathCubic:
        width = 3;
        break;
      default:
        return "unknown path command";
    }
    if (i + width > count) return "curve cut short";
    for (size_t k = 1; k < width; ++k) {
      const TPathPoint& q = points_[i + k];
      if (q.type != p.type) return "curve cut short";
      if (!std::isfinite(q.x) || !std::isfinite(q.y)) return "coordinate not finite";
    }
    i += width;
  }
  return nullptr;
}

}  // namespace zol
