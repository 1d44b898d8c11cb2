// Our rasteriser against FreeType's own anti-aliased renderer on the same
// unhinted glyph outlines: the coverage of every pixel must agree closely.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <memory>

#include "text/font_matcher.h"
#include "text/freetype_face.h"
#include "text/raster_helper.h"

namespace zol {
namespace {

struct TFtLibrary {
  FT_Library library = nullptr;
  TFtLibrary() { FT_Init_FreeType(&library); }
  ~TFtLibrary() { FT_Done_FreeType(library); }
};
struct TFtFace {
  FT_Face face = nullptr;
  TFtFace(FT_Library library, const TFontFile& file) { FT_New_Face(library, file.path.c_str(), file.index, &face); }
  ~TFtFace() {
    if (face) FT_Done_Face(face);
  }
};

struct TDifference {
  double mean = 0;  // mean absolute coverage difference, 0 .. 1
  double worst = 0;
  int pixels = 0;
};

// Renders CH of FILE at PIXELS per em both ways and compares.
TDifference Compare(const TFontFile& file, char32_t ch, int pixels) {
  TFtLibrary ft;
  TFtFace reference(ft.library, file);
  EXPECT_NE(reference.face, nullptr);
  FT_Set_Pixel_Sizes(reference.face, 0, FT_UInt(pixels));
  const FT_UInt index = FT_Get_Char_Index(reference.face, FT_ULong(ch));
  EXPECT_NE(index, 0u);
  EXPECT_EQ(FT_Load_Glyph(reference.face, index, FT_LOAD_NO_HINTING), 0);
  EXPECT_EQ(FT_Render_Glyph(reference.face->glyph, FT_RENDER_MODE_NORMAL), 0);
  const FT_Bitmap& bitmap = reference.face->glyph->bitmap;
  const int left = reference.face->glyph->bitmap_left, top = reference.face->glyph->bitmap_top;
  const int width = int(bitmap.width), height = int(bitmap.rows);

  TFreeTypeLibrary library;
  std::unique_ptr<TFreeTypeFace> ours = TFreeTypeFace::Open(library, file.path, file.index);
  const TGlyphData glyph = ours->Glyph(uint16_t(index), pixels, false, false);
  TRasterHelper helper;
  helper.BeginPaint(width, height);
  // Our outline has y downward from the baseline; FreeType's bitmap starts
  // LEFT pixels right of the origin and TOP pixels above the baseline.
  helper.FillPath(glyph.path, TPathTransform{1, 1, double(-left), double(top)});
  const TCoverageBitmap coverage = helper.EndPaint();

  TDifference d;
  double sum = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double theirs = bitmap.buffer[y * bitmap.pitch + x] / 255.0;
      const double mine = coverage.At(x, y) / 256.0;
      const double diff = std::abs(theirs - mine);
      sum += diff;
      d.worst = std::max(d.worst, diff);
    }
  d.pixels = width * height;
  d.mean = d.pixels ? sum / d.pixels : 0;
  return d;
}

TEST(FreeTypeComparison, CoverageMatchesFreeTypesRenderer) {
  TFontMatcher matcher;
  struct TCase {
    const char* family;
    bool italic;
    char32_t ch;
    int pixels;
  };
  const TCase cases[] = {
      {"DejaVu Sans", false, U'g', 48},   {"DejaVu Sans", false, U'@', 48}, {"DejaVu Sans", false, U'W', 24},
      {"DejaVu Serif", true, U'&', 48},   {"Liberation Sans", false, U'Q', 48},
      {"Liberation Serif", false, U'ß', 96}, {"DejaVu Sans", false, U'e', 12}, {"DejaVu Sans", false, U'Ж', 32},
  };
  for (const TCase& c : cases) {
    std::optional<TFontFile> file = matcher.Match({c.family, false, c.italic});
    ASSERT_TRUE(file) << c.family;
    const TDifference d = Compare(*file, c.ch, c.pixels);
    SCOPED_TRACE(std::string(c.family) + " U+" + std::to_string(uint32_t(c.ch)) + " at " + std::to_string(c.pixels));
    EXPECT_GT(d.pixels, 0);
    // On average within 2 % (small sizes are mostly edge pixels), and no
    // pixel off by more than a tenth: the 16 x 16 sub-samples against
    // FreeType's exact areas.
    EXPECT_LT(d.mean, 0.02);
    EXPECT_LT(d.worst, 0.10);
  }
}

}  // namespace
}  // namespace zol
