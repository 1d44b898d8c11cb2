// TSpanSink: where the rasteriser hands each finished pixel row: the row, its
// coverage counters (0 .. 256 per pixel) and the first and last pixel that
// anything touched. The counters are valid only during the call.
// Called on the thread that runs the fill.
#pragma once

#include <cstdint>

namespace zol {

class TSpanSink {
 public:
  virtual void Span(int row, const uint16_t* coverage, int first, int last) = 0;

 protected:
  ~TSpanSink() = default;
};

}  // namespace zol
