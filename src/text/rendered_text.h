// TRenderedText: a text painted at one scale: the picture, where the text's
// box and first baseline sit in it, the line height, and the rectangles of
// the glyph runs, which decide where the text can be clicked. A plain value;
// the picture is shared by reference.
#pragma once

#include <vector>

#include "foundation/ref.h"
#include "render/geometry.h"
#include "render/pixel_image.h"

namespace zol {

struct TRenderedText {
  TRef<TPixelImage> picture;  // ARGB; null when painting was stopped
  double scale = 1;
  TRectF textRect;       // the lines' boxes, picture pixels (overhangs and border outside)
  TPointF glyphOrigin;   // start of the first line's baseline before alignment, picture pixels
  double lineHeight = 0; // ascent + descent at the scale
  std::vector<TRectF> runRects;  // glyph runs, picture pixels

  // Whether (X, Y), in picture pixels, lies on a glyph run.
  bool HitTest(float x, float y) const {
    for (const TRectF& r : runRects)
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
  }
};

}  // namespace zol
