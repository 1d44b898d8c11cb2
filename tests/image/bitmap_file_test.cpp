// Our bitmap file reader: every bit depth decodes to the same pixels as a
// PNG of the same picture; odd headers and broken files.
#include <gtest/gtest.h>

#include <png.h>

#include "image/bitmap_file_reader.h"
#include "image/picture_fixtures.h"
#include "render/color.h"

namespace zol {
namespace {

// The picture with each channel cut to BITS bits and widened again by
// repeating its bits, as 16-bit bitmaps store it.
TRef<TPixelImage> Quantized(const TPixelImage& picture, int redBits, int greenBits, int blueBits) {
  auto widen = [](uint8_t v, int bits) {
    uint32_t value = v >> (8 - bits), wide = value << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits) wide |= wide >> bits;
    return uint8_t(wide);
  };
  auto out = MakeRef<TPixelImage>(picture.Width(), picture.Height(), TPixelFormat::kRGB32);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t c = picture.GetPixel(x, y);
      out->SetPixel(
          x, y,
          PackColor(widen(ColorR(c), redBits), widen(ColorG(c), greenBits), widen(ColorB(c), blueBits), 255));
    }
  return out;
}

std::vector<uint32_t> Colours(int count) {
  std::vector<uint32_t> colours;
  for (int i = 0; i < count; ++i)
    colours.push_back(PackColor(uint8_t(i * 37), uint8_t(255 - i * 11), uint8_t(i * i), 255));
  return colours;
}

TEST(BitmapFile, EveryDepthDecodesToTheSamePixelsAsAPngOfThePicture) {
  const int w = 13, h = 7;  // odd sizes: every row needs padding
  auto gradient = test::GradientPicture(w, h);
  auto withAlpha = test::GradientPicture(w, h, true);
  struct Case {
    const char* label;
    TRef<TPixelImage> picture;
    test::TBmpOptions options;
    bool alpha;
  } cases[] = {
      {"1-bit", test::PalettePicture(w, h, Colours(2)), {.bits = 1}, false},
      {"4-bit", test::PalettePicture(w, h, Colours(16)), {.bits = 4}, false},
      {"4-bit, fewer colours", test::PalettePicture(w, h, Colours(5)), {.bits = 4}, false},
      {"8-bit", test::PalettePicture(w, h, Colours(91)), {.bits = 8}, false},
      {"8-bit top-down", test::PalettePicture(w, h, Colours(91)), {.bits = 8, .topDown = true}, false},
      {"8-bit core header", test::PalettePicture(w, h, Colours(91)), {.bits = 8, .core = true}, false},
      {"16-bit 5-5-5", Quantized(*gradient, 5, 5, 5), {.bits = 16}, false},
      {"16-bit 5-6-5 bit fields", Quantized(*gradient, 5, 6, 5), {.bits = 16, .bitFields = true}, false},
      {"16-bit 5-6-5 in a V5 header", Quantized(*gradient, 5, 6, 5), {.bits = 16, .v5 = true}, false},
      {"24-bit", gradient, {.bits = 24}, false},
      {"24-bit top-down", gradient, {.bits = 24, .topDown = true}, false},
      {"24-bit core header", gradient, {.bits = 24, .core = true}, false},
      {"32-bit, fourth byte unused", gradient, {.bits = 32}, false},
      {"32-bit bit fields", gradient, {.bits = 32, .bitFields = true}, false},
      {"32-bit with alpha", withAlpha, {.bits = 32}, true},
      {"32-bit V5 with alpha mask", withAlpha, {.bits = 32, .v5 = true}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string bmp = test::EncodeBmpFixture(*c.picture, c.options);
    const std::string png =
        test::EncodePngFixture(*c.picture, c.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, 8);
    TRef<TBitmapStore> fromBmp = test::OpenPicture(bmp, "picture.bmp");
    TRef<TBitmapStore> fromPng = test::OpenPicture(png, "picture.png");
    ASSERT_TRUE(fromBmp);
    ASSERT_TRUE(fromPng);
    EXPECT_EQ(fromBmp->Format(), c.alpha ? TPixelFormat::kARGB32 : TPixelFormat::kRGB32);
    EXPECT_EQ(fromBmp->Format(), fromPng->Format());
    TRef<TPixelImage> a = fromBmp->GetBitmap(0), b = fromPng->GetBitmap(0);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(test::MaxChannelDifference(*a, *b), 0);
    if (test::MaxChannelDifference(*a, *b) != 0) test::SaveForInspection(*a, std::string("bmp-") + c.label);
  }
}

TEST(BitmapFile, HeadersItCannotReadAreDeclined) {
  auto picture = test::GradientPicture(8, 4);
  const std::string good = test::EncodeBmpFixture(*picture, {.bits = 24});
  auto patched = [&](size_t at, std::string bytes) {
    std::string out = good;
    out.replace(at, bytes.size(), bytes);
    return out;
  };
  const std::pair<const char*, std::string> cases[] = {
      {"not BM", patched(0, "BX")},
      {"header size 20", patched(14, std::string("\x14\0\0\0", 4))},
      {"width 0", patched(18, std::string("\0\0\0\0", 4))},
      {"height 0", patched(22, std::string("\0\0\0\0", 4))},
      {"7 bits", patched(28, std::string("\x07\0", 2))},
      {"run-length compression", patched(30, std::string("\x01\0\0\0", 4))},
      {"huge sides", patched(18, std::string("\xFF\xFF\0\0\xFF\xFF\0\0", 8))},
      {"header only", good.substr(0, 40)},
      {"empty", ""},
  };
  for (const auto& [label, bytes] : cases) {
    SCOPED_TRACE(label);
    EXPECT_FALSE(
        ReadBitmapFileHeader(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())));
  }
}

TEST(BitmapFile, AFileCutShortGivesThePicturePartlyOrNotAtAll) {
  // Colours every depth stores exactly.
  auto picture = Quantized(*test::PalettePicture(31, 9, Colours(16)), 5, 5, 5);
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    const std::string full = test::EncodeBmpFixture(*picture, {.bits = bits});
    for (size_t length = 0; length < full.size(); length += 7) {
      SCOPED_TRACE(std::to_string(bits) + " bits cut at " + std::to_string(length));
      TRef<TBitmapStore> store = test::OpenPicture(full.substr(0, length), "cut.bmp");
      if (!store) continue;
      TRef<TPixelImage> bitmap = store->GetBitmap(0);
      ASSERT_TRUE(bitmap);
      EXPECT_EQ(bitmap->Width(), 31);
      // The bottom rows come first in the file: they are the ones present.
      if (length > full.size() - 100) {
        EXPECT_EQ(bitmap->GetPixel(0, 8), picture->GetPixel(0, 8));
      }
    }
  }
}

TEST(BitmapFile, PaletteIndicesPastTheTableReadAsBlack) {
  auto picture = test::PalettePicture(4, 1, Colours(4));
  std::string bmp = test::EncodeBmpFixture(*picture, {.bits = 8});
  // Declare 2 colours used; the pixels still use indices 2 and 3.
  bmp.replace(46, 4, std::string("\x02\0\0\0", 4));
  TRef<TBitmapStore> store = test::OpenPicture(bmp, "x.bmp");
  ASSERT_TRUE(store);
  TRef<TPixelImage> bitmap = store->GetBitmap(0);
  ASSERT_TRUE(bitmap);
  // The fixture numbers the colours in the order they appear: pixel x has index x.
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(bitmap->GetPixel(x, 0), x < 2 ? picture->GetPixel(x, 0) : kOpaqueBlack) << x;
}

}  // namespace
}  // namespace zol
