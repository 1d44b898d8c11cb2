// TTextProducer: places the lines of a laid-out text at a scale and paints
// them: each line's box from the font's ascent and descent, lines spaced by
// the line-spacing value, aligned left, centred or right, with room for
// glyphs that overhang their boxes and a one-pixel border; then glyphs,
// underline and strike-out are filled and the coverage coloured.
// One producer per paint; any thread (glyph caches lock themselves).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "foundation/ref.h"
#include "render/color.h"
#include "text/rendered_text.h"
#include "text/text_params.h"
#include "text/vector_text.h"

namespace zol {

struct TTextPaint {
  double scale = 1;
  int32_t lineSpacing = 0;  // percent of a line
  TTextAlign align = TTextAlign::Center;
  bool underline = false;
  bool strikeOut = false;
  uint32_t textColor = kOpaqueWhite;
  uint32_t backgroundColor = 0x00FFFFFFu;
  // Asked before each line is painted; false stops the paint.
  std::function<bool(size_t line)> progress;

  static TTextPaint From(const TTextParams& params, double scale);
};

// A line's box (text units: pixels at the scale, x from the line's start, y
// from the first baseline) and the shift its alignment gives it.
struct TLineBox {
  double baseline = 0;
  double top = 0;
  double bottom = 0;
  double right = 0;
  double shift = 0;
};

struct TTextMeasure {
  std::vector<TLineBox> lines;
  double width = 0;   // the widest line
  double height = 0;  // first box top to last box bottom
  double top = 0;     // the first box top (negative: above the first baseline)
  int overhangLeft = 0, overhangTop = 0, overhangRight = 0, overhangBottom = 0;
  int pictureWidth = 0, pictureHeight = 0;
  double lineHeight = 0;
  // Picture pixels of the point (0, 0) of text units.
  double originX = 0, originY = 0;
};

class TTextProducer {
 public:
  TTextProducer(TRef<TVectorText> text, TTextPaint paint);

  // Fails with ETextError when the picture would be empty or too large.
  const TTextMeasure& Measure();
  // The painted text; a null picture when the progress callback stopped it.
  TRenderedText Paint();

 private:
  TRef<TVectorText> text_;
  TTextPaint paint_;
  std::optional<TTextMeasure> measure_;
};

}  // namespace zol
