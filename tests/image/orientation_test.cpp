// Turning pictures as a show's rotation map asks, and the reduced copies of
// levels.
#include <gtest/gtest.h>

#include "image/bitmap_rotation.h"
#include "image/bitmap_scaling.h"
#include "image/memory_bitmap_store.h"
#include "image/oriented_store.h"
#include "image/picture_fixtures.h"
#include "render/color.h"

namespace zol {
namespace {

// A 3 × 2 picture whose pixels are numbered 1 … 6 in reading order.
TRef<TPixelImage> Numbered() {
  auto picture = MakeRef<TPixelImage>(3, 2, TPixelFormat::kRGB32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) picture->SetPixel(x, y, PackColor(uint8_t(1 + y * 3 + x), 0, 0, 255));
  return picture;
}

std::vector<std::vector<int>> Rows(const TPixelImage& picture) {
  std::vector<std::vector<int>> rows;
  for (int y = 0; y < picture.Height(); ++y) {
    rows.emplace_back();
    for (int x = 0; x < picture.Width(); ++x) rows.back().push_back(ColorR(picture.GetPixel(x, y)));
  }
  return rows;
}

TEST(Orientation, EachTurnPlacesThePixelsAsExifOrientationSays) {
  // 1 2 3
  // 4 5 6
  const std::pair<TImageTransform, std::vector<std::vector<int>>> cases[] = {
      {TImageTransform::Rotate180, {{6, 5, 4}, {3, 2, 1}}},
      {TImageTransform::QuarterRight, {{4, 1}, {5, 2}, {6, 3}}},  // orientation 6: a clockwise turn
      {TImageTransform::QuarterLeft, {{3, 6}, {2, 5}, {1, 4}}},   // orientation 8: counter-clockwise
  };
  for (const auto& [transform, expected] : cases) {
    SCOPED_TRACE(int(transform));
    EXPECT_EQ(Rows(*RotateBitmap(*Numbered(), transform)), expected);
    auto store = MakeRef<TOrientedStore>(MakeRef<TMemoryBitmapStore>("n.bmp", Numbered()), transform);
    EXPECT_EQ(store->Width(), SwapsSides(transform) ? 2 : 3);
    EXPECT_EQ(store->Height(), SwapsSides(transform) ? 3 : 2);
    EXPECT_EQ(Rows(*store->GetBitmap(0)), expected);
  }
}

TEST(Scaling, EachLevelAveragesTheBlocksItCovers) {
  auto picture = MakeRef<TPixelImage>(5, 3, TPixelFormat::kRGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      picture->SetPixel(x, y, PackColor(uint8_t(x * 50), uint8_t(y * 100), 10, 255));
  TRef<TPixelImage> half = ShrinkBitmap(*picture, 1);
  ASSERT_EQ(half->Width(), 3);
  ASSERT_EQ(half->Height(), 2);
  EXPECT_EQ(half->GetPixel(0, 0), PackColor(25, 50, 10, 255));
  EXPECT_EQ(half->GetPixel(2, 0), PackColor(200, 50, 10, 255));  // the last column alone
  EXPECT_EQ(half->GetPixel(2, 1), PackColor(200, 200, 10, 255));
  EXPECT_EQ(ShrinkBitmap(*picture, 3)->Width(), 1);
}

TEST(Scaling, TransparentPixelsDoNotDarkenTheirNeighbours) {
  auto picture = MakeRef<TPixelImage>(2, 2, TPixelFormat::kARGB32);
  picture->SetPixel(0, 0, 0xFFFF0000);
  picture->SetPixel(1, 0, 0x00000000);
  picture->SetPixel(0, 1, 0x00000000);
  picture->SetPixel(1, 1, 0x00000000);
  EXPECT_EQ(ShrinkBitmap(*picture, 1)->GetPixel(0, 0), PackColor(255, 0, 0, 64));
}

}  // namespace
}  // namespace zol
