// JPEG pictures: sizes at each level, pixels, grey and ink files, progress,
// damaged files and the resource limits.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <cstddef>
#include <cstdio>

#include <cmath>

#include "image/bitmap_scaling.h"
#include "image/jpeg_decoder.h"
#include "image/jpeg_segments.h"
#include "image/jpeg_store.h"
#include "image/picture_fixtures.h"
#include "image/picture_limits.h"
#include "render/color.h"

namespace zol {
namespace {

double MeanDifference(const TPixelImage& a, const TPixelImage& b) {
  double sum = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const uint32_t p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      sum +=
          std::abs(ColorR(p) - ColorR(q)) + std::abs(ColorG(p) - ColorG(q)) + std::abs(ColorB(p) - ColorB(q));
    }
  return sum / (3.0 * a.Width() * a.Height());
}

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

TEST(Jpeg, ALargePictureAtLevelTwoIsAQuarterOfItsSides) {
  const std::string jpeg =
      test::EncodeJpegFixture(*test::GradientPicture(4000, 3000), {.quality = 75, .fullChroma = false});
  TRef<TBitmapStore> store = test::OpenPicture(jpeg, "big.jpg");
  ASSERT_TRUE(store);
  EXPECT_EQ(store->Width(), 4000);
  EXPECT_EQ(store->Height(), 3000);
  EXPECT_EQ(store->Format(), TPixelFormat::kRGB32);
  TRef<TPixelImage> bitmap = store->GetBitmap(2);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->Width(), 1000);
  EXPECT_EQ(bitmap->Height(), 750);
}

TEST(Jpeg, EachLevelHalvesTheSidesRoundingUpAndLooksLikeTheReducedPicture) {
  auto picture = test::GradientPicture(101, 37);
  const std::string jpeg = test::EncodeJpegFixture(*picture);
  TRef<TBitmapStore> store = test::OpenPicture(jpeg, "x.jpg");
  ASSERT_TRUE(store);
  const std::pair<int, int> sizes[] = {{101, 37}, {51, 19}, {26, 10}, {13, 5}};
  for (int level = 0; level <= 3; ++level) {
    SCOPED_TRACE(level);
    TRef<TPixelImage> bitmap = store->GetBitmap(level);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), sizes[level].first);
    EXPECT_EQ(bitmap->Height(), sizes[level].second);
    EXPECT_EQ(TBitmapStore::LevelSize(101, level), sizes[level].first);
    TRef<TPixelImage> expected = ShrinkBitmap(*picture, level);
    EXPECT_LT(MeanDifference(*bitmap, *expected), level == 0 ? 3.0 : 12.0);
  }
  // Levels beyond the range are clamped.
  EXPECT_EQ(store->GetBitmap(7)->Width(), 13);
  EXPECT_EQ(store->GetBitmap(-2)->Width(), 101);
}

TEST(Jpeg, GreyAndProgressivePicturesDecodeLikeTheirOriginal) {
  auto picture = test::GradientPicture(64, 48);
  struct Case {
    const char* label;
    test::TJpegOptions options;
    double tolerance;
  } cases[] = {
      {"baseline", {}, 4.0},
      {"progressive", {.progressive = true}, 4.0},
      {"grey", {.grey = true}, 0},
      {"grey progressive", {.progressive = true, .grey = true}, 0},
      {"4:2:0", {.fullChroma = false}, 8.0},  // the blue checks lose colour resolution
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    auto store =
        RefCast<TJpegStore>(test::OpenPicture(test::EncodeJpegFixture(*picture, c.options), "x.jpg"));
    ASSERT_TRUE(store);
    EXPECT_EQ(store->Grey(), c.options.grey);
    EXPECT_EQ(store->Progressive(), c.options.progressive);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    if (c.options.grey) {
      for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
          const uint32_t p = bitmap->GetPixel(x, y);
          ASSERT_TRUE(ColorR(p) == ColorG(p) && ColorG(p) == ColorB(p)) << x << "," << y;
          ASSERT_NEAR(ColorR(p), ColorR(picture->GetPixel(x, y)), 12);
        }
    } else {
      EXPECT_LT(MeanDifference(*bitmap, *picture), c.tolerance);
    }
  }
}

TEST(Jpeg, InkPicturesBecomeRgb) {
  // Adobe's CMYK files store the inks inverted: 255 is no ink.
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = 16, cinfo.image_height = 16, cinfo.input_components = 4,
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(16 * 4);
  for (int x = 0; x < 16; ++x)
    row[x * 4] = 255, row[x * 4 + 1] = 0, row[x * 4 + 2] = 255, row[x * 4 + 3] = 255;
  for (int y = 0; y < 16; ++y) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  const std::string jpeg(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  TRef<TBitmapStore> store = test::OpenPicture(jpeg, "ink.jpg");
  ASSERT_TRUE(store);
  TRef<TPixelImage> bitmap = store->GetBitmap(0);
  ASSERT_TRUE(bitmap);
  const uint32_t p = bitmap->GetPixel(8, 8);
  EXPECT_NEAR(ColorR(p), 255, 3);
  EXPECT_NEAR(ColorG(p), 0, 3);
  EXPECT_NEAR(ColorB(p), 255, 3);
}

TEST(Jpeg, ProgressRisesToTheEndAndCanStopTheDecode) {
  auto picture = test::GradientPicture(64, 64);
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    TRef<TBitmapStore> store =
        test::OpenPicture(test::EncodeJpegFixture(*picture, {.progressive = progressive}), "x.jpg");
    ASSERT_TRUE(store);
    std::vector<double> seen;
    store->SetProgress([&](double f) {
      seen.push_back(f);
      return true;
    });
    ASSERT_TRUE(store->GetBitmap(0));
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    // Rows are reported one by one; a progressive file's rows are the second half.
    const auto firstRow =
        std::find_if(seen.begin(), seen.end(), [&](double f) { return f > (progressive ? 0.5 : 0.0); });
    EXPECT_NEAR(*firstRow, progressive ? 0.5 + 0.5 / 64 : 1.0 / 64, 1e-9);

    int calls = 0;
    store->SetProgress([&](double) { return ++calls < 10; });
    EXPECT_FALSE(store->GetBitmap(0)) << "a stopped decode gives nothing";
  }
}

