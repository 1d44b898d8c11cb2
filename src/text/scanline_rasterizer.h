// TScanlineRasterizer: the anti-aliasing scan-line filler behind every glyph:
// contours become straight edges in 1/16-pixel fixed point, each pixel gets
// 16 x 16 sub-samples, and finished rows go to a span sink as coverage
// 0 .. 256. Integer arithmetic only once the edges are made.
// Owned by one painter (TRasterHelper); one thread at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "text/fill_rule.h"
#include "text/outline.h"
#include "text/span_sink.h"

namespace zol {

class TScanlineRasterizer {
 public:
  static constexpr int kSubSamples = 16;
  // Coverage of a pixel that lies wholly inside.
  static constexpr int kFullCoverage = kSubSamples * kSubSamples;
  // Largest bitmap side; keeps every sub-sample coordinate of the bitmap
  // inside 32 bits.
  static constexpr int kMaxSide = 1 << 26;

  // Starts a new fill of a WIDTH x HEIGHT bitmap without any edges.
  void Begin(int width, int height);
  // Adds the edges of OUTLINE, closing it back to its start point.
  void AddOutline(const TOutline& outline);
  // One straight edge in bitmap pixels; horizontal ones (after rounding to
  // 1/16 pixel) are dropped, as they cross no sub-scanline.
  void AddEdge(float x0, float y0, float x1, float y1);
  // Walks the sub-scanlines from the first edge down to the bottom of the
  // bitmap and hands every touched row to SINK.
  void Fill(TFillRule rule, TSpanSink& sink);
  // Drops the edges; the buffers are kept for the next fill.
  void End();

  size_t EdgeCount() const { return edges_.size(); }

 private:
  struct TEdge {
    int32_t top;     // first sub-scanline crossed
    int32_t bottom;  // first sub-scanline no longer crossed
    int32_t xTop;    // x at the upper end, 1/16 pixel
    int32_t dir;     // +1 running downward, -1 upward
    int64_t step;    // x change per sub-scanline, 1/16 pixel in 16.16
  };
  struct TActive {
    int64_t x;  // x at the middle of the current sub-scanline, 16.16
    int64_t step;
    int32_t bottom;
    int32_t dir;
    int32_t crossing;  // x rounded to 1/16 pixel
  };

  void AddSpan(int32_t x0, int32_t x1);
  void FlushRow(int row, TSpanSink& sink);

  int width_ = 0;
  int height_ = 0;
  std::vector<TEdge> edges_;
  std::vector<TActive> active_;
  std::vector<uint16_t> coverage_;  // per pixel of the current row
  std::vector<int32_t> runs_;       // +16 / -16 marks of whole-pixel runs, summed at the flush
  int first_ = 0;
  int last_ = -1;
};

}  // namespace zol
