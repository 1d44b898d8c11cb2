// TFreeTypeFace: one font face opened with FreeType, giving glyph indices,
// unhinted outlines by glyph index (y flipped to run downward) and the
// font's metrics, scaled to a given em size. FreeType faces are not
// thread-safe: the vectoriser owns every face and calls them under its lock.
// TFreeTypeLibrary is the FreeType instance the faces are made from; it must
// outlive them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "text/font_info.h"
#include "text/glyph_data.h"

namespace zol {

class TFreeTypeLibrary {
 public:
  TFreeTypeLibrary();
  ~TFreeTypeLibrary();
  TFreeTypeLibrary(const TFreeTypeLibrary&) = delete;
  TFreeTypeLibrary& operator=(const TFreeTypeLibrary&) = delete;

  void* Handle() const { return handle_; }  // the FT_Library

 private:
  void* handle_ = nullptr;
};

class TFreeTypeFace {
 public:
  // The face, or null when FreeType cannot open it.
  static std::unique_ptr<TFreeTypeFace> Open(const TFreeTypeLibrary& library, const std::string& path,
                                             int index);
  // Only Open makes faces; the key keeps the constructor to it.
  class TKey {
    friend class TFreeTypeFace;
    TKey() = default;
  };
  // Takes over FACE, an FT_Face.
  TFreeTypeFace(TKey, void* face) : face_(face) {}
  ~TFreeTypeFace();
  TFreeTypeFace(const TFreeTypeFace&) = delete;
  TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

  // 0 when the face has no glyph for CH.
  uint16_t GlyphIndex(char32_t ch) const;
  int UnitsPerEm() const;
  bool Scalable() const;

  // Ascent and descent from the Windows metrics of the face when it has
  // them (as the player's fonts were measured), underline and strike-out
  // from its tables, or made from ascent and descent when it has none.
  TFontInfo Metrics(double emSize) const;

  // The glyph's metrics and outline at EMSIZE, unhinted; EMBOLDEN and OBLIQUE
  // make a bold or slanted face from a regular upright one. An index the
  // face does not have gives an empty glyph.
  TGlyphData Glyph(uint16_t index, double emSize, bool embolden, bool oblique) const;

 private:
  struct TFaceDeleter {
    void operator()(void* face) const;
  };
  std::unique_ptr<void, TFaceDeleter> face_;  // the FT_Face
};

}  // namespace zol
