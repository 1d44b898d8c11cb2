#include "text/text_producer.h"

#include <algorithm>
#include <cmath>

#include "text/coverage_colors.h"
#include "text/raster_helper.h"
#include "text/text_error.h"

namespace zol {

TTextPaint TTextPaint::From(const TTextParams& params, double scale) {
  TTextPaint paint;
  paint.scale = scale;
  paint.lineSpacing = params.lineSpacing;
  paint.align = params.align;
  paint.underline = params.style.underline;
  paint.strikeOut = params.style.strikeOut;
  paint.textColor = params.textColor;
  paint.backgroundColor = params.Background();
  return paint;
}

TTextProducer::TTextProducer(TRef<TVectorText> text, TTextPaint paint)
    : text_(std::move(text)), paint_(std::move(paint)) {}

namespace {

// Rectangles of underline and strike-out of a line of width WIDTH at the
// scale, y from the baseline downward.
struct TStroke {
  double top, bottom;
};
TStroke Underline(const TFontInfo& f, double k) {
  const double centre = -f.underlinePosition * k, half = f.underlineSize * k / 2;
  return {centre - half, centre + half};
}
TStroke StrikeOut(const TFontInfo& f, double k) {
  const double top = -f.strikeOutPosition * k;
  return {top, top + f.strikeOutSize * k};
}

}  // namespace

const TTextMeasure& TTextProducer::Measure() {
  if (measure_) return *measure_;
  const double k = paint_.scale;
  if (!std::isfinite(k) || k <= 0) throw ETextError("Text scale must be a positive number");
  const TFontInfo& font = text_->FontInfo();
  const double ascent = font.ascent, descent = font.descent;
  TTextMeasure m;
  m.lineHeight = (ascent + descent) * k;
  const double step = m.lineHeight + m.lineHeight * paint_.lineSpacing / 200;
  const double boxTop = std::floor(-ascent * k), boxBottom = std::ceil(descent * k);

  const size_t count = std::max<size_t>(text_->LineCount(), 1);
  double left = 0, right = 0, top = 0, bottom = 0;  // overhangs
  double lowest = 0;
  for (size_t i = 0; i < count; ++i) {
    TLineBox box;
    box.baseline = double(i) * step;
    box.top = box.baseline + boxTop;
    box.bottom = box.baseline + boxBottom;
    const double width = i < text_->LineCount() ? text_->LineWidth(i) : 0;
    box.right = std::ceil(k * width);
    if (i < text_->LineCount()) {
      for (const TGlyphPointer& glyph : text_->Line(i).glyphs) {
        const TGlyphData* data = text_->Glyph(glyph);
        if (!data || data->path.Empty()) continue;
        const TRectF& b = data->bounds;
        const double x = glyph.X();
        left = std::max(left, -(x + b.left) * k);
        right = std::max(right, (x + b.right) * k - box.right);
        top = std::max(top, box.top - (box.baseline + (glyph.yOffset + b.top) * k));
        bottom = std::max(bottom, box.baseline + (glyph.yOffset + b.bottom) * k - box.bottom);
      }
    }
    // Strokes of a font with odd metrics may leave the box too; they get
    // room like glyphs do.
    std::vector<TStroke> strokes;
    if (paint_.underline) strokes.push_back(Underline(font, k));
    if (paint_.strikeOut) strokes.push_back(StrikeOut(font, k));
    for (const TStroke& s : strokes) {
      top = std::max(top, box.top - (box.baseline + s.top));
      bottom = std::max(bottom, box.baseline + s.bottom - box.bottom);
    }
    m.width = std::max(m.width, box.right);
    if (i == 0 || box.top < m.top) m.top = box.top;
    if (i == 0 || box.bottom > lowest) lowest = box.bottom;
    m.lines.push_back(box);
  }
  m.height = lowest - m.top;

  for (double v : {k * ascent, k * descent, m.width, m.height, left, right, top, bottom})
    if (!std::isfinite(v)) throw ETextError("Text measures are not finite");
  auto whole = [](double v) { return v > 0 ? v : 0.0; };
  const double pictureWidth = std::ceil(m.width + std::ceil(whole(left)) + std::ceil(whole(right)) + 2);
  const double pictureHeight = std::ceil(m.height + std::ceil(whole(top)) + std::ceil(whole(bottom)) + 2);
  if (pictureWidth > TScanlineRasterizer::kMaxSide || pictureHeight > TScanlineRasterizer::kMaxSide ||
      pictureWidth * pictureHeight > double(TRasterHelper::kMaxPixels))
    throw ETextError("Text picture too large");
  if (m.height <= 0) throw ETextError("Text height is not positive");
  m.overhangLeft = int(std::ceil(whole(left)));
  m.overhangRight = int(std::ceil(whole(right)));
  m.overhangTop = int(std::ceil(whole(top)));
  m.overhangBottom = int(std::ceil(whole(bottom)));
  m.pictureWidth = int(pictureWidth);
  m.pictureHeight = int(pictureHeight);
  for (TLineBox& box : m.lines) {
    switch (paint_.align) {
      case TTextAlign::Left:
        box.shift = 0;
        break;
      case TTextAlign::Center:
        box.shift = m.width / 2 - box.right / 2;
        break;
      case TTextAlign::Right:
        box.shift = m.width - box.right;
        break;
    }
  }
  m.originX = 1 + m.overhangLeft;
  m.originY = 1 + m.overhangTop - m.top;
  measure_ = std::move(m);
  return *measure_;
}

TRenderedText TTextProducer::Paint() {
  const TTextMeasure& m = Measure();
  const double k = paint_.scale;
  const TFontInfo& font = text_->FontInfo();
  TRenderedText result;
  result.scale = k;
  result.lineHeight = m.lineHeight;
  result.glyphOrigin = {float(m.originX), float(m.originY)};
  result.textRect = {float(m.originX), float(m.originY + m.top), float(m.originX + m.width),
                     float(m.originY + m.top + m.height)};

  TRasterHelper helper;
  helper.BeginPaint(m.pictureWidth, m.pictureHeight);
  for (size_t i = 0; i < text_->LineCount(); ++i) {
    if (paint_.progress && !paint_.progress(i)) {
      helper.EndPaint();
      result.runRects.clear();
      return result;
    }
    const TLineBox& box = m.lines[i];
    const double lineX = m.originX + box.shift, baseline = m.originY + box.baseline;
    const TGlyphLine& line = text_->Line(i);
    std::optional<TRectF> run;
    int runFont = -1;
    for (const TGlyphPointer& glyph : line.glyphs) {
      const TGlyphData* data = text_->Glyph(glyph);
      const double x = lineX + glyph.X() * k;
      if (data && !data->path.Empty())
        helper.FillPath(data->path, TPathTransform{k, k, x, baseline + glyph.yOffset * k});
      const float runLeft = float(x), runRight = float(x + (data ? data->Advance() : 0) * k);
      if (run && runFont == glyph.font) {
        run->left = std::min(run->left, runLeft);
        run->right = std::max(run->right, runRight);
      } else {
        if (run) result.runRects.push_back(*run);
        run = TRectF{runLeft, float(m.originY + box.top), runRight, float(m.originY + box.bottom)};
        runFont = glyph.font;
      }
    }
    if (run) result.runRects.push_back(*run);
    const double lineRight = lineX + text_->LineWidth(i) * k;
    if (paint_.underline) {
      const TStroke s = Underline(font, k);
      helper.FillRect(float(lineX), float(baseline + s.top), float(lineRight), float(baseline + s.bottom));
    }
    if (paint_.strikeOut) {
      const TStroke s = StrikeOut(font, k);
      helper.FillRect(float(lineX), float(baseline + s.top), float(lineRight), float(baseline + s.bottom));
    }
  }
  const TCoverageBitmap coverage = helper.EndPaint();
  result.picture = MakeRef<TPixelImage>(m.pictureWidth, m.pictureHeight, TPixelFormat::kARGB32);
  PaintCoverage(coverage, paint_.textColor, paint_.backgroundColor, *result.picture);
  return result;
}

}  // namespace zol
