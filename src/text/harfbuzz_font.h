// THarfBuzzFont: one font face for HarfBuzz, which places the glyphs of a run
// of text: ligatures, marks, kerning and right-to-left runs. Positions come
// in font units. Owned by the vectoriser and used under its lock.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct TShapedGlyph {
  uint16_t glyph = 0;
  uint32_t cluster = 0;  // index of the first character it stands for
  int32_t xAdvance = 0;
  int32_t xOffset = 0;
  int32_t yOffset = 0;  // upward, as fonts measure
};

class THarfBuzzFont {
 public:
  // The face, or null when HarfBuzz cannot read it.
  static std::unique_ptr<THarfBuzzFont> Open(const std::string& path, int index);
  class TKey {
    friend class THarfBuzzFont;
    TKey() = default;
  };
  // Takes over BLOB, FACE and FONT (hb_blob_t, hb_face_t, hb_font_t).
  THarfBuzzFont(TKey, void* blob, void* face, void* font);
  ~THarfBuzzFont();
  THarfBuzzFont(const THarfBuzzFont&) = delete;
  THarfBuzzFont& operator=(const THarfBuzzFont&) = delete;

  int UnitsPerEm() const;
  // Shapes TEXT[START, START + LENGTH) with the rest of TEXT as context, in
  // SCRIPT (an ISO 15924 tag, 0 to let HarfBuzz guess) and direction. The
  // glyphs come in visual order, left to right.
  std::vector<TShapedGlyph> Shape(std::u32string_view text, size_t start, size_t length, bool rightToLeft,
                                  uint32_t script) const;

 private:
  void* blob_;
  void* face_;
  void* font_;
};

}  // namespace zol
