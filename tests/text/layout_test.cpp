// Laying lines out with the installed fonts: HarfBuzz's placement, fallback
// faces for characters a font lacks, right-to-left runs, ligatures and the
// visual order of mixed lines.
#include <gtest/gtest.h>

#include <hb.h>

#include <cmath>

#include "foundation/utf8.h"
#include "text/bidi_levels.h"
#include "text/font_cache.h"
#include "text/font_matcher.h"
#include "text/text_layout.h"
#include "text/win_vectorizer.h"

namespace zol {
namespace {

struct THbGlyph {
  uint32_t glyph;
  double x;  // pen + offset, in layout units
};

// HarfBuzz on its own: TEXT in the face of FILE, one run, direction as given.
std::vector<THbGlyph> ShapeWithHarfBuzz(const TFontFile& file, std::string_view text, hb_direction_t direction,
                                        double* width = nullptr) {
  hb_blob_t* blob = hb_blob_create_from_file(file.path.c_str());
  hb_face_t* face = hb_face_create(blob, unsigned(file.index));
  hb_font_t* font = hb_font_create(face);
  const double scale = TWinVectorizer::kEmSize / hb_face_get_upem(face);
  hb_buffer_t* buffer = hb_buffer_create();
  hb_buffer_add_utf8(buffer, text.data(), int(text.size()), 0, int(text.size()));
  hb_buffer_set_direction(buffer, direction);
  hb_buffer_guess_segment_properties(buffer);
  hb_shape(font, buffer, nullptr, 0);
  unsigned count = 0;
  hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
  hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
  std::vector<THbGlyph> glyphs;
  double pen = 0;
  for (unsigned i = 0; i < count; ++i) {
    glyphs.push_back({infos[i].codepoint, (pen + positions[i].x_offset) * scale});
    pen += positions[i].x_advance;
  }
  if (width) *width = pen * scale;
  hb_buffer_destroy(buffer);
  hb_font_destroy(font);
  hb_face_destroy(face);
  hb_blob_destroy(blob);
  return glyphs;
}

std::vector<TPlacedGlyph> AllGlyphs(const TTextElement& element) {
  std::vector<TPlacedGlyph> glyphs;
  for (const TShapedRun& run : element.runs) glyphs.insert(glyphs.end(), run.glyphs.begin(), run.glyphs.end());
  return glyphs;
}

TEST(Layout, SingleFontLinesMatchHarfBuzz) {
  struct TCase {
    const char* family;
    const char* text;
    hb_direction_t direction;
  };
  const TCase cases[] = {
      {"DejaVu Sans", "Hello, World! AVAW Ta.", HB_DIRECTION_LTR},  // kerning pairs
      {"DejaVu Serif", "Sphinx of black quartz", HB_DIRECTION_LTR},
      {"Liberation Sans", "Kerning: AV To Wa", HB_DIRECTION_LTR},
      {"DejaVu Sans", "שלום עולם", HB_DIRECTION_RTL},              // Hebrew, right to left
      {"DejaVu Sans", "لا سلام", HB_DIRECTION_RTL},                 // Arabic: joining forms, lam-alef
      {"DejaVu Sans", "e\u0301a\u0308", HB_DIRECTION_LTR},          // combining marks
  };
  TFontMatcher matcher;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text);
    std::optional<TFontFile> file = matcher.Match({c.family});
    ASSERT_TRUE(file);
    double hbWidth = 0;
    const std::vector<THbGlyph> expected = ShapeWithHarfBuzz(*file, c.text, c.direction, &hbWidth);
    const TTextElement element = TWinVectorizer::Instance().ShapeLine({c.family}, c.text);
    const std::vector<TPlacedGlyph> glyphs = AllGlyphs(element);
    ASSERT_EQ(glyphs.size(), expected.size());
    for (size_t i = 0; i < glyphs.size(); ++i) {
      EXPECT_EQ(glyphs[i].index, expected[i].glyph) << i;
      EXPECT_NEAR(glyphs[i].x, expected[i].x, 1e-9) << i;
    }
    EXPECT_NEAR(element.width, hbWidth, 1e-9);
    for (const TShapedRun& run : element.runs) EXPECT_EQ(run.rightToLeft, c.direction == HB_DIRECTION_RTL);
  }
}

TEST(Layout, LigaturesComeFromTheShaper) {
  // Arabic lam + alef is one glyph; DejaVu Sans's "fi" ligature too.
  struct TCase {
    const char* text;
    size_t glyphs;
  };
  for (const TCase& c : {TCase{"لا", 1}, TCase{"fi", 1}, TCase{"f i", 3}}) {
    const TTextElement element = TWinVectorizer::Instance().ShapeLine({"DejaVu Sans"}, c.text);
    EXPECT_EQ(AllGlyphs(element).size(), c.glyphs) << c.text;
  }
}

