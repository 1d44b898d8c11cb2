// Placing and painting texts: line boxes, spacing, alignment, overhangs,
// underline and strike-out, colours, stopping and hit testing. The texts are
// made of square glyphs so that every box is known exactly.
#include <gtest/gtest.h>

#include <cmath>

#include "render/color.h"
#include "text/coverage_colors.h"
#include "text/text_error.h"
#include "text/text_producer.h"

namespace zol {
namespace {

// Font: ascent 80, descent 20, underline centred 10 below the baseline and
// 4 thick, strike-out from 30 to 26 above it. Glyph 1: a square from x 2 to
// 8 and from the baseline up 50, advance 10. Glyph 2: the same square
// reaching 3 left of its cell and 10 above the ascent.
TRef<TVectorText> SquaresText(const std::vector<int>& glyphsPerLine, uint16_t glyph = 1) {
  auto layout = MakeRef<TCachedVectorText>();
  layout->fontInfo = {80, 20, -10, 4, 30, 4};
  const uint16_t font = layout->FontIndex("squares");
  for (int count : glyphsPerLine) {
    TGlyphLine line;
    for (int i = 0; i < count; ++i) line.glyphs.push_back({font, glyph, 10 * i, 0});
    layout->lines.push_back(line);
  }
  auto cache = MakeRef<TGlyphCache>("squares", false);
  TGlyphData square;
  square.index = 1;
  square.metrics.advance = 10;
  for (auto [x, y, t] : {std::tuple{2, -50, 0}, {8, -50, 1}, {8, 0, 1}, {2, 0, 1}}) square.path.Add(x, y, t);
  cache->Add(square);
  TGlyphData wide = square;
  wide.index = 2;
  wide.path = {};
  for (auto [x, y, t] : {std::tuple{-3, -90, 0}, {8, -90, 1}, {8, 0, 1}, {-3, 0, 1}}) wide.path.Add(x, y, t);
  cache->Add(wide);
  return MakeRef<TVectorText>(layout, std::vector<TRef<TGlyphCache>>{cache}, false);
}

struct TBoxCase {
  double scale;
  int32_t spacing;
  std::vector<TLineBox> boxes;  // baseline, top, bottom, right (shift not checked here)
  double width, height;
  int pictureWidth, pictureHeight;
};

TEST(TextProducer, LineBoxesAndPictureSize) {
  const TBoxCase cases[] = {
      {1, 0, {{0, -80, 20, 20}, {100, 20, 120, 10}}, 20, 200, 22, 202},
      {0.5, 100, {{0, -40, 10, 10}, {75, 35, 85, 5}}, 10, 125, 12, 127},   // extra half line
      {0.3, 0, {{0, -24, 6, 6}, {30, 6, 36, 3}}, 6, 60, 8, 62},
      {0.25, -200, {{0, -20, 5, 5}, {0, -20, 5, 3}}, 5, 25, 7, 27},       // lines on top of each other
      {1.5, 50, {{0, -120, 30, 30}, {187.5, 67.5, 217.5, 15}}, 30, 337.5, 32, 340},
  };
  for (const TBoxCase& c : cases) {
    SCOPED_TRACE("scale " + std::to_string(c.scale) + " spacing " + std::to_string(c.spacing));
    TTextPaint paint;
    paint.scale = c.scale;
    paint.lineSpacing = c.spacing;
    TTextProducer producer(SquaresText({2, 1}), paint);
    const TTextMeasure& m = producer.Measure();
    ASSERT_EQ(m.lines.size(), c.boxes.size());
    for (size_t i = 0; i < c.boxes.size(); ++i) {
      EXPECT_DOUBLE_EQ(m.lines[i].baseline, c.boxes[i].baseline) << i;
      EXPECT_DOUBLE_EQ(m.lines[i].top, c.boxes[i].top) << i;
      EXPECT_DOUBLE_EQ(m.lines[i].bottom, c.boxes[i].bottom) << i;
      EXPECT_DOUBLE_EQ(m.lines[i].right, c.boxes[i].right) << i;
    }
    EXPECT_DOUBLE_EQ(m.width, c.width);
    EXPECT_DOUBLE_EQ(m.height, c.height);
    EXPECT_EQ(m.pictureWidth, c.pictureWidth);
    EXPECT_EQ(m.pictureHeight, c.pictureHeight);
    EXPECT_DOUBLE_EQ(m.lineHeight, 100 * c.scale);
    EXPECT_EQ(m.overhangLeft + m.overhangTop + m.overhangRight + m.overhangBottom, 0);
    // The first box's top-left corner sits at (1, 1).
    EXPECT_DOUBLE_EQ(m.originX, 1);
    EXPECT_DOUBLE_EQ(m.originY + m.lines[0].top, 1);
  }
}

TEST(TextProducer, AlignmentShiftsShortLines) {
  struct TCase {
    TTextAlign align;
    double shortShift;
  };
  for (const TCase& c : {TCase{TTextAlign::Left, 0}, {TTextAlign::Center, 10}, {TTextAlign::Right, 20}}) {
    TTextPaint paint;
    paint.align = c.align;
    TTextProducer producer(SquaresText({3, 1}), paint);
    const TTextMeasure& m = producer.Measure();
    EXPECT_DOUBLE_EQ(m.lines[0].shift, 0);
    EXPECT_DOUBLE_EQ(m.lines[1].shift, c.shortShift);
    // Painted: the short line's square starts 2 units into its shifted box.
    TTextPaint opaque = paint;
    opaque.textColor = kOpaqueWhite;
    opaque.backgroundColor = kOpaqueBlack;
    const TRenderedText r = TTextProducer(SquaresText({3, 1}), opaque).Paint();
    const int y = int(m.originY + m.lines[1].baseline) - 10;
    const int x = int(m.originX + c.shortShift);
    EXPECT_EQ(r.picture->GetPixel(x + 1, y), kOpaqueBlack);  // left of the square
    EXPECT_EQ(r.picture->GetPixel(x + 3, y), kOpaqueWhite);  // inside it
  }
}

TEST(TextProducer, OverhangingGlyphsGetRoom) {
  TTextProducer producer(SquaresText({1}, 2), TTextPaint{});
  const TTextMeasure& m = producer.Measure();
  EXPECT_EQ(m.overhangLeft, 3);
  EXPECT_EQ(m.overhangTop, 10);
  EXPECT_EQ(m.overhangRight, 0);
  EXPECT_EQ(m.overhangBottom, 0);
  EXPECT_EQ(m.pictureWidth, 10 + 3 + 2);
  EXPECT_EQ(m.pictureHeight, 100 + 10 + 2);
  // Nothing of the glyph is cut: the border rows and columns stay empty and
  // the glyph's top-left pixel is covered.
  TTextPaint paint;
  paint.backgroundColor = 0;
  const TRenderedText r = TTextProducer(SquaresText({1}, 2), paint).Paint();
  for (int x = 0; x < r.picture->Width(); ++x) EXPECT_EQ(ColorA(r.picture->GetPixel(x, 0)), 0) << x;
  for (int y = 0; y < r.picture->Height(); ++y) EXPECT_EQ(ColorA(r.picture->GetPixel(0, y)), 0) << y;
  EXPECT_EQ(ColorA(r.picture->GetPixel(1, 1)), 255);
}

TEST(TextProducer, UnderlineAndStrikeOutAreFilledOverTheLine) {
  struct TCase {
    bool underline, strikeOut;
  };
  for (const TCase& c : {TCase{false, false}, {true, false}, {false, true}, {true, true}}) {
    TTextPaint paint;
    paint.align = TTextAlign::Left;
    paint.underline = c.underline;
    paint.strikeOut = c.strikeOut;
    paint.textColor = kOpaqueWhite;
    paint.backgroundColor = kOpaqueBlack;
    TTextProducer producer(SquaresText({2}), paint);
    const TTextMeasure m = producer.Measure();
    const TRenderedText r = producer.Paint();
    const int baseline = int(m.originY);
    const int gap = int(m.originX) + 9;  // between the two squares
    EXPECT_EQ(r.picture->GetPixel(gap, baseline + 9) == kOpaqueWhite, c.underline);   // 8 .. 12 below
    EXPECT_EQ(r.picture->GetPixel(gap, baseline - 29) == kOpaqueWhite, c.strikeOut);  // 30 .. 26 above
    EXPECT_EQ(r.picture->GetPixel(gap, baseline - 40), kOpaqueBlack);
    // Both strokes run over the whole line and no further.
    EXPECT_EQ(r.picture->GetPixel(int(m.originX) + 20, baseline + 9), kOpaqueBlack);
  }
}

TEST(TextProducer, CoverageColours) {
  const uint32_t red = PackColor(255, 0, 0, 255), blue = PackColor(0, 0, 255, 255);
  struct TCase {
    uint32_t text, background;
    int coverage;
    uint32_t expected;
  };
  const TCase cases[] = {
      {red, blue, 0, blue},                                   // uncovered: the background
      {red, blue, 256, red},                                  // covered: the text colour
      {red, blue, 128, PackColor(128, 0, 128, 255)},          // half: a blend
      {red, 0x00FF0000u, 0, 0x00FF0000u},                     // text colour with zero alpha: a mask
      {red, 0x00FF0000u, 64, PackColor(255, 0, 0, 64)},
      {red, 0x00FF0000u, 256, red},
      {PackColor(0, 255, 0, 128), 0x0000FF00u, 256, PackColor(0, 255, 0, 128)},
      {PackColor(230, 230, 230, 255), PackColor(100, 100, 100, 255), 256, PackColor(230, 230, 230, 255)},
  };
  for (const TCase& c : cases) EXPECT_EQ(CoverageColors(c.text, c.background)[c.coverage], c.expected) << c.coverage;
}

TEST(TextProducer, ProgressMayStopBetweenLines) {
  std::vector<size_t> asked;
  TTextPaint paint;
  paint.progress = [&](size_t line) {
    asked.push_back(line);
    return line < 2;
  };
  const TRenderedText stopped = TTextProducer(SquaresText({1, 1, 1, 1}), paint).Paint();
  EXPECT_FALSE(stopped.picture);
  EXPECT_EQ(asked, (std::vector<size_t>{0, 1, 2}));
  paint.progress = [](size_t) { return true; };
  EXPECT_TRUE(TTextProducer(SquaresText({1, 1, 1, 1}), paint).Paint().picture);
}

TEST(TextProducer, GlyphRunsDecideHits) {
  TTextPaint paint;
  paint.align = TTextAlign::Left;
  TTextProducer producer(SquaresText({3, 1}), paint);
  const TTextMeasure m = producer.Measure();
  const TRenderedText r = producer.Paint();
  ASSERT_EQ(r.runRects.size(), 2u);
  const float line1 = float(m.originY + m.lines[1].baseline - 5);
  struct TCase {
    float x, y;
    bool hit;
  };
  const TCase cases[] = {
      {float(m.originX) + 25, float(m.originY) - 5, true},  // on the first line
      {float(m.originX) + 5, line1, true},                  // on the short line
      {float(m.originX) + 25, line1, false},                // right of the short line
      {-1, -1, false},
  };
  for (const TCase& c : cases) EXPECT_EQ(r.HitTest(c.x, c.y), c.hit) << c.x << ", " << c.y;
  EXPECT_FLOAT_EQ(r.textRect.left, 1);
  EXPECT_FLOAT_EQ(r.textRect.top, 1);
  EXPECT_FLOAT_EQ(r.textRect.right, 31);
  EXPECT_FLOAT_EQ(r.textRect.bottom, 201);
  EXPECT_DOUBLE_EQ(r.lineHeight, 100);
}

TEST(TextProducer, ImpossibleScalesAndSizesFail) {
  for (double scale : {0.0, -1.0, std::nan(""), 1e12}) {
    TTextPaint paint;
    paint.scale = scale;
    TTextProducer producer(SquaresText({1}), paint);
    EXPECT_THROW(producer.Measure(), ETextError) << scale;
  }
}

}  // namespace
}  // namespace zol
