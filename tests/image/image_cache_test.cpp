// The file-access layer's image cache decoding through the picture loaders:
// stored pictures of a package, the rotation map, and the placeholder path
// for missing and broken pictures.
#include <gtest/gtest.h>

#include <thread>

#include "image/bitmap_rotation.h"
#include "image/image_loaders.h"
#include "image/jpeg_store.h"
#include "image/memory_bitmap_store.h"
#include "image/oriented_store.h"
#include "image/picture.h"
#include "image/picture_fixtures.h"
#include "image/show_fixture.h"
#include "package/image_cache.h"
#include "package/image_decoding.h"
#include "render/color.h"

namespace zol {
namespace {

// Records what the cache asks of the placeholder painter.
class PlaceholderRecorder {
 public:
  PlaceholderRecorder() {
    SetPlaceholderPainter([this](std::string_view name, bool loadFailed, bool) -> TRef<TImageStore> {
      asked.emplace_back(std::string(name), loadFailed);
      return MakeRef<TMemoryBitmapStore>("placeholder", test::SolidPicture(10, 4, kOpaqueBlack));
    });
  }
  ~PlaceholderRecorder() { SetPlaceholderPainter(nullptr); }
  std::vector<std::pair<std::string, bool>> asked;
};

class ImageCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallImageLoaders(); }

  TRef<TZolShowLocator> Open(TPackageOptions options = {}) {
    picture_ = test::GradientPicture(40, 24);
    jpeg_ = test::EncodeJpegFixture(*picture_);
    const std::string path = test::TShowFixture::Write(
        dir_,
        {{"Project.zol",
          test::TShowFixture::Project("", {";\"Pictures\\turned.jpg\"=6", ";\"upside.bmp\"=3"})},
         {"Pictures\\photo.jpg", jpeg_},
         {"Pictures\\turned.jpg", jpeg_},
         {"upside.bmp", test::EncodeBmpFixture(*picture_, {.bits = 24})},
         {"broken.jpg", "\xFF\xD8 not really a JPEG"},
         {"cut.jpg", jpeg_.substr(0, jpeg_.size() - 200)}},
        std::move(options));
    std::string error;
    TRef<TZolShowLocator> locator = OpenPackedShow(path, error);
    EXPECT_TRUE(locator) << error;
    return locator;
  }

  test::TempDir dir_;
  TRef<TPixelImage> picture_;
  std::string jpeg_;
};

TEST_F(ImageCacheTest, AStoredPictureIsDecodedByItsLoaderOncePerSource) {
  for (bool packed : {false, true}) {
    SCOPED_TRACE(packed ? "compressed and ciphered" : "stored");
    TPackageOptions options;
    options.compress = options.cipher = packed;
    TRef<TZolShowLocator> locator = Open(options);
    ASSERT_TRUE(locator);
    TRef<TPackedImage> image = locator->Accessor().LoadImage("pictures\\PHOTO.jpg");
    ASSERT_TRUE(image);
    TBitmapStore* store = PictureStore(*image);
    ASSERT_TRUE(store);
    EXPECT_TRUE(dynamic_cast<TJpegStore*>(store));
    EXPECT_EQ(store->Width(), 40);
    EXPECT_EQ(store->Height(), 24);
    TRef<TPackedImage> again = locator->Accessor().LoadImage("Pictures\\photo.jpg");
    EXPECT_EQ(PictureStore(*again), store);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(test::MaxChannelDifference(*bitmap, *test::OpenPicture(jpeg_, "x.jpg")->GetBitmap(0)), 0);
  }
}

TEST_F(ImageCacheTest, TheRotationMapTurnsPicturesAndSwapsTheirSides) {
  TRef<TZolShowLocator> locator = Open();
  ASSERT_TRUE(locator);
  TRef<TPixelImage> plain = test::OpenPicture(jpeg_, "x.jpg")->GetBitmap(0);
  const struct {
    const char* name;
    TImageTransform transform;
    int width, height;
  } cases[] = {{"Pictures\\turned.jpg", TImageTransform::QuarterRight, 24, 40},
               {"UPSIDE.BMP", TImageTransform::Rotate180, 40, 24}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TRef<TPackedImage> image = locator->Accessor().LoadImage(c.name);
    ASSERT_TRUE(image);
    auto* store = dynamic_cast<TOrientedStore*>(PictureStore(*image));
    ASSERT_TRUE(store);
    EXPECT_EQ(store->Transform(), c.transform);
    EXPECT_EQ(store->Width(), c.width);
    EXPECT_EQ(store->Height(), c.height);
    TRef<TPixelImage> bitmap = store->GetBitmap(0);
    ASSERT_TRUE(bitmap);
    TRef<TPixelImage> unturned = c.transform == TImageTransform::Rotate180 ? picture_ : plain;
    EXPECT_EQ(test::MaxChannelDifference(*bitmap, *RotateBitmap(*unturned, c.transform)), 0);
    EXPECT_EQ(store->GetBitmap(1)->Width(), (c.width + 1) / 2);
  }
  // Not in the map: as stored.
  EXPECT_EQ(PictureStore(*locator->Accessor().LoadImage("Pictures\\photo.jpg"))->Width(), 40);
}

TEST_F(ImageCacheTest, MissingAndBrokenPicturesTakeThePlaceholderPath) {
  TRef<TZolShowLocator> locator = Open();
  ASSERT_TRUE(locator);
  PlaceholderRecorder placeholders;
  EXPECT_TRUE(locator->Accessor().LoadImage("absent.png"));
  EXPECT_TRUE(locator->Accessor().LoadImage("broken.jpg"));
  const std::vector<std::pair<std::string, bool>> expected = {{"absent.png", false}, {"broken.jpg", true}};
  EXPECT_EQ(placeholders.asked, expected);
  // A file cut short in its pixels still shows what it holds.
  TRef<TPackedImage> cut = locator->Accessor().LoadImage("cut.jpg");
  ASSERT_TRUE(cut);
  ASSERT_TRUE(PictureStore(*cut));
  EXPECT_TRUE(dynamic_cast<TJpegStore*>(PictureStore(*cut)));
  EXPECT_TRUE(PictureStore(*cut)->GetBitmap(0));
  EXPECT_EQ(placeholders.asked.size(), 2u);
}

TEST_F(ImageCacheTest, TwoThreadsLoadingOnePictureShareOneStore) {
  TRef<TZolShowLocator> locator = Open();
  ASSERT_TRUE(locator);
  TRef<TPackedImage> a, b;
  std::thread first([&] { a = locator->Accessor().LoadImage("Pictures\\photo.jpg"); });
  std::thread second([&] { b = locator->Accessor().LoadImage("Pictures\\photo.jpg"); });
  first.join();
  second.join();
  ASSERT_TRUE(a && b);
  EXPECT_EQ(PictureStore(*a), PictureStore(*b));
  const uint32_t serial = locator->Accessor().Source().Serial();
  EXPECT_TRUE(TImageCache::Process().Contains("Pictures\\photo.jpg", serial));
  a.reset();
  b.reset();
  EXPECT_FALSE(TImageCache::Process().Contains("Pictures\\photo.jpg", serial));
}

}  // namespace
}  // namespace zol
