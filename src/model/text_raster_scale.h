// The scale a text is painted at: the largest size it is ever displayed at,
// halved until the picture stays within what a texture and memory allow.
// Pure function; any thread.
#pragma once

namespace zol {

// SCALE (picture pixels per unit of the text's natural size) for a text of
// natural WIDTH x HEIGHT, halved while either side of the picture would pass
// 30,000 pixels or its area 10,000,000. A scale that is not a positive
// number gives 1.
double LimitTextRasterScale(double scale, double width, double height);

}  // namespace zol
