// TFontFace: an installed face as the vectoriser uses it: its FreeType face
// (outlines, metrics, character coverage) and its HarfBuzz font (placement),
// with the font key its glyph cache goes by. Owned by the vectoriser and used
// only under its lock.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/font_file.h"
#include "text/freetype_face.h"
#include "text/harfbuzz_font.h"

namespace zol {

class TFontFace {
 public:
  // The face of FILE, or null when either library cannot read it.
  static std::unique_ptr<TFontFace> Open(const TFreeTypeLibrary& library, const TFontFile& file);
  TFontFace(TFontFile file, std::unique_ptr<TFreeTypeFace> outlines, std::unique_ptr<THarfBuzzFont> shaper);

  // The font key of FILE: family, file, face index and added styling. The
  // " @" keeps keys of installed fonts apart from keys a package stores.
  static std::string KeyOf(const TFontFile& file);

  const std::string& Key() const { return key_; }
  const TFontFile& File() const { return file_; }
  bool HasGlyph(char32_t ch) const { return outlines_->GlyphIndex(ch) != 0; }
  // Font units to units of a font of EMSIZE.
  double Scale(double emSize) const { return emSize / shaper_->UnitsPerEm(); }

  std::vector<TShapedGlyph> Shape(std::u32string_view text, size_t start, size_t length, bool rightToLeft,
                                  uint32_t script) const {
    return shaper_->Shape(text, start, length, rightToLeft, script);
  }
  TGlyphData Glyph(uint16_t index, double emSize) const {
    return outlines_->Glyph(index, emSize, file_.embolden, file_.oblique);
  }
  TFontInfo Metrics(double emSize) const { return outlines_->Metrics(emSize); }

 private:
  TFontFile file_;
  std::string key_;
  std::unique_ptr<TFreeTypeFace> outlines_;
  std::unique_ptr<THarfBuzzFont> shaper_;
};

}  // namespace zol
