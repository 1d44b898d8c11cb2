// Family names to faces through fontconfig: the usual Windows faces map to
// their metric-compatible Liberation stand-ins, the default is fontconfig's
// sans-serif, and a font without outlines gives way to the default.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "text/font_matcher.h"
#include "text/text_layout.h"
#include "text/win_vectorizer.h"
#include "text_test_support.h"

namespace zol {
namespace {

std::string FileName(const TFontFile& file) {
  return std::filesystem::path(file.path).filename().string();
}

TEST(FontMatcher, WindowsFacesMapToMetricCompatibleOnes) {
  struct TCase {
    TFontRequest wanted;
    const char* family;
    const char* file;
  };
  const TCase cases[] = {
      {{"Arial", false, false}, "Liberation Sans", "LiberationSans-Regular.ttf"},
      {{"Arial", true, false}, "Liberation Sans", "LiberationSans-Bold.ttf"},
      {{"Arial", false, true}, "Liberation Sans", "LiberationSans-Italic.ttf"},
      {{"Times New Roman", false, false}, "Liberation Serif", "LiberationSerif-Regular.ttf"},
      {{"Times New Roman", true, true}, "Liberation Serif", "LiberationSerif-BoldItalic.ttf"},
      {{"Courier New", false, false}, "Liberation Mono", "LiberationMono-Regular.ttf"},
      {{"", false, false}, "DejaVu Sans", "DejaVuSans.ttf"},  // the default: sans-serif
      {{"sans-serif", true, false}, "DejaVu Sans", "DejaVuSans-Bold.ttf"},
      {{"DejaVu Serif", false, true}, "DejaVu Serif", "DejaVuSerif-Italic.ttf"},
  };
  TFontMatcher matcher;
  for (const TCase& c : cases) {
    std::optional<TFontFile> file = matcher.Match(c.wanted);
    ASSERT_TRUE(file) << c.wanted.Family();
    EXPECT_EQ(file->family, c.family) << c.wanted.Family();
    EXPECT_EQ(FileName(*file), c.file) << c.wanted.Family();
    EXPECT_TRUE(file->outline);
    EXPECT_FALSE(file->embolden);
    EXPECT_FALSE(file->oblique);
  }
}

TEST(FontMatcher, FallbackIsTheFirstFaceInFontconfigsOrderThatHasTheCharacter) {
  TFontMatcher matcher;
  struct TCase {
    char32_t ch;
    bool found;
  };
  // DejaVu Sans lacks Devanagari; FreeFont has it. Nothing installed has
  // the Private Use Area character.
  for (const TCase& c : {TCase{U'क', true}, TCase{U'\U000F0001', false}}) {
    std::optional<TFontFile> file = matcher.FallbackFor(c.ch, {"DejaVu Sans"});
    EXPECT_EQ(file.has_value(), c.found);
    if (file) {
      EXPECT_TRUE(file->family == "FreeSans" || file->family == "FreeSerif") << file->family;
      EXPECT_TRUE(file->outline);
    }
  }
  // The same font asked in bold gets the fallback's bold face.
  std::optional<TFontFile> bold = matcher.FallbackFor(U'क', {"DejaVu Sans", true, false});
  ASSERT_TRUE(bold);
  EXPECT_NE(FileName(*bold).find("Bold"), std::string::npos) << bold->path;
}

TEST(FontMatcher, AFontWithoutOutlinesGivesWayToTheDefault) {
  // A one-glyph bitmap font (BDF) in a configuration of its own: the system
  // configuration turns bitmap fonts away altogether.
  test::TempDir dir;
  dir.Write("zolbitmap.bdf",
            "STARTFONT 2.1\nFONT -misc-zolbitmap-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
            "SIZE 8 75 75\nFONTBOUNDINGBOX 8 8 0 -1\nSTARTPROPERTIES 3\nFAMILY_NAME \"ZolBitmap\"\n"
            "FONT_ASCENT 7\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\n"
            "SWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 -1\nBITMAP\n18\n24\n42\n7E\n42\n42\n42\n00\nENDCHAR\nENDFONT\n");
  const std::string config = dir.Write(
      "fonts.conf", "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                    "<fontconfig>\n  <dir>" + dir.Path().string() + "</dir>\n"
                    "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                    "  <cachedir>" + (dir / "cache") + "</cachedir>\n"
                    "  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>\n"
                    "</fontconfig>\n");
  TFontMatcher matcher;
  ASSERT_TRUE(matcher.UseConfigFile(config));
  std::optional<TFontFile> bitmap = matcher.Match({"ZolBitmap"});
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->family, "ZolBitmap");
  EXPECT_FALSE(bitmap->outline);

  test::TFontConfigurationScope scope(config);
  ASSERT_TRUE(scope.ok);
  TWinVectorizer& vectorizer = TWinVectorizer::Instance();
  EXPECT_FALSE(vectorizer.IsOutlineFont({"ZolBitmap"}));
  EXPECT_TRUE(vectorizer.IsOutlineFont({"DejaVu Sans"}));
  EXPECT_EQ(vectorizer.FontKey({"ZolBitmap"}), vectorizer.FontKey({""}));
  TRef<TCachedVectorText> text = LayoutText({"A"}, {"ZolBitmap"});
  ASSERT_EQ(text->fontKeys.size(), 1u);
  EXPECT_NE(text->fontKeys[0].find("DejaVuSans.ttf"), std::string::npos) << text->fontKeys[0];
}

TEST(FontMatcher, AnEmptyConfigurationKnowsNoFont) {
  test::TempDir dir;
  const std::string config = dir.Write(
      "empty.conf", "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                    "<fontconfig><cachedir>" + (dir / "cache") + "</cachedir></fontconfig>\n");
  TFontMatcher matcher;
  ASSERT_TRUE(matcher.UseConfigFile(config));
  EXPECT_FALSE(matcher.Match({"Arial"}));
  EXPECT_FALSE(matcher.FallbackFor(U'a', {"Arial"}));
  // A configuration that cannot be read leaves the old one in place.
  EXPECT_FALSE(matcher.UseConfigFile(dir / "missing.conf"));
  EXPECT_FALSE(matcher.Match({"Arial"}));
  EXPECT_TRUE(matcher.UseConfigFile(""));
  EXPECT_TRUE(matcher.Match({"Arial"}));
}

}  // namespace
}  // namespace zol
