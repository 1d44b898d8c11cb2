#include "text/harfbuzz_font.h"

#include <hb.h>

namespace zol {
namespace {

struct TBufferDeleter {
  void operator()(hb_buffer_t* b) const { hb_buffer_destroy(b); }
};

}  // namespace

std::unique_ptr<THarfBuzzFont> THarfBuzzFont::Open(const std::string& path, int index) {
  hb_blob_t* blob = hb_blob_create_from_file_or_fail(path.c_str());
  if (!blob) return nullptr;
  hb_face_t* face = hb_face_create(blob, unsigned(index));
  hb_font_t* font = hb_font_create(face);
  // Positions in font units; the vectoriser scales them.
  const int units = int(hb_face_get_upem(face));
  hb_font_set_scale(font, units, units);
  return std::make_unique<THarfBuzzFont>(TKey(), blob, face, font);
}

THarfBuzzFont::THarfBuzzFont(TKey, void* blob, void* face, void* font) : blob_(blob), face_(face), font_(font) {}

THarfBuzzFont::~THarfBuzzFont() {
  hb_font_destroy(static_cast<hb_font_t*>(font_));
  hb_face_destroy(static_cast<hb_face_t*>(face_));
  hb_blob_destroy(static_cast<hb_blob_t*>(blob_));
}

int THarfBuzzFont::UnitsPerEm() const {
  const int units = int(hb_face_get_upem(static_cast<hb_face_t*>(face_)));
  return units > 0 ? units : 1000;
}

std::vector<TShapedGlyph> THarfBuzzFont::Shape(std::u32string_view text, size_t start, size_t length,
                                               bool rightToLeft, uint32_t script) const {
  std::unique_ptr<hb_buffer_t, TBufferDeleter> buffer(hb_buffer_create());
  hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const uint32_t*>(text.data()), int(text.size()),
                      unsigned(start), int(length));
  hb_buffer_set_direction(buffer.get(), rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  if (script != 0) hb_buffer_set_script(buffer.get(), hb_script_t(script));
  hb_buffer_guess_segment_properties(buffer.get());
  hb_shape(static_cast<hb_font_t*>(font_), buffer.get(), nullptr, 0);

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
  std::vector<TShapedGlyph> glyphs(count);
  for (unsigned i = 0; i < count; ++i) {
    glyphs[i].glyph = infos[i].codepoint > 0xFFFF ? 0 : uint16_t(infos[i].codepoint);
    glyphs[i].cluster = infos[i].cluster;
    glyphs[i].xAdvance = positions[i].x_advance;
    glyphs[i].xOffset = positions[i].x_offset;
    glyphs[i].yOffset = positions[i].y_offset;
  }
  return glyphs;
}

}  // namespace zol
