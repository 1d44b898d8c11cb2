#include "text/vector_text_loader.h"

#include "foundation/log.h"
#include "text/font_cache.h"
#include "text/stored_file.h"
#include "text/text_error.h"
#include "text/text_layout.h"
#include "text/vector_text_format.h"

namespace zol {

TRef<TVectorText> LoadStoredVectorText(std::string_view key, TFileAccessor& accessor) {
  TRef<TCachedVectorText> layout;
  try {
    std::optional<std::string> bytes = ReadStoredFile(accessor, std::string(kVectorTextPrefix) + std::string(key));
    if (!bytes) return nullptr;
    layout = ReadVectorText(*bytes);
  } catch (const ETextError& e) {
    LogText(std::string("Stored text layout unreadable: ") + e.what());
    return nullptr;
  }
  std::vector<TRef<TGlyphCache>> caches;
  for (const std::string& fontKey : layout->fontKeys) {
    TRef<TGlyphCache> cache = TFontCache::Instance().Lookup(fontKey, &accessor);
    if (!cache) {
      // Drawing it would leave the glyphs of that font out.
      LogText("Stored text layout without glyph cache: " + fontKey);
      return nullptr;
    }
    caches.push_back(std::move(cache));
  }
  return MakeRef<TVectorText>(layout, std::move(caches), true);
}

TRef<TVectorText> LoadVectorText(const TTextParams& params, TFileAccessor* accessor) {
  if (accessor)
    if (TRef<TVectorText> stored = LoadStoredVectorText(LayoutKey(params), *accessor)) return stored;
  TRef<TCachedVectorText> layout = LayoutText(params.lines, params.Font());
  std::vector<TRef<TGlyphCache>> caches;
  for (const std::string& fontKey : layout->fontKeys) caches.push_back(TFontCache::Instance().GetOrCreate(fontKey));
  return MakeRef<TVectorText>(layout, std::move(caches), false);
}

}  // namespace zol
