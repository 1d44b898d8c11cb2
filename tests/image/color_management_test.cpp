// Colour management: the cube, the built-in profiles, which pictures are
// transformed for which show selection, the show's own transform tables,
// and conversions checked against Little CMS's transicc and against the
// published matrices.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "foundation/memory_stream.h"
#include "image/builtin_profiles.h"
#include "image/color_cube.h"
#include "image/color_management.h"
#include "image/icc_transform.h"
#include "image/jpeg_segments.h"
#include "image/picture.h"
#include "image/picture_fixtures.h"
#include "package/colour_selection.h"
#include "package/file_source.h"
#include "render/color.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace zol {
namespace {

// Puts the selection back to "nothing chosen" whatever the test did.
class SelectionGuard {
 public:
  explicit SelectionGuard(TColourSelection selection) { SetColourSelection(std::move(selection)); }
  ~SelectionGuard() {
    SetColourSelection({});
    TColorManagement::Process().SetSystemDisplayProfile(std::nullopt);
  }
};

TColourSelection Active(TColourSelection::Profile profile, std::string name = "") {
  TColourSelection selection;
  selection.conversionActive = true;
  selection.profile = profile;
  selection.name = std::move(name);
  return selection;
}

// A show's files in memory.
class TMemoryFileSource : public TFileSource {
 public:
  std::map<std::string, std::string> files;
  TRef<TStream> Open(std::string_view name) override {
    auto it = files.find(std::string(name));
    return it == files.end() ? nullptr : MakeRef<TMemoryStream>(it->second);
  }
};

TEST(ColorCube, TheIdentityCubeMapsEveryColourToItself) {
  TRef<TPixelImage> cube = MakeIdentityCube();
  ASSERT_TRUE(IsCubeBitmap(*cube));
  EXPECT_EQ(CubeStepValue(0), 0);
  EXPECT_EQ(CubeStepValue(1), 8);
  EXPECT_EQ(CubeStepValue(31), 255);
  EXPECT_EQ(cube->GetPixel(5, 3 * 32 + 7),
            PackColor(CubeStepValue(3), CubeStepValue(7), CubeStepValue(5), 255));
  for (int r = 0; r < 256; r += 3)
    for (int g = 0; g < 256; g += 5)
      for (int b = 0; b < 256; ++b) {
        const uint32_t c = PackColor(uint8_t(r), uint8_t(g), uint8_t(b), 77);
        ASSERT_EQ(MapColorThroughCube(c, *cube), c) << r << "," << g << "," << b;
      }
}

TEST(BuiltInProfiles, AreRgbProfilesUnderTheirNames) {
  for (const char* name : {"sRGB", "AdobeRGB", "DizivAZI", "srgb", "ADOBERGB", "dizivazi"}) {
    SCOPED_TRACE(name);
    TRef<TColorProfile> profile = BuiltInProfile(name);
    ASSERT_TRUE(profile);
    const TIccDescription description = DescribeIccProfile(profile->Icc());
    EXPECT_TRUE(description.valid && description.rgb);
  }
  EXPECT_FALSE(BuiltInProfile("ProPhoto"));
  EXPECT_EQ(BuiltInProfile("sRGB").get(), StandardSrgbProfile().get());
  EXPECT_TRUE(IsStandardSrgbProfile(StandardSrgbProfile()->Icc()));
  EXPECT_FALSE(IsStandardSrgbProfile(BuiltInProfile("AdobeRGB")->Icc()));
  EXPECT_EQ(DescribeIccProfile(BuiltInProfile("AdobeRGB")->Icc()).description, "Adobe RGB (1998)");
}

TEST(ColorManagement, WhichPicturesAreTransformedForWhichSelection) {
  test::TempDir dir;
  const std::string adobeFile = dir.Write("profiles/adobe.icc", BuiltInProfile("AdobeRGB")->Icc());
  const TRef<TColorProfile> adobeTagged =
      MakeRef<TColorProfile>("photo.jpg", BuiltInProfile("AdobeRGB")->Icc());
  const TRef<TColorProfile> untagged;
  TColourSelection off;
  off.managementOff = true;
  struct Case {
    const char* label;
    TColourSelection selection;
    std::optional<std::string> systemProfile;
    const TRef<TColorProfile>& picture;
    bool transformed;
    const char* target;
  } cases[] = {
      {"off, tagged picture", off, std::nullopt, adobeTagged, false, "sRGB"},
      {"nothing chosen, untagged", {}, std::nullopt, untagged, false, "sRGB"},
      {"nothing chosen, tagged", {}, std::nullopt, adobeTagged, true, "sRGB"},
      {"sRGB display, untagged", Active(TColourSelection::Profile::BuiltIn, "sRGB"), std::nullopt, untagged,
       false, "sRGB"},
      {"sRGB display, tagged", Active(TColourSelection::Profile::BuiltIn, "sRGB"), std::nullopt, adobeTagged,
       true, "sRGB"},
      {"Adobe display, untagged", Active(TColourSelection::Profile::BuiltIn, "AdobeRGB"), std::nullopt,
       untagged, true, "AdobeRGB"},
      {"Adobe display, Adobe picture", Active(TColourSelection::Profile::BuiltIn, "AdobeRGB"), std::nullopt,
       adobeTagged, false, "AdobeRGB"},
      {"system display without profile", Active(TColourSelection::Profile::Display), std::nullopt, untagged,
       false, "sRGB"},
      {"system display with Adobe profile", Active(TColourSelection::Profile::Display),
       BuiltInProfile("AdobeRGB")->Icc(), untagged, true, "Display"},
      {"system display, not a profile", Active(TColourSelection::Profile::Display), std::string("junk"),
       untagged, false, "sRGB"},
      {"profile file", Active(TColourSelection::Profile::File, adobeFile), std::nullopt, untagged, true,
       adobeFile.c_str()},
      {"profile file, Windows-style name", Active(TColourSelection::Profile::File, "C:" + adobeFile),
       std::nullopt, untagged, true, nullptr},
      {"missing profile file", Active(TColourSelection::Profile::File, dir / "none.icc"), std::nullopt,
       untagged, false, "sRGB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    SelectionGuard guard(c.selection);
    TColorManagement::Process().SetSystemDisplayProfile(c.systemProfile);
    if (c.target) {
      EXPECT_EQ(TColorManagement::Process().TargetProfile()->Name(), c.target);
    }
    auto transform = TColorManagement::Process().TransformFor(c.picture, nullptr);
    EXPECT_EQ(transform.has_value(), c.transformed);
  }
}

// Adobe RGB (1998) to sRGB by the published matrices (both D65) and curves.
uint32_t AdobeToSrgbByHand(uint32_t c) {
  const double m[3][3] = {{0.5767309, 0.1855540, 0.1881852},
                          {0.2973769, 0.6273491, 0.0752741},
                          {0.0270343, 0.0706872, 0.9911085}};
  const double inv[3][3] = {{3.2404542, -1.5371385, -0.4985314},
                            {-0.9692660, 1.8760108, 0.0415560},
                            {0.0556434, -0.2040259, 1.0572252}};
  const double in[3] = {ColorR(c) / 255.0, ColorG(c) / 255.0, ColorB(c) / 255.0};
  double linear[3], xyz[3], out[3];
  for (int i = 0; i < 3; ++i) linear[i] = std::pow(in[i], 563.0 / 256.0);
  for (int i = 0; i < 3; ++i) xyz[i] = m[i][0] * linear[0] + m[i][1] * linear[1] + m[i][2] * linear[2];
  for (int i = 0; i < 3; ++i) {
    double v = std::clamp(inv[i][0] * xyz[0] + inv[i][1] * xyz[1] + inv[i][2] * xyz[2], 0.0, 1.0);
    v = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    out[i] = std::round(v * 255);
  }
  return PackColor(uint8_t(out[0]), uint8_t(out[1]), uint8_t(out[2]), 255);
}

// Little CMS's own calculator, fed the colours on standard input.
std::vector<uint32_t> TransiccToSrgb(const std::string& profilePath, const std::vector<uint32_t>& colours) {
  test::TempDir dir;
  std::string input;
  for (uint32_t c : colours)
    input +=
        std::to_string(ColorR(c)) + " " + std::to_string(ColorG(c)) + " " + std::to_string(ColorB(c)) + "\n";
  const std::string inputFile = dir.Write("in.txt", input);
  // In a subshell: the runner gives the command an empty standard input.
  auto run = test::RunCommand("(transicc -i " + test::ShellQuote(profilePath) + " -o '*sRGB' -n -t0 < " +
                              test::ShellQuote(inputFile) + ")");
  std::vector<uint32_t> result;
  std::istringstream out(run.out);
  double r, g, b;
  // transicc works unbounded: colours outside sRGB come out below 0 or above 255.
  auto channel = [](double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 255.0))); };
  while (out >> r >> g >> b) result.push_back(PackColor(channel(r), channel(g), channel(b), 255));
  return result;
}