TEST(Jpeg, DamagedFilesGiveAPictureOrNothingButNeverCrash) {
  auto picture = test::GradientPicture(48, 40);
  for (bool progressive : {false, true}) {
    const std::string full = test::EncodeJpegFixture(*picture, {.progressive = progressive});
    for (size_t length = 0; length < full.size(); length += 37) {
      SCOPED_TRACE(std::to_string(length) + (progressive ? " progressive" : ""));
      TRef<TBitmapStore> store = test::OpenPicture(full.substr(0, length), "cut.jpg");
      if (!store) continue;
      if (TRef<TPixelImage> bitmap = store->GetBitmap(1)) {
        EXPECT_EQ(bitmap->Width(), 24);
      }
    }
    // Flipped bytes inside the scans.
    for (size_t at = full.size() / 3; at < full.size(); at += 53) {
      std::string flipped = full;
      flipped[at] = char(flipped[at] ^ 0x5A);
      if (TRef<TBitmapStore> store = test::OpenPicture(flipped, "flipped.jpg")) store->GetBitmap(0);
    }
  }
}

// Finds the start-of-frame segment and rewrites the sides it declares.
std::string WithDeclaredSize(std::string jpeg, int width, int height) {
  for (size_t i = 2; i + 9 < jpeg.size(); ++i)
    if (uint8_t(jpeg[i]) == 0xFF && (uint8_t(jpeg[i + 1]) == 0xC0 || uint8_t(jpeg[i + 1]) == 0xC2)) {
      jpeg[i + 5] = char(height >> 8), jpeg[i + 6] = char(height);
      jpeg[i + 7] = char(width >> 8), jpeg[i + 8] = char(width);
      return jpeg;
    }
  return jpeg;
}

TEST(JpegLimits, PicturesBeyondThePixelLimitAreRefused) {
  const std::string small = test::EncodeJpegFixture(*test::GradientPicture(16, 16));
  EXPECT_TRUE(test::OpenPicture(WithDeclaredSize(small, 15000, 15000), "x.jpg"))
      << "225 megapixels are allowed";
  EXPECT_FALSE(test::OpenPicture(WithDeclaredSize(small, 20000, 20000), "x.jpg")) << "400 megapixels are not";
  EXPECT_FALSE(test::OpenPicture(WithDeclaredSize(small, 65500, 65500), "x.jpg"));
}

TEST(JpegLimits, ProgressiveFilesWithTooManyScansAreRefused) {
  const std::string jpeg = test::EncodeJpegFixture(*test::GradientPicture(32, 32), {.progressive = true});
  const int normal = CountJpegScans(Bytes(jpeg), 10000);
  EXPECT_GE(normal, 5);
  EXPECT_LE(normal, 20);
  // Repeat the last scan until there are more than allowed.
  const size_t lastScan = jpeg.rfind("\xFF\xDA");
  const std::string scan = jpeg.substr(lastScan, jpeg.size() - 2 - lastScan);
  auto withScans = [&](int total) {
    std::string out = jpeg.substr(0, jpeg.size() - 2);
    for (int i = normal; i < total; ++i) out += scan;
    return out + "\xFF\xD9";
  };
  EXPECT_EQ(CountJpegScans(Bytes(withScans(kMaxJpegScans)), 10000), kMaxJpegScans);
  EXPECT_FALSE(test::OpenPicture(withScans(kMaxJpegScans + 1), "x.jpg"));
  EXPECT_FALSE(test::OpenPicture(withScans(5000), "x.jpg"));
}

TEST(JpegLimits, EmbeddedProfilesPastTheLimitAreRefused) {
  auto picture = test::GradientPicture(16, 16);
  std::string big(kMaxMetadataBytes + 1, 'p');
  EXPECT_FALSE(test::OpenPicture(test::EncodeJpegFixture(*picture, {.icc = big}), "x.jpg"));
  std::string fits(200000, 'p');  // four chunks, not a valid profile: ignored by the transform
  TRef<TBitmapStore> store = test::OpenPicture(test::EncodeJpegFixture(*picture, {.icc = fits}), "x.jpg");
  ASSERT_TRUE(store);
  ASSERT_TRUE(store->Profile());
  EXPECT_EQ(store->Profile()->Icc(), fits);
}

TEST(JpegLimits, NotJpegOrZeroSidesIsDeclined) {
  EXPECT_FALSE(ReadJpegInfo(Bytes(std::string("\xFF\xD8\xFF\xD9", 4))));
  const std::string small = test::EncodeJpegFixture(*test::GradientPicture(16, 16));
  EXPECT_FALSE(test::OpenPicture(WithDeclaredSize(small, 0, 16), "x.jpg"));
  EXPECT_FALSE(test::OpenPicture("GIF89a", "x.jpg"));
}

}  // namespace
}  // namespace zol
