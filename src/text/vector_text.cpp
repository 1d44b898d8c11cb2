#include "text/vector_text.h"

#include <algorithm>

namespace zol {

TVectorText::TVectorText(TRef<TCachedVectorText> layout, std::vector<TRef<TGlyphCache>> caches, bool stored)
    : layout_(std::move(layout)), caches_(std::move(caches)), stored_(stored) {
  caches_.resize(layout_->fontKeys.size());
}

void TVectorText::Dispose() {
  caches_.clear();
  layout_ = nullptr;
  TRefObject::Dispose();
}

const TGlyphData* TVectorText::Glyph(const TGlyphPointer& glyph) const {
  if (glyph.font >= caches_.size() || !caches_[glyph.font]) return nullptr;
  return caches_[glyph.font]->Find(glyph.glyphIndex);
}

double TVectorText::LineWidth(size_t i) const {
  const TGlyphLine& line = layout_->lines[i];
  if (line.width >= 0) return line.width;
  double width = 0;
  for (const TGlyphPointer& glyph : line.glyphs)
    if (const TGlyphData* data = Glyph(glyph)) width = std::max(width, glyph.X() + data->Advance());
  return width;
}

}  // namespace zol