TEST(ColorManagement, AnAdobeRgbJpegIsConvertedLikeTransiccAndThePublishedMatricesSay) {
  SelectionGuard guard(Active(TColourSelection::Profile::BuiltIn, "sRGB"));
  // Saturated and middle greens, and neighbours, in flat 8 × 8 blocks that
  // survive JPEG compression nearly unchanged.
  const std::vector<uint32_t> colours = {0xFF00C800, 0xFF00FF00, 0xFF64C850, 0xFF30A040, 0xFFC83232,
                                         0xFF3232C8, 0xFF808080, 0xFFFFFFFF, 0xFF000000, 0xFFE0D020};
  auto picture = MakeRef<TPixelImage>(8 * int(colours.size()), 8, TPixelFormat::kRGB32);
  for (int x = 0; x < picture->Width(); ++x)
    for (int y = 0; y < 8; ++y) picture->SetPixel(x, y, colours[size_t(x / 8)]);
  const std::string adobe = BuiltInProfile("AdobeRGB")->Icc();
  TRef<TBitmapStore> store =
      test::OpenPicture(test::EncodeJpegFixture(*picture, {.quality = 100, .icc = adobe}), "adobe.jpg");
  ASSERT_TRUE(store);
  ASSERT_TRUE(store->Profile());
  EXPECT_EQ(store->Profile()->Name(), "adobe.jpg");

  TRef<TPixelImage> stored = store->GetBitmap(0);
  TRef<TPixelImage> shown = DecodeForDisplay(*store, 0, nullptr);
  ASSERT_TRUE(stored && shown);
  std::vector<uint32_t> decoded;
  for (size_t i = 0; i < colours.size(); ++i) decoded.push_back(stored->GetPixel(int(i) * 8 + 4, 4));

  test::TempDir dir;
  const std::vector<uint32_t> expected = TransiccToSrgb(dir.Write("adobe.icc", adobe), decoded);
  ASSERT_EQ(expected.size(), colours.size()) << "transicc must be installed (liblcms2-utils)";
  for (size_t i = 0; i < colours.size(); ++i) {
    SCOPED_TRACE(i);
    const uint32_t got = shown->GetPixel(int(i) * 8 + 4, 4);
    const uint32_t byHand = AdobeToSrgbByHand(decoded[i]);
    for (int shift : {0, 8, 16}) {  // blue, green, red
      EXPECT_NEAR(int((got >> shift) & 0xFF), int((expected[i] >> shift) & 0xFF), 2);
      EXPECT_NEAR(int((got >> shift) & 0xFF), int((byHand >> shift) & 0xFF), 3);
    }
  }
  // A middle green really moves: Adobe's green primary lies outside sRGB.
  const uint32_t green = shown->GetPixel(2 * 8 + 4, 4), storedGreen = decoded[2];
  EXPECT_GT(std::abs(int(ColorR(green)) - int(ColorR(storedGreen))), 20);
}

