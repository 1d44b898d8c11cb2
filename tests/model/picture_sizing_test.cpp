// The sizes chosen for pictures: texture levels, text paint scales and
// button face widths, and the button face names.
#include <gtest/gtest.h>

#include <limits>

#include "model/button_face.h"
#include "model/text_raster_scale.h"
#include "model/texture_level.h"

namespace zol {
namespace {

TEST(TextureLevel, HalvingsThatStayAboveTheDisplayedSize) {
  struct TCase {
    int width, height;
    TSizeF largest;
    int prepared;
    int want;
  };
  const TCase cases[] = {
      {4000, 3000, {750, 560}, -1, 1},  // targets 1000 x 747: 2000 x 1500 still above, 1000 x 750 not
      {4000, 3000, {3000, 2250}, -1, 0},
      {1600, 1280, {250, 200}, -1, 2},  // targets 333 x 267: 400 x 320 is the last above
      {1601, 1281, {150, 120}, -1, 3},  // rounding up: 801, 401, 201 x 641, 321, 161
      {8000, 8000, {10, 10}, -1, 3},    // no deeper than the stores go
      {4000, 3000, {0, 0}, -1, 0},      // not known yet
      {4000, 3000, {-5, 100}, -1, 0},
      {4000, 3000, {std::numeric_limits<float>::infinity(), 100}, -1, 0},
      {4000, 3000, {3000, 2250}, 2, 2},  // never below the prepared level
      {4000, 3000, {10, 10}, 1, 3},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(PictureTextureLevel(c.width, c.height, c.largest, c.prepared), c.want)
        << c.width << "x" << c.height << " at " << c.largest.width << "x" << c.largest.height;
}

TEST(TextRasterScale, HalvedUntilThePictureFits) {
  struct TCase {
    double scale, width, height;
    double want;
  };
  const TCase cases[] = {
      {2, 100, 20, 2},
      {400, 100, 1, 200},      // 40,000 wide; 20,000 fits
      {400, 1, 100, 200},      // the same upright
      {400, 100, 20, 50},      // the area: 80 M at 200, 20 M at 100, 5 M at 50
      {10, 2000, 2000, 1.25},  // area 400 M, 100 M, 25 M, 6.25 M
      {0, 100, 20, 1},         // no scale known: natural size
      {-3, 100, 20, 1},
      {std::numeric_limits<double>::quiet_NaN(), 100, 20, 1},
      {std::numeric_limits<double>::infinity(), 100, 20, 1},
  };
  for (const TCase& c : cases)
    EXPECT_DOUBLE_EQ(LimitTextRasterScale(c.scale, c.width, c.height), c.want) << c.scale << " " << c.width;
}

TEST(ButtonFace, WidthForTheLabel) {
  struct TCase {
    int height;
    double minWidth, offsetX;
    std::optional<TButtonLabelShape> label;
    int want;
  };
  const TCase cases[] = {
      {40, 0, 100, std::nullopt, 40},     // no label: at least square
      {40, 250, 100, std::nullopt, 100},  // h x BtnMinWidth / 100
      {40, 50, 100, std::nullopt, 40},
      {40, 251.3, 100, std::nullopt, 101},          // rounded
      {40, 0, 100, TButtonLabelShape{4, 20}, 168},  // (40 - 8) x 4 + 40
      {40, 500, 100, TButtonLabelShape{4, 20}, 200},
      {40, 0, 50, TButtonLabelShape{0.2, 20}, 40},  // 6 + 20 is less than square
      {40, 0, 0, TButtonLabelShape{3, 0}, 120},
      {0, 300, 100, std::nullopt, 0},
      {40, std::numeric_limits<double>::quiet_NaN(), 100, std::nullopt, 40},
      {40, 1e12, 100, std::nullopt, kMaxButtonFaceWidth},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ButtonFaceWidth(c.height, c.minWidth, c.offsetX, c.label), c.want)
        << c.height << " " << c.minWidth;
}

TEST(ButtonFace, NamesRoundTrip) {
  const TButtonFaceRequest requests[] = {{"aqua", 0, 120, 0, 0, 0}, {"Glass: blue", 2, 64, -180, 25, -100}};
  for (const TButtonFaceRequest& request : requests) {
    const std::string rest = EncodeButtonFace(request);
    EXPECT_EQ(DecodeButtonFace(rest), request) << rest;
  }
  EXPECT_EQ(EncodeButtonFace({"aqua", 1, 96, 10, -20, 30}), "aqua:1:96:10:-20:30");
  for (const char* bad : {"", "aqua", "aqua:1:96:10:-20", "aqua:1:96:x:-20:30", "aqua:1:96:10:-20:"})
    EXPECT_FALSE(DecodeButtonFace(bad)) << bad;
}

}  // namespace
}  // namespace zol
