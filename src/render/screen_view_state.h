// TScreenViewState: what SaveView copies out of a screen and RestoreView puts
// back: viewport, canvas, clip and camera.
#pragma once

#include "render/geometry.h"

namespace zol {

// The camera: which part of the canvas the current target shows.
struct TScreenCamera {
  float offsetX = 0, offsetY = 0;
  float scaleX = 1, scaleY = 1;  // view size / canvas size
  float canvasWidth = 0, canvasHeight = 0;
};

struct TScreenViewState {
  TRect viewport;
  float minZ = 0, maxZ = 1;
  TRect canvas;
  TRect clip;
  TScreenCamera camera;
};

}  // namespace zol