TEST(Layout, MissingCharactersComeFromTheFirstFallbackThatHasThem) {
  TFontMatcher matcher;
  const std::string dejavu = TWinVectorizer::Instance().FontKey({"DejaVu Sans"});
  std::optional<TFontFile> fallback = matcher.FallbackFor(U'क', {"DejaVu Sans"});
  ASSERT_TRUE(fallback);
  const TTextElement element = TWinVectorizer::Instance().ShapeLine({"DejaVu Sans"}, "ab क cd");
  ASSERT_EQ(element.runs.size(), 3u);
  EXPECT_EQ(element.runs[0].fontKey, dejavu);
  EXPECT_NE(element.runs[1].fontKey.find(fallback->path), std::string::npos) << element.runs[1].fontKey;
  EXPECT_EQ(element.runs[2].fontKey, dejavu);
  // The fallback's glyph is its real glyph for the character, not a box.
  ASSERT_EQ(element.runs[1].glyphs.size(), 1u);
  EXPECT_NE(element.runs[1].glyphs[0].index, 0);
  // Pen positions run on across the runs.
  EXPECT_GT(element.runs[1].glyphs[0].x, element.runs[0].glyphs.back().x);
  EXPECT_GT(element.runs[2].glyphs[0].x, element.runs[1].glyphs[0].x);

  // The laid-out text keeps both fonts, each glyph in its font's cache.
  TRef<TCachedVectorText> text = LayoutText({"ab क cd"}, {"DejaVu Sans"});
  ASSERT_EQ(text->fontKeys.size(), 2u);
  for (const TGlyphPointer& glyph : text->lines[0].glyphs) {
    TRef<TGlyphCache> cache = TFontCache::Instance().GetOrCreate(text->fontKeys[glyph.font]);
    EXPECT_NE(cache->Find(glyph.glyphIndex), nullptr);
  }
}

TEST(Layout, MixedDirectionLinesAreInVisualOrder) {
  // "abc " then Hebrew: the Hebrew run stands right of the Latin one, its
  // letters reversed; digits inside Hebrew keep their own order.
  const TTextElement element = TWinVectorizer::Instance().ShapeLine({"DejaVu Sans"}, "abc אבג 12");
  ASSERT_GE(element.runs.size(), 2u);
  EXPECT_FALSE(element.runs.front().rightToLeft);
  bool anyRightToLeft = false;
  for (const TShapedRun& run : element.runs) anyRightToLeft |= run.rightToLeft;
  EXPECT_TRUE(anyRightToLeft);
  double last = -1;
  for (const TPlacedGlyph& glyph : AllGlyphs(element)) {
    EXPECT_GE(glyph.x, last);  // strictly left to right as shown
    last = glyph.x;
  }
}

TEST(Layout, HeaderHoldsTheFontsWindowsMetrics) {
  // DejaVu Sans: 2048 units per em, Windows ascent 1901 and descent 483.
  TRef<TCachedVectorText> text = LayoutText({"One", "", "Three"}, {"DejaVu Sans"});
  EXPECT_EQ(text->fontInfo.ascent, int(std::lround(1901 * 100 / 2048.0)));
  EXPECT_EQ(text->fontInfo.descent, int(std::lround(483 * 100 / 2048.0)));
  EXPECT_LT(text->fontInfo.underlinePosition, 0);
  EXPECT_GT(text->fontInfo.underlineSize, 0);
  EXPECT_GT(text->fontInfo.strikeOutPosition, 0);
  ASSERT_EQ(text->lines.size(), 3u);
  EXPECT_EQ(text->lines[0].glyphs.size(), 3u);
  EXPECT_TRUE(text->lines[1].glyphs.empty());
  EXPECT_EQ(text->lines[1].width, 0);
}

struct TBidiCase {
  std::u32string text;
  std::vector<uint8_t> levels;
  std::vector<size_t> order;
};

TEST(BidiLevels, LevelsAndVisualOrder) {
  const TBidiCase cases[] = {
      {U"ab", {0, 0}, {0, 1}},
      {U"אב", {1, 1}, {1, 0}},
      {U"a א", {0, 0, 1}, {0, 1, 2}},
      {U"א a", {1, 1, 2}, {2, 1, 0}},
      {U"א 12", {1, 1, 2, 2}, {2, 3, 1, 0}},           // digits keep their order
      {U"a 12", {0, 0, 0, 0}, {0, 1, 2, 3}},
      {U"a ב ג b", {0, 0, 1, 1, 1, 0, 0}, {0, 1, 4, 3, 2, 5, 6}},  // neutral between two Hebrew letters
      {U"אb\u0301", {1, 2, 2}, {1, 2, 0}},             // the mark follows its letter
      {U"!?", {0, 0}, {0, 1}},
      {U"", {}, {}},
  };
  for (const TBidiCase& c : cases) {
    EXPECT_EQ(ResolveBidiLevels(c.text), c.levels) << utf8::FromUtf16(std::u16string(c.text.begin(), c.text.end()));
    EXPECT_EQ(VisualOrder(c.levels), c.order);
  }
}

}  // namespace
}  // namespace zol
