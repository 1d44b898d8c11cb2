#include "text/vector_text_format.h"

#include <cmath>
#include <unordered_map>

#include "text/binary_reader.h"
#include "text/binary_writer.h"

namespace zol {
namespace {

constexpr size_t kLineBytes = 4;
constexpr size_t kGlyphBytes = 4 + 4 + 2 + 4;

}  // namespace

TRef<TCachedVectorText> ReadVectorText(std::string_view bytes) {
  TBinaryReader in(bytes, "vector text");
  auto text = MakeRef<TCachedVectorText>();
  const size_t lineCount = in.ReadCount(kLineBytes);
  text->fontInfo.ascent = in.ReadInt32();
  text->fontInfo.descent = in.ReadInt32();
  text->fontInfo.underlinePosition = in.ReadSingle();
  text->fontInfo.underlineSize = in.ReadSingle();
  text->fontInfo.strikeOutPosition = in.ReadSingle();
  text->fontInfo.strikeOutSize = in.ReadSingle();
  const TFontInfo& info = text->fontInfo;
  for (float v : {info.underlinePosition, info.underlineSize, info.strikeOutPosition, info.strikeOutSize})
    if (!std::isfinite(v)) in.Fail("font metric not finite");
  // Keys repeat for every glyph; look them up rather than compare each.
  std::unordered_map<std::string, uint16_t> fonts;
  text->lines.resize(lineCount);
  for (TGlyphLine& line : text->lines) {
    const size_t glyphCount = in.ReadCount(kGlyphBytes);
    line.glyphs.resize(glyphCount);
    for (TGlyphPointer& glyph : line.glyphs) {
      glyph.position = in.ReadInt32();
      glyph.offset = in.ReadSingle();
      if (!std::isfinite(glyph.offset)) in.Fail("glyph offset not finite");
      glyph.glyphIndex = in.ReadUInt16();
      std::string key = in.ReadText();
      auto found = fonts.find(key);
      if (found == fonts.end()) {
        if (fonts.size() > UINT16_MAX) in.Fail("too many fonts");
        text->fontKeys.push_back(key);
        found = fonts.emplace(std::move(key), uint16_t(text->fontKeys.size() - 1)).first;
      }
      glyph.font = found->second;
    }
  }
  return text;
}

std::string WriteVectorText(const TCachedVectorText& text) {
  TBinaryWriter out;
  out.WriteInt32(int32_t(text.lines.size()));
  out.WriteInt32(text.fontInfo.ascent);
  out.WriteInt32(text.fontInfo.descent);
  out.WriteSingle(text.fontInfo.underlinePosition);
  out.WriteSingle(text.fontInfo.underlineSize);
  out.WriteSingle(text.fontInfo.strikeOutPosition);
  out.WriteSingle(text.fontInfo.strikeOutSize);
  for (const TGlyphLine& line : text.lines) {
    out.WriteInt32(int32_t(line.glyphs.size()));
    for (const TGlyphPointer& glyph : line.glyphs) {
      out.WriteInt32(glyph.position);
      out.WriteSingle(glyph.offset);
      out.WriteUInt16(glyph.glyphIndex);
      out.WriteText(text.fontKeys.at(glyph.font));
    }
  }
  return out.Take();
}

}  // namespace zol
