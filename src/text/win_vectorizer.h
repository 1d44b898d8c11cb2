// TWinVectorizer: the process-wide source of glyphs from installed fonts:
// shapes a line (fontconfig finds the faces, HarfBuzz places the glyphs,
// fallback faces draw what a font lacks), gives glyph outlines and font
// metrics (FreeType). FreeType faces are not thread-safe, so every call takes
// the vectoriser's one lock; any thread may call.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "text/font_face.h"
#include "text/font_info.h"
#include "text/font_matcher.h"
#include "text/font_replacer.h"
#include "text/font_request.h"
#include "text/freetype_face.h"
#include "text/path.h"
#include "text/text_element.h"

namespace zol {

class TWinVectorizer {
 public:
  // The em size texts are laid out at: the layout's font units per em.
  static constexpr double kEmSize = 100;

  static TWinVectorizer& Instance();
  TWinVectorizer();
  TWinVectorizer(const TWinVectorizer&) = delete;
  TWinVectorizer& operator=(const TWinVectorizer&) = delete;

  // Shapes LINE (UTF-8) in FONT. A font without outlines is replaced by the
  // default family. Fails with ETextError when no font is installed at all.
  TTextElement ShapeLine(const TFontRequest& font, std::string_view line);
  // The outline of GLYPH; empty when its font key names no installed face.
  TPath GlyphOutline(const TGlyphInfo& glyph);
  // Metrics and outline of a glyph; nothing when the key names no installed face.
  std::optional<TGlyphData> GlyphData(std::string_view fontKey, uint16_t index);
  // The metrics of the face FONT resolves to.
  TFontInfo FontMetrics(const TFontRequest& font);
  // Whether the face fontconfig gives for FONT has outlines.
  bool IsOutlineFont(const TFontRequest& font);
  // The key of the face FONT resolves to.
  std::string FontKey(const TFontRequest& font);

  // When on, outlines are kept inside their ABC cells (off by default).
  void SetGlyphFitting(bool on);
  // Replaces the font configuration (an empty name: the system's) and forgets
  // every open face. False when the file cannot be loaded.
  bool UseFontConfiguration(const std::string& configFile);
  // Makes one more font file available.
  bool AddFontFile(const std::string& path);

 private:
  TFontFace& FaceFor(const TFontRequest& font);
  TFontFace* OpenFace(const TFontFile& file);
  TGlyphData MakeGlyph(TFontFace& face, uint16_t index) const;

  std::mutex lock_;          // guards everything below
  TFreeTypeLibrary library_; // outlives the faces (declared before them)
  TFontMatcher matcher_;
  std::map<std::string, std::unique_ptr<TFontFace>, std::less<>> faces_;  // by font key
  std::map<std::string, TFontFace*> resolved_;                          // asked font -> face
  TFontReplacer replacer_;
  bool glyphFitting_ = false;
};

}  // namespace zol
