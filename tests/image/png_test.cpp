// PNG pictures: every colour type and depth, interlacing, alpha, damaged
// files and the metadata limit.
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include "image/picture_fixtures.h"
#include "image/picture_limits.h"
#include "image/png_chunk_check.h"
#include "render/color.h"

namespace zol {
namespace {

// A grey picture (equal channels) with alpha, so every colour type can hold it.
TRef<TPixelImage> GreyPicture(int w, int h, bool alpha) {
  auto picture = MakeRef<TPixelImage>(w, h, alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t v = uint8_t((x * 16 + y * 8) & 0xFF);
      picture->SetPixel(x, y, PackColor(v, v, v, alpha ? uint8_t(255 - y * 10) : 255));
    }
  return picture;
}

TEST(Png, EveryColourTypeAndDepthDecodesToThePicture) {
  auto grey = GreyPicture(17, 11, false);
  auto greyAlpha = GreyPicture(17, 11, true);
  auto colour = test::GradientPicture(17, 11);
  auto colourAlpha = test::GradientPicture(17, 11, true);
  auto twoGreys = test::PalettePicture(17, 11, {0xFF000000, 0xFFFFFFFF});
  auto fewColours = test::PalettePicture(17, 11, {0xFF102030, 0xFFA0B0C0, 0x80FF0000, 0x00000000});
  struct Case {
    const char* label;
    TRef<TPixelImage> picture;
    int colorType, bitDepth;
    bool interlaced;
    bool alpha;
  } cases[] = {
      {"grey 8", grey, PNG_COLOR_TYPE_GRAY, 8, false, false},
      {"grey 16", grey, PNG_COLOR_TYPE_GRAY, 16, false, false},
      {"grey 1", twoGreys, PNG_COLOR_TYPE_GRAY, 1, false, false},
      {"grey + alpha", greyAlpha, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, true},
      {"rgb 8", colour, PNG_COLOR_TYPE_RGB, 8, false, false},
      {"rgb 16", colour, PNG_COLOR_TYPE_RGB, 16, false, false},
      {"rgb interlaced", colour, PNG_COLOR_TYPE_RGB, 8, true, false},
      {"rgba 8", colourAlpha, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, true},
      {"rgba 16 interlaced", colourAlpha, PNG_COLOR_TYPE_RGB_ALPHA, 16, true, true},
      {"palette", test::PalettePicture(17, 11, {0xFF102030, 0xFFA0B0C0, 0xFF00FF00}), PNG_COLOR_TYPE_PALETTE,
       8, false, false},
      {"palette 2-bit with transparency", fewColours, PNG_COLOR_TYPE_PALETTE, 2, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TRef<TBitmapStore> store =
        test::OpenPicture(test::EncodePngFixture(*c.picture, c.colorType, c.bitDepth, c.interlaced), "p.png");
    ASSERT_TRUE(store);
    EXPECT_EQ(store->Format(), c.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Format(), store->Format());
    EXPECT_EQ(test::MaxChannelDifference(*bitmap, *c.picture), 0);
    // Reduced levels are the box average of the picture.
    TRef<TPixelImage> half = store->GetBitmap(1);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->Width(), 9);
    EXPECT_EQ(half->Height(), 6);
  }
}

TEST(Png, DamagedFilesGiveAPictureOrNothingButNeverCrash) {
  for (bool interlaced : {false, true}) {
    const std::string full =
        test::EncodePngFixture(*test::GradientPicture(40, 30, true), PNG_COLOR_TYPE_RGB_ALPHA, 8, interlaced);
    for (size_t length = 0; length < full.size(); length += 11) {
      SCOPED_TRACE(std::to_string(length) + (interlaced ? " interlaced" : ""));
      TRef<TBitmapStore> store = test::OpenPicture(full.substr(0, length), "cut.png");
      if (!store) continue;
      if (TRef<TPixelImage> bitmap = store->GetBitmap(0)) {
        EXPECT_EQ(bitmap->Width(), 40);
      }
    }
    for (size_t at = 8; at < full.size(); at += 29) {
      std::string flipped = full;
      flipped[at] = char(flipped[at] ^ 0x21);
      if (TRef<TBitmapStore> store = test::OpenPicture(flipped, "flipped.png")) store->GetBitmap(0);
    }
  }
}

TEST(PngLimits, TextThatInflatesPastTheLimitIsRefused) {
  auto picture = test::GradientPicture(8, 8);
  const std::string bomb(kMaxMetadataBytes + 1000, 'a');  // a few kilobytes once compressed
  const std::string png = test::EncodePngFixture(*picture, PNG_COLOR_TYPE_RGB, 8, false, {{"Comment", bomb}});
  EXPECT_LT(png.size(), 50000u);
  EXPECT_FALSE(PngMetadataWithinLimits({reinterpret_cast<const uint8_t*>(png.data()), png.size()}));
  EXPECT_FALSE(test::OpenPicture(png, "bomb.png"));
  const std::string modest(100000, 'a');
  EXPECT_TRUE(test::OpenPicture(
      test::EncodePngFixture(*picture, PNG_COLOR_TYPE_RGB, 8, false, {{"Comment", modest}}), "ok.png"));
}

TEST(PngLimits, PicturesBeyondThePixelLimitAreRefused) {
  std::string png = test::EncodePngFixture(*test::GradientPicture(8, 8), PNG_COLOR_TYPE_RGB, 8);
  // Rewrite the header's sides (bytes 16-23) and its checksum.
  auto withSides = [&](uint32_t w, uint32_t h) {
    std::string out = png;
    for (int i = 0; i < 4; ++i) out[16 + i] = char(w >> (24 - 8 * i)), out[20 + i] = char(h >> (24 - 8 * i));
    const uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(out.data() + 12), 17));
    for (int i = 0; i < 4; ++i) out[29 + i] = char(crc >> (24 - 8 * i));
    return out;
  };
  EXPECT_FALSE(test::OpenPicture(withSides(20000, 20000), "huge.png"));
  EXPECT_FALSE(test::OpenPicture(withSides(100000000, 3), "wide.png"));
  EXPECT_TRUE(test::OpenPicture(withSides(8, 8), "same.png"));
}

}  // namespace
}  // namespace zol
