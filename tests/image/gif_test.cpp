// GIF pictures: the first frame, its transparent colour, interlacing, and
// damaged files.
#include <gtest/gtest.h>

#include "image/gif_store.h"
#include "image/picture_fixtures.h"
#include "render/color.h"

namespace zol {
namespace {

const std::vector<uint32_t> kColours = {0xFF102030, 0xFFA0B0C0, 0xFF00FF00, 0xFFFF00FF, 0xFF808080};

TEST(Gif, TheFirstFrameDecodesToThePicture) {
  auto picture = test::PalettePicture(21, 13, kColours);
  for (bool interlaced : {false, true}) {
    SCOPED_TRACE(interlaced ? "interlaced" : "plain");
    TRef<TBitmapStore> store = test::OpenPicture(test::EncodeGifFixture(*picture, interlaced), "anim.gif");
    ASSERT_TRUE(store);
    EXPECT_EQ(store->Format(), TPixelFormat::kRGB32);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(test::MaxChannelDifference(*bitmap, *picture), 0);
    EXPECT_EQ(store->GetBitmap(2)->Width(), 6);
  }
}

TEST(Gif, TheTransparentColourBecomesTransparent) {
  auto picture = test::PalettePicture(9, 9, kColours);
  TRef<TBitmapStore> store = test::OpenPicture(test::EncodeGifFixture(*picture, false, kColours[2]), "t.gif");
  ASSERT_TRUE(store);
  EXPECT_EQ(store->Format(), TPixelFormat::kARGB32);
  TRef<TPixelImage> bitmap = store->GetBitmap(0);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) {
      const uint32_t expected = picture->GetPixel(x, y);
      EXPECT_EQ(bitmap->GetPixel(x, y), expected == kColours[2] ? 0u : expected) << x << "," << y;
    }
}

TEST(Gif, DamagedFilesGiveAPictureOrNothingButNeverCrash) {
  const std::string full = test::EncodeGifFixture(*test::PalettePicture(30, 20, kColours), true);
  for (size_t length = 0; length < full.size(); length += 5) {
    SCOPED_TRACE(length);
    TRef<TBitmapStore> store = test::OpenPicture(full.substr(0, length), "cut.gif");
    if (!store) continue;
    if (TRef<TPixelImage> bitmap = store->GetBitmap(0)) {
      EXPECT_EQ(bitmap->Width(), 30);
    }
  }
  for (size_t at = 6; at < full.size(); at += 3) {
    std::string flipped = full;
    flipped[at] = char(flipped[at] ^ 0x7F);
    if (TRef<TBitmapStore> store = test::OpenPicture(flipped, "flipped.gif")) store->GetBitmap(1);
  }
}

}  // namespace
}  // namespace zol
