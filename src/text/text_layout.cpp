#include "text/text_layout.h"

#include <cmath>

#include "text/font_cache.h"
#include "text/win_vectorizer.h"

namespace zol {

TRef<TCachedVectorText> LayoutText(const std::vector<std::string>& lines, const TFontRequest& font) {
  TWinVectorizer& vectorizer = TWinVectorizer::Instance();
  TFontRequest wanted = font;
  if (!vectorizer.IsOutlineFont(wanted)) wanted.family = kDefaultFontFamily;

  auto text = MakeRef<TCachedVectorText>();
  text->fontInfo = vectorizer.FontMetrics(wanted);
  for (const std::string& source : lines) {
    const TTextElement element = vectorizer.ShapeLine(wanted, source);
    TGlyphLine line;
    line.width = element.width;
    for (const TShapedRun& run : element.runs) {
      TRef<TGlyphCache> cache = TFontCache::Instance().GetOrCreate(run.fontKey);
      const uint16_t font = text->FontIndex(run.fontKey);
      for (const TPlacedGlyph& placed : run.glyphs) {
        if (!cache->Find(placed.index))
          if (std::optional<TGlyphData> data = vectorizer.GlyphData(run.fontKey, placed.index))
            cache->Add(std::move(*data));
        TGlyphPointer glyph;
        glyph.font = font;
        glyph.glyphIndex = placed.index;
        const double whole = std::floor(placed.x);
        glyph.position = int32_t(whole);
        glyph.offset = float(placed.x - whole);
        glyph.yOffset = float(placed.y);
        line.glyphs.push_back(glyph);
      }
    }
    text->lines.push_back(std::move(line));
  }
  return text;
}

}  // namespace zol
