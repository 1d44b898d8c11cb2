// TFontCache: the process-wide table of glyph caches by font key. A cache is
// made on first need: from the show package's stored glyph cache when the
// package has one, else empty, to be filled from an installed font.
// Any thread; one lock guards the table (never held while reading a file).
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "foundation/ref.h"
#include "package/file_accessor.h"
#include "text/glyph_cache.h"

namespace zol {

class TFontCache {
 public:
  static TFontCache& Instance();

  // The cache of KEY: the one in the table, else the package's stored one
  // ("VectTextCache: " + KEY through ACCESSOR, which may be null). Null when
  // neither has it; a stored cache that cannot be read counts as missing
  // (and is logged).
  TRef<TGlyphCache> Lookup(std::string_view key, TFileAccessor* accessor);
  // The cache of KEY, made empty when the table does not have it. For
  // fonts laid out on this machine.
  TRef<TGlyphCache> GetOrCreate(std::string_view key);

  // Tells which show is open (its "ExeGUID" text). Caches read from another
  // show's package are forgotten: two shows may store different outlines
  // under the same font key.
  void SetShowId(std::string_view showId);
  void Clear();
  size_t Count() const;

 private:
  mutable std::mutex lock_;  // guards caches_ and showId_
  std::map<std::string, TRef<TGlyphCache>, std::less<>> caches_;
  std::string showId_;
};

}  // namespace zol
