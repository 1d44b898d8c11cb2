#include "model/text_raster_scale.h"

#include <cmath>

namespace zol {
namespace {

constexpr double kMaxSide = 30000;
constexpr double kMaxArea = 10000000;

}  // namespace

double LimitTextRasterScale(double scale, double width, double height) {
  if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
  if (!std::isfinite(width) || width < 0) width = 0;
  if (!std::isfinite(height) || height < 0) height = 0;
  while (scale * height > kMaxSide || scale * width > kMaxSide || width * height * scale * scale > kMaxArea)
    scale /= 2;
  return scale;
}

}  // namespace zol
