// TObjectFrame: where an object lies in the slide's space after the geometry
// update: the origin (its pivot) and its three axes, in canvas pixels (x
// right, y down, z into the screen), depth already scaled by the slide's
// depth factor. A point (u, v, w) of the object's own plane lies at
// origin + u·X + v·Y + w·Z. Plain value; any thread.
#pragma once

#include <cmath>

#include "render/geometry.h"

namespace zol {

struct TObjectFrame {
  TPoint3F origin;
  TPoint3F xAxis{1, 0, 0};
  TPoint3F yAxis{0, 1, 0};
  TPoint3F zAxis{0, 0, 1};

  // The unrotated, unscaled frame with its origin at ORIGIN.
  static TObjectFrame At(TPoint3F origin) {
    TObjectFrame frame;
    frame.origin = origin;
    return frame;
  }

  TPoint3F Apply(double u, double v, double w = 0) const {
    return {float(origin.x + u * xAxis.x + v * yAxis.x + w * zAxis.x),
            float(origin.y + u * xAxis.y + v * yAxis.y + w * zAxis.y),
            float(origin.z + u * xAxis.z + v * yAxis.z + w * zAxis.z)};
  }

  friend bool operator==(const TObjectFrame&, const TObjectFrame&) = default;
};

}  // namespace zol
