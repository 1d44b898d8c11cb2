#include "model/image_frame_rect.h"

#include <algorithm>
#include <cmath>

#include "model/image_frame_values.h"

namespace zol {
namespace {

// Rounding of the float arithmetic may put an edge a hair outside.
constexpr double kEdgeTolerance = 0.001;

double Percent(float value) {
  return std::isfinite(value) ? value : 0.0;
}

}  // namespace

TImageFrame ComputeImageFrame(int width, int height, const TBorderParams& params) {
  if (width <= 0 || height <= 0) return {};  // no picture, nothing to frame
  const double w = width, h = height;
  double left = 0, top = 0, right = w, bottom = h;

  if (params.enableAspect) {
    const double own = w / h;
    const double aspect = params.aspect > 0.001 ? double(params.aspect) : own;
    if (aspect > own) {
      // Wider than the picture: full width, a band centred vertically.
      const double areaHeight = w / aspect;
      top = (h - areaHeight) / 2;
      bottom = top + areaHeight;
    } else {
      const double areaWidth = aspect * h;
      left = (w - areaWidth) / 2;
      right = left + areaWidth;
    }
    const double zoom = params.zoom > 0.001 && params.zoom <= 100 ? double(params.zoom) : 100.0;
    const double visibleWidth = (right - left) * zoom / 100, visibleHeight = (bottom - top) * zoom / 100;
    const double centreX = (left + right) / 2, centreY = (top + bottom) / 2;
    left = centreX - visibleWidth / 2 + ImageFrameShift(w, visibleWidth, params.offsetX);
    top = centreY - visibleHeight / 2 + ImageFrameShift(h, visibleHeight, params.offsetY);
    right = left + visibleWidth;
    bottom = top + visibleHeight;
  }

  TImageFrame frame;
  if (params.enableBorder) {
    const double border = (bottom - top) * Percent(params.borderWidth) / 100;
    frame.border = border > 0 ? float(border) : 0.0f;  // a negative border is no border
  }

  if (params.enableCrop) {
    const double visibleWidth = right - left, visibleHeight = bottom - top;
    left += visibleWidth * Percent(params.cropRect.left) / 100;
    right -= visibleWidth * Percent(params.cropRect.right) / 100;
    top += visibleHeight * Percent(params.cropRect.top) / 100;
    bottom -= visibleHeight * Percent(params.cropRect.bottom) / 100;
  }

  const bool inside = left >= -kEdgeTolerance && top >= -kEdgeTolerance && right <= w + kEdgeTolerance &&
                      bottom <= h + kEdgeTolerance && right > left && bottom > top;
  if (!inside) {
    left = top = 0;
    right = w;
    bottom = h;
  }
  frame.rect = {float(left), float(top), float(right), float(bottom)};
  frame.bordered = {float(right - left + 2 * double(frame.border)),
                    float(bottom - top + 2 * double(frame.border))};
  return frame;
}

}  // namespace zol
