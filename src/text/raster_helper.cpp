#include "text/raster_helper.h"

#include <algorithm>

#include "text/text_error.h"

namespace zol {

void TRasterHelper::RequirePaint() const {
  if (!painting_) throw ETextError("No Previous Call of TRasterHelper.BeginPaint");
}

void TRasterHelper::BeginPaint(int width, int height) {
  if (painting_) throw ETextError("Previous TRasterHelper.BeginPaint not Closed");
  if (width <= 0 || height <= 0) throw ETextError("TRasterHelper.BeginPaint: W or H = 0");
  if (width > TScanlineRasterizer::kMaxSide || height > TScanlineRasterizer::kMaxSide ||
      int64_t(width) * height > kMaxPixels)
    throw ETextError("TRasterHelper.BeginPaint: bitmap too large (" + std::to_string(width) + " x " +
                     std::to_string(height) + ")");
  bitmap_.width = width;
  bitmap_.height = height;
  bitmap_.coverage.assign(size_t(width) * height, 0);
  painting_ = true;
}

void TRasterHelper::FillPath(const TPath& path, const TPathTransform& transform, TFillRule rule) {
  RequirePaint();
  rasterizer_.Begin(bitmap_.width, bitmap_.height);
  try {
    flattener_.AddPath(path, transform, rasterizer_);
  } catch (...) {
    rasterizer_.End();
    throw;
  }
  rasterizer_.Fill(rule, *this);
  rasterizer_.End();
}

void TRasterHelper::FillRect(float left, float top, float right, float bottom) {
  RequirePaint();
  if (!(right > left) || !(bottom > top)) return;
  TPath rect;
  rect.Add(left, top, kPathStart);
  rect.Add(right, top, kPathLineTo);
  rect.Add(right, bottom, kPathLineTo);
  rect.Add(left, bottom, kPathLineTo);
  FillPath(rect, TPathTransform{});
}

TCoverageBitmap TRasterHelper::EndPaint() {
  RequirePaint();
  painting_ = false;
  return std::move(bitmap_);
}

void TRasterHelper::Span(int row, const uint16_t* coverage, int first, int last) {
  uint16_t* out = bitmap_.Row(row);
  for (int x = first; x <= last; ++x)
    out[x] = uint16_t(std::min<int>(TCoverageBitmap::kFull, out[x] + coverage[x]));
}

}  // namespace zol
