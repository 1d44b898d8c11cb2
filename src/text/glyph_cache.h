// TGlyphCache: the outlines of one font (font key) by glyph index. Shared by
// reference between the process-wide font cache and the texts drawn with it;
// its own lock guards the table, and glyphs never move or go once added, so a
// reader may keep a glyph pointer as long as it holds the cache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/ref.h"
#include "text/glyph_data.h"

namespace zol {

class TGlyphCache : public TRefObject {
 public:
  // FROMPACKAGE: read from a show's stored glyph cache rather than made from
  // an installed font.
  TGlyphCache(std::string fontKey, bool fromPackage);

  const std::string& FontKey() const { return fontKey_; }
  bool FromPackage() const { return fromPackage_; }

  // The glyph, or null when the cache does not have it.
  const TGlyphData* Find(uint16_t index) const;
  // Adds GLYPH unless one with its index is there; returns the one kept.
  const TGlyphData* Add(TGlyphData glyph);
  size_t Count() const;
  // The glyphs in index order (a copy, for storing the cache).
  std::vector<const TGlyphData*> Glyphs() const;

 private:
  const std::string fontKey_;
  const bool fromPackage_;
  mutable std::mutex lock_;                          // guards glyphs_
  std::unordered_map<uint16_t, TGlyphData> glyphs_;  // nodes never move
};

}  // namespace zol
