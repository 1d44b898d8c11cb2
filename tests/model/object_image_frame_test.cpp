#include <gtest/gtest.h>

#include "model/image_frame_values.h"

namespace zol {
namespace {

TEST(ImageFrameValues, ZoomAndOffsets) {
  struct TCase {
    float zoom, x, y;
    float wantZoom, wantX, wantY;
  };
  const TCase cases[] = {
      {100, 0, 0, 100, 0, 0},  {200, 50, -50, 50, 50, -50},
      {400, 0, 0, 25, 0, 0},   {50, 0, 0, 100, 0, 0},  // below 100 % never zooms out
      {0, 0, 0, 100, 0, 0},    {-100, 0, 0, 100, 0, 0},
      {1e9f, 0, 0, 100, 0, 0}, {100, 150, -300, 100, 100, -100},
  };
  for (const TCase& c : cases) {
    const TImageFrameValues v = ImageFrameValues(c.zoom, c.x, c.y);
    EXPECT_FLOAT_EQ(v.zoom, c.wantZoom) << c.zoom;
    EXPECT_FLOAT_EQ(v.offsetX, c.wantX) << c.x;
    EXPECT_FLOAT_EQ(v.offsetY, c.wantY) << c.y;
  }
  EXPECT_DOUBLE_EQ(ImageFrameShift(1000, 500, 100), 250);
  EXPECT_DOUBLE_EQ(ImageFrameShift(1000, 500, -50), -125);
  EXPECT_DOUBLE_EQ(ImageFrameShift(1000, 500, 400), 250);
}

}  // namespace
}  // namespace zol
