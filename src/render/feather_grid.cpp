#include "render/feather_grid.h"

#include <cmath>

namespace zol {
namespace {

struct V2 {
  double x = 0, y = 0;
};
V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
double Dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
double Length(V2 a) { return std::sqrt(Dot(a, a)); }

constexpr double kMinEdgePixels = 0.1;
constexpr double kMaxNeighbourCosine = 0.9;

// The point whose distance is one pixel from both lines through the origin
// with unit normals A and B: M · A = 1 and M · B = 1.
bool Mitre(V2 a, V2 b, V2& m) {
  double det = a.x * b.y - a.y * b.x;
  if (std::fabs(det) < 1e-9) return false;
  m = {(b.y - a.y) / det, (a.x - b.x) / det};
  return true;
}

}  // namespace

bool FeatherCellDrawn(int column, int row, int edgeFlags) {
  const bool left = edgeFlags & kFeatherLeft, top = edgeFlags & kFeatherTop, right = edgeFlags & kFeatherRight,
             bottom = edgeFlags & kFeatherBottom;
  if (column == 1 && row == 1) return true;
  if (column == 1) return row == 0 ? top : bottom;
  if (row == 1) return column == 0 ? left : right;
  const int edges = int(left) + int(top) + int(right) + int(bottom);
  if (edges == 1) return false;  // a lone edge ends where the quad ends
  const bool vertical = column == 0 ? left : right, horizontal = row == 0 ? top : bottom;
  return vertical || horizontal;
}

TFeatherGrid ComputeFeatherGrid(const float clip[3][4], const TRect& viewport, int edgeFlags) {
  TFeatherGrid grid;
  const int inner[4] = {5, 6, 9, 10};
  const TPointF innerSt[4] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  for (int i = 0; i < 4; ++i) grid.st[inner[i]] = innerSt[i];
  // Until proven feasible the outer ring sits on the corners: cells that are
  // not drawn need no place of their own.
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) {
      int r = row < 1 ? 1 : row > 2 ? 2 : row, c = col < 1 ? 1 : col > 2 ? 2 : col;
      grid.st[row * 4 + col] = grid.st[r * 4 + c];
    }
  grid.edgeFlags = 0;
  if ((edgeFlags & kFeatherAll) == 0 || viewport.IsEmpty()) return grid;

  // The clip position is linear in (s, t).
  double c0[4], ds[4], dt[4];
  for (int k = 0; k < 4; ++k) {
    c0[k] = clip[0][k];
    ds[k] = double(clip[1][k]) - clip[0][k];
    dt[k] = double(clip[2][k]) - clip[0][k];
  }
  const double vx = viewport.left, vy = viewport.top, vw = viewport.Width(), vh = viewport.Height();
  auto toScreen = [&](double s, double t, V2& out) {
    double x = c0[0] + s * ds[0] + t * dt[0], y = c0[1] + s * ds[1] + t * dt[1], w = c0[3] + s * ds[3] + t * dt[3];
    if (w <= 1e-9) return false;  // behind the eye: no screen position
    out = {vx + (x / w + 1) * 0.5 * vw, vy + (1 - y / w) * 0.5 * vh};
    return true;
  };
  // The (s, t) whose projection is the screen point P, on the quad's plane.
  auto toQuad = [&](V2 p, TPointF& st) {
    const double a = 2 * (p.x - vx) / vw - 1, b = 1 - 2 * (p.y - vy) / vh;
    const double a11 = ds[0] - a * ds[3], a12 = dt[0] - a * dt[3], r1 = a * c0[3] - c0[0];
    const double a21 = ds[1] - b * ds[3], a22 = dt[1] - b * dt[3], r2 = b * c0[3] - c0[1];
    const double det = a11 * a22 - a12 * a21;
    if (std::fabs(det) < 1e-12) return false;
    const double s = (r1 * a22 - a12 * r2) / det, t = (a11 * r2 - r1 * a21) / det;
    if (c0[3] + s * ds[3] + t * dt[3] <= 1e-9 || !std::isfinite(s) || !std::isfinite(t)) return false;
    st = {float(s), float(t)};
    return true;
  };

  V2 s00, s10, s01, s11;
  if (!toScreen(0, 0, s00) || !toScreen(1, 0, s10) || !toScreen(0, 1, s01) || !toScreen(1, 1, s11)) return grid;
  // Edges around the quad: top, right, bottom, left.
  const V2 corner[4] = {s00, s10, s11, s01};
  V2 direction[4];
  for (int e = 0; e < 4; ++e) {
    direction[e] = corner[(e + 1) % 4] - corner[e];
    if (Length(direction[e]) < kMinEdgePixels) return grid;
  }
  for (int e = 0; e < 4; ++e) {
    const V2 a = direction[e], b = direction[(e + 1) % 4];
    if (std::fabs(Dot(a, b)) / (Length(a) * Length(b)) > kMaxNeighbourCosine) return grid;
  }
  // Outward normals: which side is outside follows the winding on screen.
  double area = 0;
  for (int e = 0; e < 4; ++e) area += corner[e].x * corner[(e + 1) % 4].y - corner[(e + 1) % 4].x * corner[e].y;
  V2 normal[4];
  for (int e = 0; e < 4; ++e) {
    const double len = Length(direction[e]);
    const V2 d = {direction[e].x / len, direction[e].y / len};
    normal[e] = area > 0 ? V2{d.y, -d.x} : V2{-d.y, d.x};
  }
  const V2 top = normal[0], right = normal[1], bottom = normal[2], left = normal[3];
  V2 mTopLeft, mTopRight, mBottomRight, mBottomLeft;
  if (!Mitre(left, top, mTopLeft) || !Mitre(top, right, mTopRight) || !Mitre(right, bottom, mBottomRight) ||
      !Mitre(bottom, left, mBottomLeft))
    return grid;

  const struct {
    int index;
    V2 point;
  } ring[12] = {
      {0, s00 + mTopLeft},     {1, s00 + top},     {4, s00 + left},
      {3, s10 + mTopRight},    {2, s10 + top},     {7, s10 + right},
      {12, s01 + mBottomLeft}, {13, s01 + bottom}, {8, s01 + left},
      {15, s11 + mBottomRight}, {14, s11 + bottom}, {11, s11 + right},
  };
  TFeatherGrid feathered = grid;
  for (const auto& r : ring)
    if (!toQuad(r.point, feathered.st[r.index])) return grid;
  feathered.edgeFlags = edgeFlags & kFeatherAll;
  return feathered;
}

}  // namespace zol
