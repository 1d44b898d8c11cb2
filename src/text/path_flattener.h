// TPathFlattener: turns a TPath into straight-edged contours for the
// rasteriser, subdividing quadratic and cubic pieces finely enough that no
// piece strays more than kTolerance pixels from its curve. Owned by one
// painter; one thread at a time.
#pragma once

#include "text/outline.h"
#include "text/path.h"
#include "text/path_transform.h"
#include "text/scanline_rasterizer.h"

namespace zol {

class TPathFlattener {
 public:
  // Half a sub-sample: finer than the rasteriser can see.
  static constexpr double kTolerance = 1.0 / 32;
  // A bound on the pieces of one curve, whatever its size or damage.
  static constexpr int kMaxPieces = 256;

  // Adds the contours of PATH, placed by TRANSFORM. Fails with
  // "Unknown Path Command" on a command it does not know (or a curve whose
  // points are cut short), and with TOutline's error on points before the
  // first contour start.
  void AddPath(const TPath& path, const TPathTransform& transform, TScanlineRasterizer& rasterizer);

  // How many straight pieces a curve whose control polygon bends by
  // DEVIATION pixels needs (exposed for the tests).
  static int PiecesFor(double deviation);

 private:
  void Quadratic(TPointF c, TPointF e);
  void Cubic(TPointF c1, TPointF c2, TPointF e);

  TOutline outline_;
};

}  // namespace zol
