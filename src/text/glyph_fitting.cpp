#include "text/glyph_fitting.h"

namespace zol {

void FitGlyphOutline(TPath& path, double a, double b) {
  if (path.Empty() || b <= 0) return;
  const TRectF box = path.Bounds();
  double left = box.left, right = box.right;
  if (left < a) {
    const double shift = a - left;
    for (TPathPoint& p : path.Points()) p.x = float(p.x + shift);
    left += shift;
    right += shift;
  }
  if (right > a + b && right > left) {
    const double squeeze = (a + b - left) / (right - left);
    for (TPathPoint& p : path.Points()) p.x = float(left + (p.x - left) * squeeze);
  }
}

}  // namespace zol
