// The frame rectangle of a picture: which part of it an image object shows
// (forced aspect, zoom and offsets, crop) and the border drawn around that
// part. Plain values and a pure function; any thread.
#pragma once

#include <cstdint>

#include "render/geometry.h"

namespace zol {

// How an image frames its picture. The copy that gives the content size
// keeps zoom 100 and no offsets; the drawing copy takes the current
// Frame.S, Frame.X and Frame.Y.
struct TBorderParams {
  bool enableBorder = false;
  bool enableCrop = false;
  bool enableAspect = false;
  float borderWidth = 1.5f;           // percent of the visible height
  uint32_t borderColor = 0xFFFFFFFF;  // ARGB as stored
  TRectF cropRect{};                  // percent of the visible size trimmed from each side
  float aspect = 0;                   // forced width / height; 0: the picture's own
  float zoom = 100;                   // percent of the area that stays visible
  float offsetX = 0;                  // percent of the free margin, -100 .. 100
  float offsetY = 0;
};

struct TImageFrame {
  TRectF rect;       // the shown part, picture pixels
  float border = 0;  // width of the border around it, picture pixels
  TSizeF bordered;   // the rectangle grown by the border on every side
};

// The frame of a WIDTH x HEIGHT picture. A result that would leave the
// picture (or has no area) falls back to the whole picture.
TImageFrame ComputeImageFrame(int width, int height, const TBorderParams& params);

}  // namespace zol
