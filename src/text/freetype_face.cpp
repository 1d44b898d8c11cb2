#include "text/freetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>

#include "text/text_error.h"

namespace zol {
namespace {

FT_Face FaceOf(void* face) {
  return static_cast<FT_Face>(face);
}

// What FT_Outline_Decompose walks into: the path, scaled, y flipped.
struct TDecomposeTarget {
  TPath* path;
  double scale;
  void Add(const FT_Vector* v, int32_t type) const {
    path->Add(float(v->x * scale), float(-v->y * scale), type);
  }
};

int MoveTo(const FT_Vector* to, void* user) {
  static_cast<TDecomposeTarget*>(user)->Add(to, kPathStart);
  return 0;
}
int LineTo(const FT_Vector* to, void* user) {
  static_cast<TDecomposeTarget*>(user)->Add(to, kPathLineTo);
  return 0;
}
int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  auto* target = static_cast<TDecomposeTarget*>(user);
  target->Add(control, kPathQuadratic);
  target->Add(to, kPathQuadratic);
  return 0;
}
int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* target = static_cast<TDecomposeTarget*>(user);
  target->Add(c1, kPathCubic);
  target->Add(c2, kPathCubic);
  target->Add(to, kPathCubic);
  return 0;
}

}  // namespace

TFreeTypeLibrary::TFreeTypeLibrary() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) throw ETextError("FreeType could not be initialised");
  handle_ = library;
}

TFreeTypeLibrary::~TFreeTypeLibrary() {
  FT_Done_FreeType(static_cast<FT_Library>(handle_));
}

void TFreeTypeFace::TFaceDeleter::operator()(void* face) const {
  FT_Done_Face(FaceOf(face));
}

std::unique_ptr<TFreeTypeFace> TFreeTypeFace::Open(const TFreeTypeLibrary& library, const std::string& path,
                                                   int index) {
  FT_Face face = nullptr;
  if (FT_New_Face(static_cast<FT_Library>(library.Handle()), path.c_str(), index, &face) != 0) return nullptr;
  return std::make_unique<TFreeTypeFace>(TKey(), face);
}

TFreeTypeFace::~TFreeTypeFace() = default;

uint16_t TFreeTypeFace::GlyphIndex(char32_t ch) const {
  const FT_UInt index = FT_Get_Char_Index(FaceOf(face_.get()), FT_ULong(ch));
  return index > 0xFFFF ? 0 : uint16_t(index);
}

int TFreeTypeFace::UnitsPerEm() const {
  const int units = FaceOf(face_.get())->units_per_EM;
  return units > 0 ? units : 1000;
}

bool TFreeTypeFace::Scalable() const {
  return FT_IS_SCALABLE(FaceOf(face_.get()));
}

TFontInfo TFreeTypeFace::Metrics(double emSize) const {
  FT_Face face = FaceOf(face_.get());
  const double scale = emSize / UnitsPerEm();
  const auto* os2 = FT_IS_SFNT(face) ? static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)) : nullptr;
  const bool hasOs2 = os2 && os2->version != 0xFFFF;
  double ascent = face->ascender, descent = -face->descender;
  if (hasOs2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  }
  const int32_t a = int32_t(std::lround(ascent * scale));
  const int32_t d = int32_t(std::lround(descent * scale));
  if (!hasOs2 || face->underline_thickness <= 0) return TFontInfo::FromTextMetrics(a, d);
  TFontInfo info;
  info.ascent = a;
  info.descent = d;
  // FreeType gives the underline's centre; OS/2 the strike-out's top.
  info.underlinePosition = float(face->underline_position * scale);
  info.underlineSize = float(face->underline_thickness * scale);
  info.strikeOutPosition = float(os2->yStrikeoutPosition * scale);
  info.strikeOutSize = float(os2->yStrikeoutSize * scale);
  if (info.strikeOutSize <= 0) {
    const TFontInfo made = TFontInfo::FromTextMetrics(a, d);
    info.strikeOutPosition = made.strikeOutPosition;
    info.strikeOutSize = info.underlineSize;
  }
  return info;
}

TGlyphData TFreeTypeFace::Glyph(uint16_t index, double emSize, bool embolden, bool oblique) const {
  FT_Face face = FaceOf(face_.get());
  TGlyphData glyph;
  glyph.index = index;
  // Font units: no hinting, no bitmaps, no rounding; the scale is ours.
  if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  const double scale = emSize / UnitsPerEm();
  double advance = double(slot->metrics.horiAdvance);
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_Outline* outline = &slot->outline;
    if (oblique) {
      // The slant FreeType itself uses for synthetic italics (about 12°).
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
      FT_Outline_Transform(outline, &shear);
    }
    if (embolden) {
      const FT_Pos strength = UnitsPerEm() / 24;
      // The pen advance stays the shaper's, as laid out.
      FT_Outline_EmboldenXY(outline, strength, strength);
    }
    FT_Outline_Funcs funcs{};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;
    TDecomposeTarget target{&glyph.path, scale};
    FT_Outline_Decompose(outline, &funcs, &target);
  }
  FT_BBox box{};
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Get_CBox(&slot->outline, &box);
  glyph.metrics.blackBoxX = int32_t(std::ceil((box.xMax - box.xMin) * scale));
  glyph.metrics.blackBoxY = int32_t(std::ceil((box.yMax - box.yMin) * scale));
  glyph.metrics.originX = int32_t(std::floor(box.xMin * scale));
  glyph.metrics.originY = int32_t(std::ceil(box.yMax * scale));
  glyph.metrics.cellIncX = int32_t(std::lround(advance * scale));
  glyph.metrics.advance = float(advance * scale);
  return glyph;
}

}  // namespace zol
