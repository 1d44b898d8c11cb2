// TRasterHelper: paints outlines into a coverage bitmap: BeginPaint(w, h),
// any number of FillPath/FillRect, EndPaint. Overlapping fills add up (so
// glyphs that join, as in connected scripts, leave no seam), saturating at
// full coverage. One painter per text being drawn; one thread at a time.
#pragma once

#include <cstdint>

#include "text/coverage_bitmap.h"
#include "text/fill_rule.h"
#include "text/path.h"
#include "text/path_flattener.h"
#include "text/path_transform.h"
#include "text/scanline_rasterizer.h"
#include "text/span_sink.h"

namespace zol {

class TRasterHelper : private TSpanSink {
 public:
  // The largest bitmap a paint may ask for (pixels); larger ones fail rather
  // than exhaust memory.
  static constexpr int64_t kMaxPixels = int64_t(1) << 26;

  // Fails with "Previous TRasterHelper.BeginPaint not Closed" while a paint is
  // open and with "TRasterHelper.BeginPaint: W or H = 0" for an empty size.
  void BeginPaint(int width, int height);
  // Fills PATH placed by TRANSFORM. A path that fails (unknown command,
  // points before a contour start) adds nothing and the paint stays open.
  void FillPath(const TPath& path, const TPathTransform& transform, TFillRule rule = TFillRule::NonZero);
  // Fills the rectangle (bitmap pixels).
  void FillRect(float left, float top, float right, float bottom);
  // The coverage painted since BeginPaint; fails with "No Previous Call of
  // TRasterHelper.BeginPaint" when no paint is open.
  TCoverageBitmap EndPaint();

  bool Painting() const { return painting_; }

 private:
  void Span(int row, const uint16_t* coverage, int first, int last) override;
  void RequirePaint() const;

  bool painting_ = false;
  TCoverageBitmap bitmap_;
  TScanlineRasterizer rasterizer_;
  TPathFlattener flattener_;
};

}  // namespace zol
