// TOutline: one contour on its way into the rasteriser, in bitmap pixels:
// a start point and the points the contour runs through; the rasteriser
// closes it back to the start. Reused from contour to contour so that filling
// a glyph does not allocate. One user at a time.
#pragma once

#include <vector>

#include "render/geometry.h"

namespace zol {

class TOutline {
 public:
  // Begins a new contour at (X, Y), dropping the points of the previous one.
  void Start(float x, float y);
  // A straight piece to (X, Y). Fails when no contour was started or the
  // contour was already closed.
  void AddPoint(float x, float y);
  void Close() { closed_ = true; }
  // Forgets the contour (keeping the memory): nothing is started.
  void Reset() {
    points_.clear();
    closed_ = false;
  }

  bool Started() const { return !points_.empty(); }
  bool Closed() const { return closed_; }
  const std::vector<TPointF>& Points() const { return points_; }
  // The last point added (the start point of a new contour).
  TPointF Current() const { return points_.back(); }

 private:
  std::vector<TPointF> points_;
  bool closed_ = false;
};

}  // namespace zol
