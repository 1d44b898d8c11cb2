// libFuzzer target: the stored glyph cache and text layout readers, and what
// is drawn from whatever they accept. The first byte picks the form (even: a
// glyph cache, whose glyphs are then filled; odd: a text layout, which is
// then measured and, when small, painted with square glyphs).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/glyph_cache_format.h"
#include "text/raster_helper.h"
#include "text/text_error.h"
#include "text/text_producer.h"
#include "text/vector_text_format.h"

namespace {

void FillGlyphs(const zol::TGlyphCache& cache) {
  zol::TRasterHelper helper;
  helper.BeginPaint(48, 48);
  int filled = 0;
  for (const zol::TGlyphData* glyph : cache.Glyphs()) {
    if (++filled > 8) break;
    helper.FillPath(glyph->path, zol::TPathTransform{0.5, 0.5, 8, 40});
  }
  helper.EndPaint();
}

void DrawText(const zol::TRef<zol::TCachedVectorText>& layout) {
  std::vector<zol::TRef<zol::TGlyphCache>> caches;
  for (const std::string& key : layout->fontKeys) caches.push_back(zol::MakeRef<zol::TGlyphCache>(key, true));
  for (const zol::TGlyphLine& line : layout->lines)
    for (const zol::TGlyphPointer& glyph : line.glyphs) {
      zol::TGlyphCache& cache = *caches[glyph.font];
      if (cache.Find(glyph.glyphIndex)) continue;
      zol::TGlyphData square;
      square.index = glyph.glyphIndex;
      square.metrics.advance = 10;
      square.path.Add(1, -8, zol::kPathStart);
      square.path.Add(9, -8, zol::kPathLineTo);
      square.path.Add(9, 0, zol::kPathLineTo);
      cache.Add(square);
    }
  auto text = zol::MakeRef<zol::TVectorText>(layout, caches, true);
  zol::TTextPaint paint;
  paint.scale = 0.25;
  paint.underline = paint.strikeOut = true;
  zol::TTextProducer producer(text, paint);
  const zol::TTextMeasure& m = producer.Measure();
  if (int64_t(m.pictureWidth) * m.pictureHeight <= 20000) producer.Paint();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    if (data[0] % 2 == 0) {
      FillGlyphs(*zol::ReadGlyphCache(bytes));
    } else {
      DrawText(zol::ReadVectorText(bytes));
    }
  } catch (const zol::ETextError&) {
    // Damaged data is refused with an error: the expected outcome.
  }
  return 0;
}