TEST(ColorManagement, AJpegWithTheStandardProfileIsNotTransformed) {
  SelectionGuard guard(Active(TColourSelection::Profile::BuiltIn, "sRGB"));
  auto picture = test::GradientPicture(32, 16);
  TRef<TBitmapStore> store =
      test::OpenPicture(test::EncodeJpegFixture(*picture, {.icc = StandardSrgbProfile()->Icc()}), "srgb.jpg");
  ASSERT_TRUE(store);
  EXPECT_FALSE(store->Profile()) << "the standard profile is not kept as a profile of its own";
  EXPECT_FALSE(TColorManagement::Process().TransformFor(store->Profile(), nullptr));
  EXPECT_FALSE(ColorLookupBitmap(*store, nullptr));
  EXPECT_EQ(test::MaxChannelDifference(*store->GetBitmap(0), *DecodeForDisplay(*store, 0, nullptr)), 0);
}

TEST(ColorManagement, WithoutTheLibraryOnlyTheShowsTablesChangeColours) {
  // "*": the DizivAZI display, no colour library.
  TColourSelection selection;
  selection.profile = TColourSelection::Profile::BuiltIn;
  selection.name = "DizivAZI";
  SelectionGuard guard(selection);
  auto source = MakeRef<TMemoryFileSource>();
  TRef<TPixelImage> invert = MakeIdentityCube();
  for (int y = 0; y < invert->Height(); ++y)
    for (int x = 0; x < invert->Width(); ++x) invert->SetPixel(x, y, OpaqueColor(~invert->GetPixel(x, y)));
  const std::string table =
      test::MakeKvgfx({{"File", "t.bmp"}, {"Width", "32"}, {"Height", "1024"}, {"OriginalSize", "1"}},
                      test::ZlibCompress(test::EncodeBmpFixture(*invert, {.bits = 24})));
  source->files[TransformTableName("sRGB")] = table;
  EXPECT_EQ(TransformTableName("sRGB"), "ColorSpaceExe_sRGB].KVGFX");

  auto picture = test::SolidPicture(4, 4, 0xFF204060);
  TRef<TBitmapStore> store = test::OpenPicture(test::EncodeBmpFixture(*picture, {.bits = 24}), "p.bmp");
  ASSERT_TRUE(store);
  // Without the show's table: a transform is due but cannot be made.
  EXPECT_TRUE(TColorManagement::Process().TransformFor(nullptr, nullptr));
  EXPECT_FALSE(ColorLookupBitmap(*store, nullptr));
  EXPECT_EQ(DecodeForDisplay(*store, 0, nullptr)->GetPixel(1, 1), 0xFF204060u);
  // With it: the table does the work.
  TRef<TPixelImage> shown = DecodeForDisplay(*store, 0, source.get());
  EXPECT_EQ(shown->GetPixel(1, 1), 0xFFDFBF9Fu);
  TRef<TPixelImage> lookup = ColorLookupBitmap(*store, source.get());
  ASSERT_TRUE(lookup);
  EXPECT_EQ(test::MaxChannelDifference(*lookup, *invert), 0);
  EXPECT_EQ(TColorManagement::Process().ToDisplay(0xFF000000u, source.get()), 0xFFFFFFFFu);
}

