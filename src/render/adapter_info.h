// TAdapterInfo: what a renderer is created with: the monitor of its adapter,
// refresh rate, display pixel-format code and adapter index (28 bytes).
#pragma once

#include <cstdint>

#include "render/geometry.h"

namespace zol {

// Display pixel-format codes.
enum : int32_t {
  kDisplayFormatX8R8G8B8 = 22,
  kDisplayFormatR5G6B5 = 23,
};

struct TAdapterInfo {
  TRect monitor;
  int32_t refreshRate = 0;  // Hz
  int32_t format = 0;
  int32_t adapter = 0;
};
static_assert(sizeof(TAdapterInfo) == 28);

}  // namespace zol
