// The pool of large bitmap blocks: reuse, its limits, and that a reused
// block never shows an earlier picture through a partly decoded one.
#include <gtest/gtest.h>

#include <png.h>

#include <cstring>

#include "image/bitmap_pool.h"
#include "image/decoded_bitmap.h"
#include "image/picture_fixtures.h"
#include "render/color.h"

namespace zol {
namespace {

constexpr size_t kMb = size_t(1) << 20;

TEST(BitmapPool, AFreedLargeBlockServesTheNextPictureOfASimilarSize) {
  TBitmapPool& pool = TBitmapPool::Process();
  const struct {
    size_t size;
    bool reused;
  } cases[] = {{40 * kMb, true}, {30 * kMb, true}, {50 * kMb, false}, {19 * kMb, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size / kMb);
    pool.Trim();
    TBitmapPool::TBlock freed = pool.Take(40 * kMb);
    const uint8_t* memory = freed.bytes.get();
    pool.Give(std::move(freed));
    EXPECT_EQ(pool.KeptBytes(), 40 * kMb);
    TBitmapPool::TBlock block = pool.Take(c.size);
    EXPECT_EQ(block.bytes.get() == memory, c.reused);
    EXPECT_GE(block.capacity, c.size);
  }
  pool.Trim();
  EXPECT_EQ(pool.KeptBytes(), 0u);
}

TEST(BitmapPool, KeepsFewBlocksAndNoSmallOnes) {
  TBitmapPool& pool = TBitmapPool::Process();
  pool.Trim();
  pool.Give(pool.Take(1 * kMb));
  EXPECT_EQ(pool.KeptBytes(), 0u);
  for (int i = 0; i < 5; ++i) pool.Give(pool.Take(300 * kMb + size_t(i)));
  EXPECT_LE(pool.KeptBytes(), TBitmapPool::kMaxKeptBytes);
  pool.Trim();
  for (int i = 0; i < 5; ++i) pool.Give({std::make_unique<uint8_t[]>(8 * kMb), 8 * kMb});
  EXPECT_EQ(pool.KeptBytes(), TBitmapPool::kMaxKeptBlocks * 8 * kMb);
  pool.Trim();
}

TEST(BitmapPool, APictureCutShortShowsBlackWhereItEndsNotAnEarlierPicture) {
  TBitmapPool::Process().Trim();
  const int side = 1024;  // 4 MB of pixels: pooled
  {
    auto earlier = MakeRef<TDecodedBitmap>(side, side, TPixelFormat::kRGB32, false);
    for (int y = 0; y < side; ++y) std::memset(earlier->ScanLine(y), 0xAB, size_t(side) * 4);
  }
  ASSERT_GT(TBitmapPool::Process().KeptBytes(), 0u);
  // Noise, so that the file holds many chunks and the cut falls among the rows.
  auto noise = MakeRef<TPixelImage>(side, side, TPixelFormat::kRGB32);
  uint32_t seed = 1;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) noise->SetPixel(x, y, OpaqueColor(seed = seed * 1664525u + 1013904223u));
  const std::string png = test::EncodePngFixture(*noise, PNG_COLOR_TYPE_RGB, 8);
  TRef<TBitmapStore> store = test::OpenPicture(png.substr(0, png.size() * 6 / 10), "cut.png");
  ASSERT_TRUE(store);
  TRef<TPixelImage> bitmap = store->GetBitmap(0);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->GetPixel(side / 2, side - 1), kOpaqueBlack);
  EXPECT_EQ(bitmap->GetPixel(7, 0), noise->GetPixel(7, 0));
  EXPECT_EQ(bitmap->GetPixel(7, side / 2), noise->GetPixel(7, side / 2));
  TBitmapPool::Process().Trim();
}

}  // namespace
}  // namespace zol
