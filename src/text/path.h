// TPath: a glyph outline as a list of points, each with its command: 0 starts
// a contour, 1 is a line to the point, 2 comes in pairs (quadratic control
// point, end point), 3 in threes (two cubic control points, end point).
// Coordinates are font units of the glyph's font at its size, y downward.
// A plain value; kept read-only once it sits in a glyph cache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/geometry.h"

namespace zol {

enum TPathCommand : int32_t {
  kPathStart = 0,
  kPathLineTo = 1,
  kPathQuadratic = 2,
  kPathCubic = 3,
};

struct TPathPoint {
  float x = 0;
  float y = 0;
  int32_t type = kPathStart;
  friend bool operator==(const TPathPoint&, const TPathPoint&) = default;
};

class TPath {
 public:
  void Add(float x, float y, int32_t type) { points_.push_back({x, y, type}); }
  void Reserve(size_t count) { points_.reserve(count); }
  void Clear() { points_.clear(); }

  const std::vector<TPathPoint>& Points() const { return points_; }
  std::vector<TPathPoint>& Points() { return points_; }
  size_t Size() const { return points_.size(); }
  bool Empty() const { return points_.empty(); }

  // The box around every finite point (control points included, so it holds
  // the whole outline); an empty box at the origin for a path without any.
  TRectF Bounds() const;
  // Why the path cannot be drawn (a point before the first contour start, an
  // unknown command, a curve cut short, a coordinate that is not a finite
  // number), or null when it can.
  const char* Problem() const;

  friend bool operator==(const TPath&, const TPath&) = default;

 private:
  std::vector<TPathPoint> points_;
};

}  // namespace zol
