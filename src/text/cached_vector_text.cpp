#include "text/cached_vector_text.h"

#include "text/text_error.h"

namespace zol {

uint16_t TCachedVectorText::FontIndex(std::string_view key) {
  for (size_t i = 0; i < fontKeys.size(); ++i)
    if (fontKeys[i] == key) return uint16_t(i);
  if (fontKeys.size() > UINT16_MAX) throw ETextFormatError("vector text: too many fonts");
  fontKeys.emplace_back(key);
  return uint16_t(fontKeys.size() - 1);
}

}  // namespace zol
