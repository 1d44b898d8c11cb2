#include "model/texture_level.h"

#include <algorithm>
#include <cmath>

namespace zol {
namespace {

// Room above the displayed size so that a slightly larger display, or
// filtering, still finds enough pixels.
constexpr double kTargetMargin = 1.3333;

}  // namespace

int PictureTextureLevel(int width, int height, TSizeF largest, int preparedLevel) {
  int level = 0;
  if (largest.width > 0 && largest.height > 0 && std::isfinite(largest.width) &&
      std::isfinite(largest.height)) {
    const double targetWidth = std::max(1.0, std::round(kTargetMargin * largest.width));
    const double targetHeight = std::max(1.0, std::round(kTargetMargin * largest.height));
    double w = width, h = height;
    int halvings = 0;
    // Each halving rounds up, as the picture stores reduce their sides.
    while (w > targetWidth && h > targetHeight && halvings <= kMaxTextureLevel) {
      w = std::ceil(w / 2);
      h = std::ceil(h / 2);
      ++halvings;
    }
    level = std::clamp(halvings - 1, 0, kMaxTextureLevel);
  }
  return std::max(level, std::min(preparedLevel, kMaxTextureLevel));
}

}  // namespace zol
