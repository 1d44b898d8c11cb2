#include "text/font_face.h"

namespace zol {

std::unique_ptr<TFontFace> TFontFace::Open(const TFreeTypeLibrary& library, const TFontFile& file) {
  std::unique_ptr<TFreeTypeFace> outlines = TFreeTypeFace::Open(library, file.path, file.index);
  if (!outlines || !outlines->Scalable()) return nullptr;
  std::unique_ptr<THarfBuzzFont> shaper = THarfBuzzFont::Open(file.path, file.index);
  if (!shaper) return nullptr;
  return std::make_unique<TFontFace>(file, std::move(outlines), std::move(shaper));
}

TFontFace::TFontFace(TFontFile file, std::unique_ptr<TFreeTypeFace> outlines,
                     std::unique_ptr<THarfBuzzFont> shaper)
    : file_(std::move(file)), key_(KeyOf(file_)), outlines_(std::move(outlines)), shaper_(std::move(shaper)) {}

std::string TFontFace::KeyOf(const TFontFile& file) {
  std::string key = file.family + " @" + file.path + "#" + std::to_string(file.index);
  if (file.embolden) key += "+bold";
  if (file.oblique) key += "+oblique";
  return key;
}

}  // namespace zol
