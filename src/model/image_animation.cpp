#include "model/image_animation.h"

#include <algorithm>
#include <cmath>

#include "foundation/ini_value.h"

namespace zol {
namespace {

constexpr int32_t kDefaultInterval = 100;

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

int TImageAnimationParams::Cells() const {
  const int64_t cells = int64_t(std::max(columns, 1)) * std::max(rows, 1);
  return int(std::min<int64_t>(cells, kMaxAnimationFrames));
}

int TImageAnimationParams::FrameCount() const {
  return std::clamp(count, 0, Cells());
}

std::vector<int32_t> ReadFrameIntervals(const std::vector<std::string>& parts, int count) {
  count = std::clamp(count, 0, kMaxAnimationFrames);
  std::vector<int32_t> intervals;
  intervals.reserve(size_t(count));
  int32_t last = kDefaultInterval;
  for (int i = 0; i < count; ++i) {
    if (size_t(i) < parts.size()) {
      const int32_t value = TextToInt(Trimmed(parts[size_t(i)])).value_or(0);
      last = value < 1 ? kDefaultInterval : value;
    }
    intervals.push_back(last);
  }
  return intervals;
}

int AnimationFrame(const TImageAnimationParams& params, double nodeTime) {
  const int frames = std::min(params.FrameCount(), int(params.intervals.size()));
  if (!params.enabled || params.Cells() <= 1 || frames < 1) return 0;
  double total = 0;
  for (int i = 0; i < frames; ++i) total += std::max(params.intervals[size_t(i)], 1);
  const double x = std::max(0.0, nodeTime - params.offset);  // NaN lands on 0 too
  if (!(x > 0)) return 0;
  if (params.repCount > 0 && x > total * params.repCount) return frames - 1;
  // A frame that ends exactly at X is still the one shown, so a pass that
  // ends at X is not yet over.
  const double pass = std::ceil(x / total) - 1;
  const double within = x - pass * total;
  double end = 0;
  for (int i = 0; i < frames; ++i) {
    end += std::max(params.intervals[size_t(i)], 1);
    if (end >= within) return i;
  }
  return frames - 1;
}

TRectF AnimationCell(int frame, int columns, int rows, int width, int height) {
  columns = std::max(columns, 1);
  rows = std::max(rows, 1);
  const double cellWidth = double(width) / columns, cellHeight = double(height) / rows;
  const int column = frame % columns, row = frame / columns;
  return {float(cellWidth * column), float(cellHeight * row), float(cellWidth * (column + 1)),
          float(cellHeight * (row + 1))};
}

}  // namespace zol
