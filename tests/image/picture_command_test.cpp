// The -picture command: a stored picture written as the player decodes it,
// run as the real program; and the placeholder path in-process.
#include <gtest/gtest.h>

#include <png.h>

#include "image/builtin_profiles.h"
#include "image/memory_bitmap_store.h"
#include "image/picture_fixtures.h"
#include "image/show_fixture.h"
#include "package/image_decoding.h"
#include "render/color.h"
#include "shell/picture_command.h"
#include "support/run_program.h"

namespace zol {
namespace {

using test::RunCommand;
using test::ShellQuote;

// The player without a display, so that the tests never touch a desktop.
test::RunResult Viewer(const std::string& arguments) {
  return RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY " + ShellQuote(test::BuiltProgram("zolviewer")) + " " +
                    arguments);
}

class PictureCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    photo_ = test::GradientPicture(64, 40);
    red_ = test::SolidPicture(16, 16, 0xFFFF0000);
    const std::string adobe = BuiltInProfile("AdobeRGB")->Icc();
    show_ = test::TShowFixture::Write(
        dir_, {{"Project.zol",
                test::TShowFixture::Project("ColorManagement=?\r\n", {";\"Pictures\\turned.png\"=6"})},
               {"Pictures\\turned.png", test::EncodePngFixture(*photo_, PNG_COLOR_TYPE_RGB, 8)},
               {"Pictures\\photo.jpg", test::EncodeJpegFixture(*photo_)},
               {"red.png", test::EncodePngFixture(*red_, PNG_COLOR_TYPE_RGB, 8)},
               {"green-adobe.jpg", test::EncodeJpegFixture(*test::SolidPicture(16, 16, 0xFF64C850),
                                                           {.quality = 100, .icc = adobe})}});
  }

  // Runs -picture for NAME with EXTRA options; the written picture, if any.
  TRef<TPixelImage> Picture(const std::string& name, const std::string& extra, int expectedExit = 0) {
    const std::string out = dir_ / "out.png";
    std::filesystem::remove(out);
    auto run =
        Viewer(ShellQuote(show_) + " -picture " + ShellQuote(name) + " -o " + ShellQuote(out) + " " + extra);
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    if (run.exitCode != 0) return nullptr;
    TRef<TBitmapStore> store = test::OpenPicture(test::ReadFile(out), "out.png");
    return store ? store->GetBitmap(0) : nullptr;
  }

  test::TempDir dir_;
  std::string show_;
  TRef<TPixelImage> photo_, red_;
};

TEST_F(PictureCommandTest, WritesThePictureTurnedAsTheRotationMapSays) {
  TRef<TPixelImage> turned = Picture("pictures\\TURNED.png", "");
  ASSERT_TRUE(turned);
  EXPECT_EQ(turned->Width(), 40);
  EXPECT_EQ(turned->Height(), 64);
  // Orientation 6: the stored picture's bottom-left corner is now top-left.
  EXPECT_EQ(turned->GetPixel(0, 0), photo_->GetPixel(0, 39));
  EXPECT_EQ(turned->GetPixel(39, 63), photo_->GetPixel(63, 0));
}

TEST_F(PictureCommandTest, WritesTheLevelAskedFor) {
  for (int level = 0; level <= 3; ++level) {
    SCOPED_TRACE(level);
    TRef<TPixelImage> picture = Picture("Pictures\\photo.jpg", "-level " + std::to_string(level));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), (64 + (1 << level) - 1) >> level);
    EXPECT_EQ(picture->Height(), (40 + (1 << level) - 1) >> level);
  }
  Picture("Pictures\\photo.jpg", "-level 4", 1);
}

TEST_F(PictureCommandTest, TheRunningPlayerDrawsItsOwnPlaceholder) {
  TRef<TPixelImage> picture = Picture("Pictures\\missing.jpg", "");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->GetPixel(0, 0), 0xFF646464u) << "dark grey ground";
  int light = 0;
  for (int y = 0; y < picture->Height(); ++y)
    for (int x = 0; x < picture->Width(); ++x) light += (picture->GetPixel(x, y) & 0xFF) > 0xC0;
  EXPECT_GT(light, 50) << "light grey text: the message and the file name";
  EXPECT_GT(picture->Width(), picture->Height()) << "two short lines";
}

TEST_F(PictureCommandTest, ColoursGoToTheDisplayProfileTheCommandLineNames) {
  // No display profile is known here, so the display counts as sRGB.
  TRef<TPixelImage> asStored = Picture("red.png", "");
  ASSERT_TRUE(asStored);
  EXPECT_EQ(asStored->GetPixel(3, 3), 0xFFFF0000u);
  TRef<TPixelImage> onAdobe = Picture("red.png", "-icc AdobeRGB");
  ASSERT_TRUE(onAdobe);
  EXPECT_NEAR(ColorR(onAdobe->GetPixel(3, 3)), 219, 3);
  TRef<TPixelImage> off = Picture("red.png", "-icc AdobeRGB -noicc");
  ASSERT_TRUE(off);
  EXPECT_EQ(off->GetPixel(3, 3), 0xFFFF0000u);
  // A picture tagged Adobe RGB is converted for an sRGB display.
  TRef<TPixelImage> green = Picture("green-adobe.jpg", "-icc sRGB");
  ASSERT_TRUE(green);
  EXPECT_LT(ColorR(green->GetPixel(8, 8)), 0x64 - 20);
}

TEST_F(PictureCommandTest, AShowThatCannotBeOpenedExitsWithItsMessage) {
  auto run =
      Viewer(ShellQuote(dir_ / "absent.zolshow") + " -picture x.png -o " + ShellQuote(dir_ / "out.png"));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("Slideshow File not Found"), std::string::npos) << run.err;
  auto usage = Viewer(ShellQuote(show_) + " -picture red.png");
  EXPECT_EQ(usage.exitCode, 1);
  EXPECT_NE(usage.err.find("usage"), std::string::npos);
}

TEST_F(PictureCommandTest, MissingAndBrokenPicturesGiveThePlaceholder) {
  SetPlaceholderPainter([](std::string_view, bool loadFailed, bool) -> TRef<TImageStore> {
    return MakeRef<TMemoryBitmapStore>("placeholder",
                                       test::SolidPicture(20, 10, loadFailed ? 0xFF800000 : 0xFF008000));
  });
  // Without its quantisation tables a JPEG's header reads but no pixel decodes.
  std::string noTables = test::EncodeJpegFixture(*photo_);
  for (size_t at; (at = noTables.find("\xFF\xDB")) != std::string::npos;)
    noTables.erase(at, 2 + (size_t(uint8_t(noTables[at + 2])) << 8 | uint8_t(noTables[at + 3])));
  const std::string path =
      test::TShowFixture::Write(dir_, {{"Project.zol", test::TShowFixture::Project("")},
                                       {"broken.png", "\x89PNG\r\n\x1A\n but nothing else"},
                                       {"no-pixels.jpg", noTables}});
  std::string error;
  TRef<TZolShowLocator> locator = OpenPackedShow(path, error);
  ASSERT_TRUE(locator) << error;
  const std::pair<const char*, uint32_t> cases[] = {
      {"absent.png", 0xFF008000}, {"broken.png", 0xFF800000}, {"no-pixels.jpg", 0xFF800000}};
  for (const auto& [name, colour] : cases) {
    SCOPED_TRACE(name);
    TRef<TPixelImage> picture = RenderStoredPicture(locator->Accessor(), name, 0);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 20);
    EXPECT_EQ(picture->GetPixel(5, 5), colour);
  }
  SetPlaceholderPainter(nullptr);
}

}  // namespace
}  // namespace zol
