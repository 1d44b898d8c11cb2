#include "model/image_frame_values.h"

#include <algorithm>
#include <cmath>

namespace zol {
namespace {

float ClampOffset(float offset) {
  return std::isfinite(offset) ? std::clamp(offset, -100.0f, 100.0f) : 0.0f;
}

}  // namespace

TImageFrameValues ImageFrameValues(float frameZoom, float frameX, float frameY) {
  TImageFrameValues values;
  const double zoom = 100 / (double(frameZoom) * 0.01);
  values.zoom = zoom > 0.001 && zoom <= 100 ? float(zoom) : 100.0f;
  values.offsetX = ClampOffset(frameX);
  values.offsetY = ClampOffset(frameY);
  return values;
}

double ImageFrameShift(double picture, double visible, float offset) {
  return (picture - visible) / 2 * ClampOffset(offset) / 100;
}

}  // namespace zol
