// The stored glyph cache and text layout: round trips, and damaged data that
// must give a clear error (never a crash or a read past the data).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "text/binary_writer.h"
#include "text/glyph_cache_format.h"
#include "text/text_error.h"
#include "text/vector_text_format.h"

namespace zol {
namespace {

TRef<TGlyphCache> SampleCache() {
  auto cache = MakeRef<TGlyphCache>("Sample Font|Bold", true);
  TGlyphData square;
  square.index = 7;
  square.metrics = {10, 12, 1, 11, 14, 13.5f};
  square.path.Add(1, -11, kPathStart);
  square.path.Add(11, -11, kPathLineTo);
  square.path.Add(11, 1, kPathLineTo);
  square.path.Add(1, 1, kPathLineTo);
  cache->Add(square);
  TGlyphData curve;
  curve.index = 65535;
  curve.metrics = {5, 5, 0, 5, 6, 6.25f};
  curve.path.Add(0, 0, kPathStart);
  curve.path.Add(2, -5, kPathQuadratic);
  curve.path.Add(5, 0, kPathQuadratic);
  curve.path.Add(4, 1, kPathCubic);
  curve.path.Add(1, 1, kPathCubic);
  curve.path.Add(0, 0, kPathCubic);
  cache->Add(curve);
  TGlyphData space;  // no outline at all
  space.index = 3;
  space.metrics = {0, 0, 0, 0, 5, 5.0f};
  cache->Add(space);
  return cache;
}

TRef<TCachedVectorText> SampleText() {
  auto text = MakeRef<TCachedVectorText>();
  text->fontInfo = {93, 24, -4.5f, 2.25f, 12.5f, 2.0f};
  TGlyphLine first;
  first.glyphs.push_back({text->FontIndex("Sample Font|Bold"), 7, 0, 0.25f});
  first.glyphs.push_back({text->FontIndex("Sample Font|Bold"), 3, 14, 0});
  first.glyphs.push_back({text->FontIndex("Ünïcödé Fallback"), 65535, 19, 0.5f});
  text->lines.push_back(first);
  text->lines.push_back({});
  return text;
}

TEST(StoredForms, GlyphCacheRoundTrip) {
  TRef<TGlyphCache> cache = SampleCache();
  const std::string bytes = WriteGlyphCache(*cache);
  TRef<TGlyphCache> back = ReadGlyphCache(bytes);
  EXPECT_EQ(back->FontKey(), "Sample Font|Bold");
  EXPECT_TRUE(back->FromPackage());
  ASSERT_EQ(back->Count(), 3u);
  for (const TGlyphData* glyph : cache->Glyphs()) {
    const TGlyphData* read = back->Find(glyph->index);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->metrics, glyph->metrics);
    EXPECT_EQ(read->path, glyph->path);
    EXPECT_EQ(read->bounds, glyph->bounds);
  }
  EXPECT_EQ(WriteGlyphCache(*back), bytes);
  // The layout of the bytes: count, key, then the first glyph (index order).
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\0\0\0", 4));
  EXPECT_EQ(bytes.substr(4, 4), std::string("\x10\0\0\0", 4));  // 16 UTF-16 units
}

TEST(StoredForms, VectorTextRoundTrip) {
  TRef<TCachedVectorText> text = SampleText();
  const std::string bytes = WriteVectorText(*text);
  TRef<TCachedVectorText> back = ReadVectorText(bytes);
  EXPECT_EQ(back->fontInfo, text->fontInfo);
  EXPECT_EQ(back->fontKeys, text->fontKeys);
  ASSERT_EQ(back->lines.size(), 2u);
  EXPECT_EQ(back->lines[0].glyphs, text->lines[0].glyphs);
  EXPECT_TRUE(back->lines[1].glyphs.empty());
  EXPECT_EQ(WriteVectorText(*back), bytes);
  // Header: line count, ascent, descent as int32.
  EXPECT_EQ(bytes.substr(0, 12), std::string("\x02\0\0\0\x5d\0\0\0\x18\0\0\0", 12));
}

// Every cut of good data is an error, never a crash or a read past the end.
TEST(StoredForms, TruncatedDataFailsClearly) {
  const std::string cache = WriteGlyphCache(*SampleCache());
  const std::string text = WriteVectorText(*SampleText());
  for (size_t cut = 0; cut < cache.size(); ++cut) {
    const std::string part = cache.substr(0, cut);  // exact-size copy: ASan sees any over-read
    EXPECT_THROW(ReadGlyphCache(part), ETextFormatError) << cut;
  }
  for (size_t cut = 0; cut < text.size(); ++cut) {
    const std::string part = text.substr(0, cut);
    EXPECT_THROW(ReadVectorText(part), ETextFormatError) << cut;
  }
}

std::string Int32(int32_t v) {
  TBinaryWriter w;
  w.WriteInt32(v);
  return w.Take();
}
std::string Single(float v) {
  TBinaryWriter w;
  w.WriteSingle(v);
  return w.Take();
}
std::string Text(const std::string& s) {
  TBinaryWriter w;
  w.WriteText(s);
  return w.Take();
}
std::string Glyph(uint16_t index, const std::string& points, int32_t count) {
  TBinaryWriter w;
  w.WriteUInt16(index);
  for (int i = 0; i < 5; ++i) w.WriteInt32(1);
  w.WriteSingle(1);
  w.WriteInt32(count);
  return w.Take() + points;
}
std::string Point(float x, float y, int32_t type) {
  return Single(x) + Single(y) + Int32(type);
}

struct TDamagedCase {
  const char* what;
  std::string bytes;
  const char* message;  // part of the error text
};

TEST(StoredForms, DamagedGlyphCachesFailWithAReason) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::string good = Point(0, 0, 0) + Point(1, 0, 1) + Point(0, 1, 1);
  const TDamagedCase cases[] = {
      {"negative glyph count", Int32(-1) + Text("F"), "negative count"},
      {"huge glyph count", Int32(0x7FFFFFFF) + Text("F"), "larger than the data"},
      {"negative key length", Int32(0) + Int32(-5), "negative count"},
      {"huge key length", Int32(0) + Int32(1 << 30), "larger than the data"},
      {"huge point count", Int32(1) + Text("F") + Glyph(1, good, 1 << 28), "larger than the data"},
      {"unknown command", Int32(1) + Text("F") + Glyph(1, Point(0, 0, 0) + Point(1, 1, 9), 2),
       "unknown path command"},
      {"no contour start", Int32(1) + Text("F") + Glyph(1, Point(0, 0, 1), 1), "no contour start"},
      {"quadratic cut short", Int32(1) + Text("F") + Glyph(1, Point(0, 0, 0) + Point(1, 1, 2), 2),
       "curve cut short"},
      {"not a number", Int32(1) + Text("F") + Glyph(1, Point(0, 0, 0) + Point(nan, 1, 1), 2), "not finite"},
      {"fewer glyphs than counted", Int32(2) + Text("F") + Glyph(1, good, 3), "unexpected end of data"},
  };
  for (const TDamagedCase& c : cases) {
    try {
      ReadGlyphCache(c.bytes);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ETextFormatError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("glyph cache: ", 0), 0u) << e.what();
    }
  }
  // Trailing bytes after the glyphs are left alone.
  EXPECT_EQ(ReadGlyphCache(Int32(1) + Text("F") + Glyph(1, good, 3) + "junk")->Count(), 1u);
}

