// TObjectShadow: the drop-shadow settings every show object reads; the kinds
// that draw shadows hand them to the shadow producer. Plain value.
#pragma once

#include <cstdint>

namespace zol {

struct TObjectShadow {
  bool enabled = false;
  float size = 16;            // blur size
  uint32_t color = 0;         // 0xRRGGBB as stored
  uint32_t displayColor = 0;  // the same in the display's colour space
  float opacity = 59;         // percent
  float distance = 1.5f;      // offset distance
  double angle = 45;          // offset direction, degrees
  int32_t spreadIndex = 0;    // spread preset
  bool follows3D = false;     // "3DShadow": the shadow takes the object's 3D placement
};

}  // namespace zol
