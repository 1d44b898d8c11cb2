// TMatrix4: a 4 x 4 single-float matrix used with row vectors (v' = v * M),
// the convention of every transform the renderer takes. Plain value.
#pragma once

namespace zol {

struct TMatrix4 {
  float m[4][4] = {};

  static TMatrix4 Identity() {
    TMatrix4 r;
    for (int i = 0; i < 4; ++i) r.m[i][i] = 1;
    return r;
  }

  // A * B: applying A first, then B, to a row vector.
  friend TMatrix4 operator*(const TMatrix4& a, const TMatrix4& b) {
    TMatrix4 r;
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) {
        float s = 0;
        for (int k = 0; k < 4; ++k) s += a.m[i][k] * b.m[k][j];
        r.m[i][j] = s;
      }
    return r;
  }

  // (x, y, z, 1) * M, as four components.
  void Transform(float x, float y, float z, float out[4]) const {
    for (int j = 0; j < 4; ++j) out[j] = x * m[0][j] + y * m[1][j] + z * m[2][j] + m[3][j];
  }
};

}  // namespace zol