TEST(StoredForms, DamagedVectorTextsFailWithAReason) {
  const std::string header = Int32(93) + Int32(24) + Single(-4) + Single(2) + Single(12) + Single(2);
  const float inf = std::numeric_limits<float>::infinity();
  const TDamagedCase cases[] = {
      {"negative line count", Int32(-2) + header, "negative count"},
      {"huge line count", Int32(1 << 29) + header, "larger than the data"},
      {"huge glyph count", Int32(1) + header + Int32(1 << 27), "larger than the data"},
      {"offset not finite", Int32(1) + header + Int32(1) + Int32(0) + Single(inf) + std::string("\1\0", 2) + Text("F"),
       "not finite"},
      {"metric not finite", Int32(0) + Int32(93) + Int32(24) + Single(inf) + Single(2) + Single(12) + Single(2),
       "not finite"},
      {"key cut short", Int32(1) + header + Int32(1) + Int32(0) + Single(0) + std::string("\1\0", 2) + Int32(4) + "ab",
       "larger than the data"},
  };
  for (const TDamagedCase& c : cases) {
    try {
      ReadVectorText(c.bytes);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const ETextFormatError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
    }
  }
}

TEST(StoredForms, FlippedBitsNeverCrash) {
  // Every single-bit flip of good data either reads or fails cleanly.
  const std::string forms[] = {WriteGlyphCache(*SampleCache()), WriteVectorText(*SampleText())};
  int failures = 0, reads = 0;
  for (int form = 0; form < 2; ++form) {
    for (size_t byte = 0; byte < forms[form].size(); ++byte)
      for (int bit = 0; bit < 8; ++bit) {
        std::string bytes = forms[form];
        bytes[byte] = char(bytes[byte] ^ (1 << bit));
        try {
          if (form == 0) {
            ReadGlyphCache(bytes);
          } else {
            ReadVectorText(bytes);
          }
          ++reads;
        } catch (const ETextFormatError&) {
          ++failures;
        }
      }
  }
  EXPECT_GT(failures, 0);
  EXPECT_GT(reads, 0);
}

}  // namespace
}  // namespace zol
