#include "text/glyph_cache.h"

#include <algorithm>

namespace zol {

TGlyphCache::TGlyphCache(std::string fontKey, bool fromPackage)
    : fontKey_(std::move(fontKey)), fromPackage_(fromPackage) {}

const TGlyphData* TGlyphCache::Find(uint16_t index) const {
  std::lock_guard guard(lock_);
  auto it = glyphs_.find(index);
  return it == glyphs_.end() ? nullptr : &it->second;
}

const TGlyphData* TGlyphCache::Add(TGlyphData glyph) {
  glyph.bounds = glyph.path.Bounds();
  std::lock_guard guard(lock_);
  const uint16_t index = glyph.index;
  return &glyphs_.try_emplace(index, std::move(glyph)).first->second;
}

size_t TGlyphCache::Count() const {
  std::lock_guard guard(lock_);
  return glyphs_.size();
}

std::vector<const TGlyphData*> TGlyphCache::Glyphs() const {
  std::vector<const TGlyphData*> list;
  {
    std::lock_guard guard(lock_);
    for (const auto& [index, glyph] : glyphs_) list.push_back(&glyph);
  }
  std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->index < b->index; });
  return list;
}

}  // namespace zol
