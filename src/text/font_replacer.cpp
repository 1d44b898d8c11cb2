#include "text/font_replacer.h"

namespace zol {

TFontFace* TFontReplacer::Replace(char32_t ch, const TFontRequest& wanted) {
  const std::string requestKey = wanted.Family() + (wanted.bold ? "|b" : "|") + (wanted.italic ? "i" : "");
  auto [entry, isNew] = answers_.try_emplace({requestKey, ch}, nullptr);
  if (!isNew) return entry->second;
  if (std::optional<TFontFile> file = matcher_.FallbackFor(ch, wanted)) {
    TFontFace* face = opener_(*file);
    // fontconfig's coverage and the face's own table may disagree; the
    // face's table decides.
    if (face && face->HasGlyph(ch)) entry->second = face;
  }
  return entry->second;
}

}  // namespace zol
