// The loader registry: which loaders an extension reaches, the ".bmp" that is
// really a PNG, names without an extension, and loaders that decline or fail.
#include <gtest/gtest.h>

#include <png.h>

#include <stdexcept>

#include "foundation/memory_stream.h"
#include "image/bitmap_file_store.h"
#include "image/gif_store.h"
#include "image/image_loader_registry.h"
#include "image/jpeg_store.h"
#include "image/kvgfx_store.h"
#include "image/memory_bitmap_store.h"
#include "image/picture_fixtures.h"
#include "image/png_store.h"

namespace zol {
namespace {

TEST(PictureExtension, IsTheTextFromTheLastDotOfTheLastComponent) {
  const std::pair<const char*, const char*> cases[] = {
      {"photo.JPG", ".JPG"},
      {"a\\b.c\\photo", ""},
      {"a/b.c/photo.png", ".png"},
      {"anim.gif|framesatlas", ".gif|framesatlas"},
      {"noext", ""},
      {"x.tar.gz", ".gz"},
  };
  for (const auto& [name, extension] : cases) EXPECT_EQ(PictureExtension(name), extension) << name;
}

// A registry of loaders that only record that they were asked.
class RecordingRegistry : public ::testing::Test {
 protected:
  TImageLoaderRegistry::Loader Recorder(std::string tag, bool accept) {
    return [this, tag, accept](TStream& stream, std::string_view name) -> TRef<TBitmapStore> {
      asked_ += tag;
      char byte;
      stream.Read(&byte, 1);  // moves the stream: the registry must restore it
      if (!accept) return nullptr;
      return MakeRef<TMemoryBitmapStore>(std::string(name) + "@" + tag,
                                         test::SolidPicture(1, 1, kOpaqueWhite));
    };
  }
  TImageLoaderRegistry registry_;
  std::string asked_;
};

TEST_F(RecordingRegistry, TriesTheLoadersOfTheExtensionInOrderUntilOneAccepts) {
  registry_.Register(Recorder("a", false), {".jpg", ".jpeg"});
  registry_.Register(Recorder("b", false), {".png"});
  registry_.Register(Recorder("c", true), {".JPG"});
  registry_.Register(Recorder("d", true), {".jpg"});
  auto stream = MakeRef<TMemoryStream>("0123");
  stream->SetPosition(1);
  TRef<TBitmapStore> store = registry_.Open(*stream, "Pictures\\x.jpg");
  ASSERT_TRUE(store);
  EXPECT_EQ(store->Name(), "Pictures\\x.jpg@c");
  EXPECT_EQ(asked_, "ac");
}

TEST_F(RecordingRegistry, ANameWithoutExtensionTriesEveryLoader) {
  registry_.Register(Recorder("a", false), {".jpg"});
  registry_.Register(Recorder("b", false), {".png"});
  auto stream = MakeRef<TMemoryStream>("0123");
  EXPECT_FALSE(registry_.Open(*stream, "folder.v2\\picture"));
  EXPECT_EQ(asked_, "ab");
  EXPECT_EQ(stream->GetPosition(), 0) << "the position is restored after declining";
}

TEST_F(RecordingRegistry, ALoaderThatThrowsCountsAsDeclining) {
  registry_.Register(
      [](TStream&, std::string_view) -> TRef<TBitmapStore> { throw std::runtime_error("broken"); }, {".png"});
  registry_.Register(Recorder("b", true), {".png"});
  auto stream = MakeRef<TMemoryStream>("0123");
  ASSERT_TRUE(registry_.Open(*stream, "x.png"));
  EXPECT_EQ(asked_, "b");
}

TEST_F(RecordingRegistry, ABmpStartingWithThePngSignatureGoesToThePngLoaders) {
  registry_.Register(Recorder("bmp", true), {".bmp"});
  registry_.Register(Recorder("png", true), {".png"});
  auto png = MakeRef<TMemoryStream>(std::string("\x89PNG\r\n\x1A\n", 8) + "rest");
  ASSERT_TRUE(registry_.Open(*png, "face.BMP"));
  auto bmp = MakeRef<TMemoryStream>("BMrest");
  ASSERT_TRUE(registry_.Open(*bmp, "face.bmp"));
  EXPECT_EQ(asked_, "pngbmp");
}

// The real loaders: each file kind under the names a show gives it.
TEST(InstalledLoaders, EveryKindOfFileOpensThroughItsExtensions) {
  auto picture = test::GradientPicture(24, 16);
  const std::string png = test::EncodePngFixture(*picture, PNG_COLOR_TYPE_RGB, 8);
  const std::string bmp = test::EncodeBmpFixture(*picture, {.bits = 24});
  const std::string jpeg = test::EncodeJpegFixture(*picture);
  const std::string gif = test::EncodeGifFixture(*test::PalettePicture(24, 16, {0xFF102030, 0xFFFFFFFF}));
  const std::string kvgfx =
      test::MakeKvgfx({{"File", "x.bmp"}, {"Width", "24"}, {"Height", "16"}, {"OriginalSize", "100"}},
                      test::ZlibCompress(bmp));
  struct Case {
    const std::string* bytes;
    const char* name;
    bool accepted;
    const char* kind;
  } cases[] = {
      {&png, "a.png", true, "png"},
      {&png, "a.PNG", true, "png"},
      {&png, "a.bmp", true, "png"},
      {&bmp, "a.bmp", true, "bmp"},
      {&bmp, "a.dib", true, "bmp"},
      {&jpeg, "a.jpg", true, "jpeg"},
      {&jpeg, "a.jpeg", true, "jpeg"},
      {&jpeg, "a.jpe", true, "jpeg"},
      {&jpeg, "a.JFIF", true, "jpeg"},
      {&gif, "a.gif", true, "gif"},
      {&gif, "a.gif_first_frame", true, "gif"},
      {&kvgfx, "a.kvgfx", true, "kvgfx"},
      {&kvgfx, "a.bmp", true, "kvgfx"},
      {&kvgfx, "a.png", true, "kvgfx"},
      {&jpeg, "a.png", false, ""},
      {&png, "a.jpg", false, ""},
      {&jpeg, "noextension", true, "jpeg"},
      {&png, "noextension", true, "png"},
      {&bmp, "a.txt", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " holding " + c.kind);
    TRef<TBitmapStore> store = test::OpenPicture(*c.bytes, c.name);
    ASSERT_EQ(bool(store), c.accepted);
    if (!store) continue;
    EXPECT_EQ(store->Name(), c.name);
    const std::string kind = dynamic_cast<TPngStore*>(store.get())          ? "png"
                             : dynamic_cast<TBitmapFileStore*>(store.get()) ? "bmp"
                             : dynamic_cast<TJpegStore*>(store.get())       ? "jpeg"
                             : dynamic_cast<TGifStore*>(store.get())        ? "gif"
                             : dynamic_cast<TKvgfxStore*>(store.get())      ? "kvgfx"
                                                                            : "?";
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(store->Width(), 24);
    EXPECT_EQ(store->Height(), 16);
  }
}

}  // namespace
}  // namespace zol
