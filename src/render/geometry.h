// Small value types shared by the render layers: integer rectangles and sizes
// in device pixels, float points, sizes and rectangles in canvas units.
// Plain values; any thread.
#pragma once

#include <algorithm>
#include <cstdint>

namespace zol {

struct TSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Left and top are inside, right and bottom just outside.
struct TRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  TSize Size() const { return {Width(), Height()}; }
  TRect Offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  TRect Intersect(const TRect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  // Area shared with O; 0 when they do not overlap.
  int64_t OverlapArea(const TRect& o) const {
    TRect i = Intersect(o);
    return i.IsEmpty() ? 0 : int64_t(i.Width()) * i.Height();
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Two empty rectangles are the same "nothing", whatever their corners.
inline bool SameRect(const TRect& a, const TRect& b) {
  return (a.IsEmpty() && b.IsEmpty()) || a == b;
}

struct TPointF {
  float x = 0;
  float y = 0;
  friend bool operator==(const TPointF&, const TPointF&) = default;
};

struct TPoint3F {
  float x = 0;
  float y = 0;
  float z = 0;
  TPoint3F operator+(const TPoint3F& o) const { return {x + o.x, y + o.y, z + o.z}; }
  TPoint3F operator-(const TPoint3F& o) const { return {x - o.x, y - o.y, z - o.z}; }
  TPoint3F operator*(float s) const { return {x * s, y * s, z * s}; }
  friend bool operator==(const TPoint3F&, const TPoint3F&) = default;
};

struct TSizeF {
  float width = 0;
  float height = 0;
  friend bool operator==(const TSizeF&, const TSizeF&) = default;
};

struct TRectF {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  friend bool operator==(const TRectF&, const TRectF&) = default;
};

}  // namespace zol
