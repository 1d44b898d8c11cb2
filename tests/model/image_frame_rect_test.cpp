#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/image_frame_rect.h"

namespace zol {
namespace {

TEST(ImageFrameRect, AspectZoomOffsetsCropAndBorder) {
  struct TCase {
    std::string what;
    TBorderParams params;
    TRectF want;
    float border;
  };
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  const TCase cases[] = {
      {"plain: the whole picture", {}, {0, 0, 1000, 500}, 0},
      {"crop 10, 0, 10, 0", {.enableCrop = true, .cropRect = {10, 0, 10, 0}}, {100, 0, 900, 500}, 0},
      {"crop only when enabled", {.cropRect = {10, 0, 10, 0}}, {0, 0, 1000, 500}, 0},
      {"aspect 1: a centred square", {.enableAspect = true, .aspect = 1}, {250, 0, 750, 500}, 0},
      {"aspect 4: a centred band", {.enableAspect = true, .aspect = 4}, {0, 125, 1000, 375}, 0},
      {"aspect 0: the picture's own", {.enableAspect = true}, {0, 0, 1000, 500}, 0},
      {"aspect only when enabled", {.aspect = 1}, {0, 0, 1000, 500}, 0},
      {"zoom 50 around the centre", {.enableAspect = true, .aspect = 1, .zoom = 50}, {375, 125, 625, 375}, 0},
      {"zoom 50 shifted right and up",
       {.enableAspect = true, .aspect = 1, .zoom = 50, .offsetX = 100, .offsetY = -100},
       {750, 0, 1000, 250},
       0},
      {"offsets clamped to 100",
       {.enableAspect = true, .aspect = 1, .zoom = 50, .offsetX = 400},
       {750, 125, 1000, 375},
       0},
      {"zoom out of range is 100", {.enableAspect = true, .aspect = 1, .zoom = 150}, {250, 0, 750, 500}, 0},
      {"zoom only with aspect", {.zoom = 50, .offsetX = 100}, {0, 0, 1000, 500}, 0},
      {"border: percent of the height", {.enableBorder = true, .borderWidth = 10}, {0, 0, 1000, 500}, 50},
      {"border of a zoomed frame",
       {.enableBorder = true, .enableAspect = true, .borderWidth = 10, .aspect = 1, .zoom = 50},
       {375, 125, 625, 375},
       25},
      {"a negative border is none", {.enableBorder = true, .borderWidth = -10}, {0, 0, 1000, 500}, 0},
      {"crop leaving nothing: whole", {.enableCrop = true, .cropRect = {60, 0, 60, 0}}, {0, 0, 1000, 500}, 0},
      {"crop leaving the picture: whole",
       {.enableCrop = true, .cropRect = {-10, 0, 0, 0}},
       {0, 0, 1000, 500},
       0},
      {"crop of an aspect frame",
       {.enableCrop = true, .enableAspect = true, .cropRect = {0, 10, 0, 10}, .aspect = 1},
       {250, 50, 750, 450},
       0},
      {"a NaN crop is no crop", {.enableCrop = true, .cropRect = {kNaN, 0, 0, 0}}, {0, 0, 1000, 500}, 0},
  };
  for (const TCase& c : cases) {
    const TImageFrame frame = ComputeImageFrame(1000, 500, c.params);
    EXPECT_NEAR(frame.rect.left, c.want.left, 1e-3) << c.what;
    EXPECT_NEAR(frame.rect.top, c.want.top, 1e-3) << c.what;
    EXPECT_NEAR(frame.rect.right, c.want.right, 1e-3) << c.what;
    EXPECT_NEAR(frame.rect.bottom, c.want.bottom, 1e-3) << c.what;
    EXPECT_NEAR(frame.border, c.border, 1e-3) << c.what;
    EXPECT_NEAR(frame.bordered.width, c.want.Width() + 2 * c.border, 1e-3) << c.what;
    EXPECT_NEAR(frame.bordered.height, c.want.Height() + 2 * c.border, 1e-3) << c.what;
  }
}

TEST(ImageFrameRect, EmptyPicturesGiveAnEmptyFrame) {
  TBorderParams params;
  params.enableAspect = params.enableBorder = params.enableCrop = true;
  params.aspect = 1;
  params.cropRect = {10, 10, 10, 10};
  for (auto [w, h] : {std::pair{0, 0}, std::pair{0, 100}, std::pair{-5, -5}}) {
    const TImageFrame frame = ComputeImageFrame(w, h, params);
    EXPECT_EQ(frame.bordered, (TSizeF{0, 0})) << w << "x" << h;
  }
}

}  // namespace
}  // namespace zol
