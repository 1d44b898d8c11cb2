#include "text/font_cache.h"

#include "foundation/log.h"
#include "text/glyph_cache_format.h"
#include "text/stored_file.h"
#include "text/text_error.h"

namespace zol {

TFontCache& TFontCache::Instance() {
  static TFontCache cache;
  return cache;
}

TRef<TGlyphCache> TFontCache::Lookup(std::string_view key, TFileAccessor* accessor) {
  {
    std::lock_guard guard(lock_);
    if (auto it = caches_.find(key); it != caches_.end()) return it->second;
  }
  if (!accessor) return nullptr;
  TRef<TGlyphCache> stored;
  try {
    std::optional<std::string> bytes = ReadStoredFile(*accessor, std::string(kGlyphCachePrefix) + std::string(key));
    if (!bytes) return nullptr;
    stored = ReadGlyphCache(*bytes);
  } catch (const ETextError& e) {
    LogText(std::string("Glyph cache unreadable: ") + e.what());
    return nullptr;
  }
  std::lock_guard guard(lock_);
  // Another thread may have read it meanwhile; the first one stays.
  return caches_.try_emplace(std::string(key), stored).first->second;
}

TRef<TGlyphCache> TFontCache::GetOrCreate(std::string_view key) {
  std::lock_guard guard(lock_);
  auto it = caches_.find(key);
  if (it == caches_.end()) it = caches_.emplace(std::string(key), MakeRef<TGlyphCache>(std::string(key), false)).first;
  return it->second;
}

void TFontCache::SetShowId(std::string_view showId) {
  std::lock_guard guard(lock_);
  if (showId == showId_) return;
  showId_ = showId;
  std::erase_if(caches_, [](const auto& entry) { return entry.second->FromPackage(); });
}

void TFontCache::Clear() {
  std::lock_guard guard(lock_);
  caches_.clear();
}

size_t TFontCache::Count() const {
  std::lock_guard guard(lock_);
  return caches_.size();
}

}  // namespace zol
