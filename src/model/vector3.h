// TVector3: double-precision 3D vector arithmetic for the geometry of show
// objects (facing, hit tests, sizes); frames are stored as floats, worked on
// as doubles. Plain value; any thread.
#pragma once

#include <cmath>

#include "render/geometry.h"

namespace zol {

struct TVector3 {
  double x = 0, y = 0, z = 0;

  TVector3() = default;
  TVector3(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
  TVector3(const TPoint3F& p) : x(p.x), y(p.y), z(p.z) {}  // NOLINT: a widening conversion

  TVector3 operator+(const TVector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  TVector3 operator-(const TVector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  TVector3 operator*(double s) const { return {x * s, y * s, z * s}; }
  double Length() const { return std::sqrt(x * x + y * y + z * z); }
};

inline double Dot(const TVector3& a, const TVector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline TVector3 Cross(const TVector3& a, const TVector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace zol
