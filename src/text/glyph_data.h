// TGlyphData: one glyph of a glyph cache: its index in its font, the metrics
// read for it (black box, origin and cell advance as whole font units, and
// the exact advance) and its outline. Immutable once in a cache, so any
// thread may read it while it holds the cache.
#pragma once

#include <cstdint>

#include "render/geometry.h"
#include "text/path.h"

namespace zol {

struct TGlyphMetrics {
  int32_t blackBoxX = 0;
  int32_t blackBoxY = 0;
  int32_t originX = 0;
  int32_t originY = 0;
  int32_t cellIncX = 0;
  float advance = 0;
  friend bool operator==(const TGlyphMetrics&, const TGlyphMetrics&) = default;
};

struct TGlyphData {
  uint16_t index = 0;
  TGlyphMetrics metrics;
  TPath path;
  TRectF bounds;  // of the outline, font units, y downward (made when added to a cache)

  // The pen advance: the exact one when it is known, else the whole-unit one.
  float Advance() const {
    return metrics.advance > 0 && metrics.advance < 1e30f ? metrics.advance : float(metrics.cellIncX);
  }
};

}  // namespace zol
