// The colour cube of transform tables: 32 steps per channel laid out as a
// bitmap of 32 columns × 1024 rows (row r × 32 + g, column b), where step n
// stands for the 8-bit value n × 8 + (n >> 2). A transformed cube maps any
// colour by interpolating between its steps. Pure functions; any thread.
#pragma once

#include <cstdint>

#include "foundation/ref.h"
#include "render/pixel_image.h"

namespace zol {

constexpr int kCubeSteps = 32;
constexpr int kCubeWidth = kCubeSteps;
constexpr int kCubeHeight = kCubeSteps * kCubeSteps;

constexpr uint8_t CubeStepValue(int step) {
  return uint8_t(step * 8 + (step >> 2));
}

// The cube that maps every colour to itself (kRGB32).
TRef<TPixelImage> MakeIdentityCube();

// Whether BITMAP has the cube's shape.
bool IsCubeBitmap(const TPixelImage& bitmap);

// The colour ARGB as CUBE maps it (trilinear between the steps); alpha kept.
uint32_t MapColorThroughCube(uint32_t argb, const TPixelImage& cube);

// Every pixel of BITMAP (kRGB32 or kARGB32) mapped through CUBE in place.
void MapBitmapThroughCube(TPixelImage& bitmap, const TPixelImage& cube);

}  // namespace zol
