// TMatrix3: the 3 x 3 rotation-scale matrix of an object, used with row
// vectors like every transform the renderer takes (v' = v * M): row i is
// where the object's axis i ends up. Plain value; any thread.
#pragma once

#include "render/geometry.h"

namespace zol {

struct TMatrix3 {
  double m[3][3] = {};

  static TMatrix3 Identity() {
    TMatrix3 r;
    for (int i = 0; i < 3; ++i) r.m[i][i] = 1;
    return r;
  }

  // A * B: A applied first, then B.
  friend TMatrix3 operator*(const TMatrix3& a, const TMatrix3& b) {
    TMatrix3 r;
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return r;
  }

  TPoint3F Row(int i) const { return {float(m[i][0]), float(m[i][1]), float(m[i][2])}; }
};

}  // namespace zol
