// TPathTransform: where an outline lands in a bitmap: font units scaled by
// (scaleX, scaleY) and moved by (dx, dy) pixels. A plain value.
#pragma once

namespace zol {

struct TPathTransform {
  double scaleX = 1;
  double scaleY = 1;
  double dx = 0;
  double dy = 0;

  float X(float x) const { return float(x * scaleX + dx); }
  float Y(float y) const { return float(y * scaleY + dy); }
};

}  // namespace zol
