// TVectorText: a laid-out text ready to draw: its layout and the glyph cache
// of each of its fonts, resolved once so that painting needs no lookups.
// Immutable; shared by reference; any thread.
#pragma once

#include <vector>

#include "foundation/ref.h"
#include "text/cached_vector_text.h"
#include "text/glyph_cache.h"

namespace zol {

class TVectorText : public TRefObject {
 public:
  // CACHES holds one cache per font key of LAYOUT, in the same order (a null
  // entry draws nothing). STORED: the layout came from the show package.
  TVectorText(TRef<TCachedVectorText> layout, std::vector<TRef<TGlyphCache>> caches, bool stored);

  const TCachedVectorText& Layout() const { return *layout_; }
  const TFontInfo& FontInfo() const { return layout_->fontInfo; }
  size_t LineCount() const { return layout_->lines.size(); }
  const TGlyphLine& Line(size_t i) const { return layout_->lines[i]; }
  bool Stored() const { return stored_; }

  // The glyph's data; null when its cache lacks it.
  const TGlyphData* Glyph(const TGlyphPointer& glyph) const;
  // The pen advance of line I in font units: as laid out, or up to the
  // farthest glyph end for stored layouts.
  double LineWidth(size_t i) const;

 protected:
  void Dispose() override;

 private:
  TRef<TCachedVectorText> layout_;
  std::vector<TRef<TGlyphCache>> caches_;
  bool stored_;
};

}  // namespace zol
