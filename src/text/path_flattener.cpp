#include "text/path_flattener.h"

#include <algorithm>
#include <cmath>

#include "text/text_error.h"

namespace zol {
namespace {

[[noreturn]] void UnknownCommand() {
  throw ETextError("Unknown Path Command");
}

double Length(double x, double y) {
  return std::sqrt(x * x + y * y);
}

}  // namespace

int TPathFlattener::PiecesFor(double deviation) {
  if (!(deviation > kTolerance)) return 1;  // also catches NaN
  const double pieces = std::ceil(std::sqrt(deviation / kTolerance));
  return pieces >= kMaxPieces ? kMaxPieces : int(pieces);
}

void TPathFlattener::Quadratic(TPointF c, TPointF e) {
  const TPointF s = outline_.Current();
  // A uniform split into n pieces strays at most |s - 2c + e| / (4 n^2).
  const double bend = Length(s.x - 2.0 * c.x + e.x, s.y - 2.0 * c.y + e.y) / 4;
  const int n = PiecesFor(bend);
  for (int i = 1; i < n; ++i) {
    const double t = double(i) / n, u = 1 - t;
    outline_.AddPoint(float(u * u * s.x + 2 * u * t * c.x + t * t * e.x),
                      float(u * u * s.y + 2 * u * t * c.y + t * t * e.y));
  }
  outline_.AddPoint(e.x, e.y);
}

void TPathFlattener::Cubic(TPointF c1, TPointF c2, TPointF e) {
  const TPointF s = outline_.Current();
  // Bounded by 3/4 of the larger second difference of the control polygon.
  const double bend = 0.75 * std::max(Length(s.x - 2.0 * c1.x + c2.x, s.y - 2.0 * c1.y + c2.y),
                                      Length(c1.x - 2.0 * c2.x + e.x, c1.y - 2.0 * c2.y + e.y));
  const int n = PiecesFor(bend);
  for (int i = 1; i < n; ++i) {
    const double t = double(i) / n, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    outline_.AddPoint(float(a * s.x + b * c1.x + c * c2.x + d * e.x),
                      float(a * s.y + b * c1.y + c * c2.y + d * e.y));
  }
  outline_.AddPoint(e.x, e.y);
}

void TPathFlattener::AddPath(const TPath& path, const TPathTransform& transform,
                             TScanlineRasterizer& rasterizer) {
  const std::vector<TPathPoint>& points = path.Points();
  const size_t count = points.size();
  auto at = [&](size_t i) { return TPointF{transform.X(points[i].x), transform.Y(points[i].y)}; };
  // Every contour is new: nothing is left over from an earlier path.
  outline_.Reset();
  size_t i = 0;
  while (i < count) {
    switch (points[i].type) {
      case kPathStart:
        if (outline_.Started()) {
          outline_.Close();
          rasterizer.AddOutline(outline_);
        }
        outline_.Start(at(i).x, at(i).y);
        i += 1;
        break;
      case kPathLineTo:
        outline_.AddPoint(at(i).x, at(i).y);
        i += 1;
        break;
      case kPathQuadratic:
        if (i + 1 >= count || points[i + 1].type != kPathQuadratic) UnknownCommand();
        if (!outline_.Started() || outline_.Closed()) outline_.AddPoint(0, 0);  // raises
        Quadratic(at(i), at(i + 1));
        i += 2;
        break;
      case kPathCubic:
        if (i + 2 >= count || points[i + 1].type != kPathCubic || points[i + 2].type != kPathCubic)
          UnknownCommand();
        if (!outline_.Started() || outline_.Closed()) outline_.AddPoint(0, 0);  // raises
        Cubic(at(i), at(i + 1), at(i + 2));
        i += 3;
        break;
      default:
        UnknownCommand();
    }
  }
  if (outline_.Started()) {
    outline_.Close();
    rasterizer.AddOutline(outline_);
  }
}

}  // namespace zol
