// The image-frame fields (Frame.S, Frame.X, Frame.Y) turned into what the
// frame rectangle of a picture needs: the zoom percentage of the visible
// part and its shift inside the picture. Pure functions; any thread.
#pragma once

namespace zol {

struct TImageFrameValues {
  float zoom = 100;   // percent of the area that stays visible (100: all of it)
  float offsetX = 0;  // percent of the free margin, -100 .. 100
  float offsetY = 0;
};

// From the current Zoom (Frame.S) and offsets. Zoom outside (0.001, 100]
// after conversion counts as 100, so zooms below 100 % never zoom out.
TImageFrameValues ImageFrameValues(float frameZoom, float frameX, float frameY);

// The shift of the visible part along one axis: the free margin
// (PICTURE - VISIBLE) / 2 times OFFSET percent.
double ImageFrameShift(double picture, double visible, float offset);

}  // namespace zol
