// How the rasteriser decides that a point lies inside overlapping contours.
#pragma once

#include <cstdint>

namespace zol {

enum class TFillRule : uint8_t {
  NonZero,  // inside where the contours wind around the point at all
  EvenOdd,  // inside where an odd number of contours surround the point
};

}  // namespace zol
