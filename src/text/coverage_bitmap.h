// TCoverageBitmap: how much of each pixel a paint covered, 0 (nothing) to 256
// (wholly), rows top first. The result of TRasterHelper; a plain value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zol {

struct TCoverageBitmap {
  static constexpr uint16_t kFull = 256;

  int width = 0;
  int height = 0;
  std::vector<uint16_t> coverage;  // width * height

  uint16_t At(int x, int y) const { return coverage[size_t(y) * width + x]; }
  uint16_t* Row(int y) { return coverage.data() + size_t(y) * width; }
  const uint16_t* Row(int y) const { return coverage.data() + size_t(y) * width; }
};

}  // namespace zol
