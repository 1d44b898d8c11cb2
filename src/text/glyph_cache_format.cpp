#include "text/glyph_cache_format.h"

#include "text/binary_reader.h"
#include "text/binary_writer.h"

namespace zol {
namespace {

// Bytes of a glyph without points, and of one point.
constexpr size_t kGlyphBytes = 2 + 5 * 4 + 4 + 4;
constexpr size_t kPointBytes = 4 + 4 + 4;

}  // namespace

TRef<TGlyphCache> ReadGlyphCache(std::string_view bytes) {
  TBinaryReader in(bytes, "glyph cache");
  const size_t count = in.ReadCount(kGlyphBytes);
  auto cache = MakeRef<TGlyphCache>(in.ReadText(), true);
  for (size_t g = 0; g < count; ++g) {
    TGlyphData glyph;
    glyph.index = in.ReadUInt16();
    glyph.metrics.blackBoxX = in.ReadInt32();
    glyph.metrics.blackBoxY = in.ReadInt32();
    glyph.metrics.originX = in.ReadInt32();
    glyph.metrics.originY = in.ReadInt32();
    glyph.metrics.cellIncX = in.ReadInt32();
    glyph.metrics.advance = in.ReadSingle();
    const size_t points = in.ReadCount(kPointBytes);
    glyph.path.Reserve(points);
    for (size_t p = 0; p < points; ++p) {
      const float x = in.ReadSingle();
      const float y = in.ReadSingle();
      glyph.path.Add(x, y, in.ReadInt32());
    }
    if (const char* problem = glyph.path.Problem())
      in.Fail("glyph " + std::to_string(glyph.index) + ": " + problem);
    cache->Add(std::move(glyph));
  }
  return cache;
}

std::string WriteGlyphCache(const TGlyphCache& cache) {
  const std::vector<const TGlyphData*> glyphs = cache.Glyphs();
  TBinaryWriter out;
  out.WriteInt32(int32_t(glyphs.size()));
  out.WriteText(cache.FontKey());
  for (const TGlyphData* glyph : glyphs) {
    out.WriteUInt16(glyph->index);
    out.WriteInt32(glyph->metrics.blackBoxX);
    out.WriteInt32(glyph->metrics.blackBoxY);
    out.WriteInt32(glyph->metrics.originX);
    out.WriteInt32(glyph->metrics.originY);
    out.WriteInt32(glyph->metrics.cellIncX);
    out.WriteSingle(glyph->metrics.advance);
    out.WriteInt32(int32_t(glyph->path.Size()));
    for (const TPathPoint& p : glyph->path.Points()) {
      out.WriteSingle(p.x);
      out.WriteSingle(p.y);
      out.WriteInt32(p.type);
    }
  }
  return out.Take();
}

}  // namespace zol
