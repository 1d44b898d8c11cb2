// TFilterRect: a rectangle in pixels of the draw target, as drawing filters
// receive it (right and bottom exclusive). Plain value.
#pragma once

#include <cstdint>

namespace zol {

struct TFilterRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  friend bool operator==(const TFilterRect&, const TFilterRect&) = default;
};

}  // namespace zol
