// Rasterising glyph outlines: our 16 x 16 sub-sample scan-line filler against
// FreeType's own anti-aliased renderer, on the same unhinted DejaVu Sans
// glyphs at 48 pixels per em, 10,000 glyphs per iteration. FreeType must load
// a glyph before each render (rendering replaces the outline), so its load
// time is measured on its own too.
#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <memory>
#include <vector>

#include "text/font_matcher.h"
#include "text/freetype_face.h"
#include "text/raster_helper.h"

namespace {

constexpr int kGlyphs = 10000;
constexpr int kPixels = 48;

struct TFixture {
  zol::TFontFile file;
  std::vector<FT_UInt> indices;
  FT_Library library = nullptr;
  FT_Face face = nullptr;

  TFixture() {
    zol::TFontMatcher matcher;
    file = *matcher.Match({"DejaVu Sans"});
    FT_Init_FreeType(&library);
    FT_New_Face(library, file.path.c_str(), file.index, &face);
    FT_Set_Pixel_Sizes(face, 0, kPixels);
    for (char32_t ch = U'!'; ch <= U'~'; ++ch) indices.push_back(FT_Get_Char_Index(face, ch));
  }
  ~TFixture() {
    FT_Done_Face(face);
    FT_Done_FreeType(library);
  }
};

TFixture& Fixture() {
  static TFixture fixture;
  return fixture;
}

void OurRasterizer(benchmark::State& state) {
  TFixture& f = Fixture();
  zol::TFreeTypeLibrary library;
  std::unique_ptr<zol::TFreeTypeFace> face = zol::TFreeTypeFace::Open(library, f.file.path, f.file.index);
  std::vector<zol::TGlyphData> glyphs;
  for (FT_UInt index : f.indices) {
    glyphs.push_back(face->Glyph(uint16_t(index), kPixels, false, false));
    glyphs.back().bounds = glyphs.back().path.Bounds();
  }
  zol::TRasterHelper helper;
  for (auto _ : state) {
    for (int i = 0; i < kGlyphs; ++i) {
      const zol::TGlyphData& g = glyphs[size_t(i) % glyphs.size()];
      // A bitmap just large enough for the glyph, as FreeType makes.
      const int left = int(std::floor(g.bounds.left)), top = int(std::floor(g.bounds.top));
      const int width = int(std::ceil(g.bounds.right)) - left + 1;
      const int height = int(std::ceil(g.bounds.bottom)) - top + 1;
      helper.BeginPaint(width, height);
      helper.FillPath(g.path, zol::TPathTransform{1, 1, double(-left), double(-top)});
      zol::TCoverageBitmap bitmap = helper.EndPaint();
      benchmark::DoNotOptimize(bitmap.coverage.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * kGlyphs);
}

void FreeTypeLoadAndRender(benchmark::State& state) {
  TFixture& f = Fixture();
  for (auto _ : state) {
    for (int i = 0; i < kGlyphs; ++i) {
      FT_Load_Glyph(f.face, f.indices[size_t(i) % f.indices.size()], FT_LOAD_NO_HINTING);
      FT_Render_Glyph(f.face->glyph, FT_RENDER_MODE_NORMAL);
      benchmark::DoNotOptimize(f.face->glyph->bitmap.buffer);
    }
  }
  state.SetItemsProcessed(state.iterations() * kGlyphs);
}

void FreeTypeLoadOnly(benchmark::State& state) {
  TFixture& f = Fixture();
  for (auto _ : state) {
    for (int i = 0; i < kGlyphs; ++i) {
      FT_Load_Glyph(f.face, f.indices[size_t(i) % f.indices.size()], FT_LOAD_NO_HINTING);
      benchmark::DoNotOptimize(f.face->glyph->outline.points);
    }
  }
  state.SetItemsProcessed(state.iterations() * kGlyphs);
}

BENCHMARK(OurRasterizer)->Unit(benchmark::kMillisecond);
BENCHMARK(FreeTypeLoadAndRender)->Unit(benchmark::kMillisecond);
BENCHMARK(FreeTypeLoadOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