TEST(ColorManagement, TheLookupBitmapIsMadeOncePerProfileAndTarget) {
  SelectionGuard guard(Active(TColourSelection::Profile::BuiltIn, "AdobeRGB"));
  auto store = test::OpenPicture(
      test::EncodeBmpFixture(*test::SolidPicture(2, 2, kOpaqueWhite), {.bits = 24}), "w.bmp");
  TRef<TPixelImage> first = ColorLookupBitmap(*store, nullptr);
  TRef<TPixelImage> second = ColorLookupBitmap(*store, nullptr);
  ASSERT_TRUE(first);
  EXPECT_EQ(first.get(), second.get());
  EXPECT_TRUE(IsCubeBitmap(*first));
  // Pure sRGB red is a duller red in Adobe RGB; white stays white.
  const uint32_t red = TColorManagement::Process().ToDisplay(0xFFFF0000u);
  EXPECT_NEAR(ColorR(red), 219, 3);
  EXPECT_LE(ColorG(red), 3);
  EXPECT_LE(ColorB(red), 3);
  EXPECT_EQ(TColorManagement::Process().ToDisplay(0x80FFFFFFu), 0x80FFFFFFu);
}

TEST(ColorManagement, AlphaIsLeftAloneByTransforms) {
  SelectionGuard guard(Active(TColourSelection::Profile::BuiltIn, "AdobeRGB"));
  auto picture = test::GradientPicture(16, 16, true);
  auto store = test::OpenPicture(test::EncodePngFixture(*picture, 6, 8), "a.png");
  ASSERT_TRUE(store);
  TRef<TPixelImage> shown = DecodeForDisplay(*store, 0, nullptr);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(ColorA(shown->GetPixel(x, y)), ColorA(picture->GetPixel(x, y)));
  EXPECT_NE(shown->GetPixel(15, 3), picture->GetPixel(15, 3));
}

}  // namespace
}  // namespace zol
