#include "text/scanline_rasterizer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zol {
namespace {

// A bitmap coordinate in 1/16 pixel, clamped to 32 bits; a coordinate that is
// not a number counts as 0 so that damaged outlines cannot poison the walk.
int32_t ToSubPixel(float v) {
  const double scaled = double(v) * TScanlineRasterizer::kSubSamples;
  if (std::isnan(scaled)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return int32_t(std::clamp(std::floor(scaled + 0.5), kLow, kHigh));
}

}  // namespace

void TScanlineRasterizer::Begin(int width, int height) {
  width_ = std::clamp(width, 0, kMaxSide);
  height_ = std::clamp(height, 0, kMaxSide);
  edges_.clear();
  coverage_.assign(size_t(width_) + 1, 0);
  runs_.assign(size_t(width_) + 2, 0);
  first_ = 0;
  last_ = -1;
}

void TScanlineRasterizer::End() {
  edges_.clear();
  active_.clear();
}

void TScanlineRasterizer::AddOutline(const TOutline& outline) {
  const std::vector<TPointF>& points = outline.Points();
  if (points.size() < 2) return;
  for (size_t i = 1; i < points.size(); ++i)
    AddEdge(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
  AddEdge(points.back().x, points.back().y, points.front().x, points.front().y);
}

void TScanlineRasterizer::AddEdge(float x0, float y0, float x1, float y1) {
  int32_t xa = ToSubPixel(x0), ya = ToSubPixel(y0);
  int32_t xb = ToSubPixel(x1), yb = ToSubPixel(y1);
  if (ya == yb) return;
  int32_t dir = 1;
  if (ya > yb) {
    std::swap(xa, xb);
    std::swap(ya, yb);
    dir = -1;
  }
  const int64_t height = int64_t(yb) - ya;
  const int64_t step = (int64_t(xb) - xa) * 65536 / height;
  edges_.push_back({ya, yb, xa, dir, step});
}

// Called for every inside span of every sub-scanline: kept inline.
[[gnu::always_inline]] inline void TScanlineRasterizer::AddSpan(int32_t x0, int32_t x1) {
  // Sub-samples x0 .. x1, both inside.
  const int p0 = x0 >> 4, p1 = x1 >> 4;
  if (p0 == p1) {
    coverage_[p0] += uint16_t(x1 - x0 + 1);
  } else {
    coverage_[p0] += uint16_t(kSubSamples - (x0 & 15));
    coverage_[p1] += uint16_t((x1 & 15) + 1);
    if (p1 > p0 + 1) {
      runs_[p0 + 1] += kSubSamples;
      runs_[p1] -= kSubSamples;
    }
  }
  first_ = std::min(first_, p0);
  last_ = std::max(last_, p1);
}

void TScanlineRasterizer::FlushRow(int row, TSpanSink& sink) {
  if (last_ < first_) return;
  int32_t run = 0;
  for (int p = first_; p <= last_; ++p) {
    run += runs_[p];
    runs_[p] = 0;
    coverage_[p] = uint16_t(coverage_[p] + run);
  }
  runs_[last_ + 1] = 0;
  sink.Span(row, coverage_.data(), first_, last_);
  std::fill(coverage_.begin() + first_, coverage_.begin() + last_ + 1, uint16_t(0));
  first_ = width_;
  last_ = -1;
}

void TScanlineRasterizer::Fill(TFillRule rule, TSpanSink& sink) {
  if (edges_.empty() || width_ == 0 || height_ == 0) return;
  std::stable_sort(edges_.begin(), edges_.end(),
                   [](const TEdge& a, const TEdge& b) { return a.top < b.top; });
  const int32_t widthSub = width_ * kSubSamples;
  const int32_t heightSub = height_ * kSubSamples;
  active_.clear();
  first_ = width_;
  last_ = -1;

  size_t next = 0;
  int32_t s = std::max(edges_.front().top, 0);
  int row = s >> 4;
  while (s < heightSub) {
    if ((s >> 4) != row) {
      FlushRow(row, sink);
      row = s >> 4;
    }
    // Edges that begin at or above this sub-scanline join, at their x in
    // the middle of it.
    for (; next < edges_.size() && edges_[next].top <= s; ++next) {
      const TEdge& e = edges_[next];
      if (e.bottom <= s) continue;
      const int64_t x = int64_t(e.xTop) * 65536 + e.step / 2 + (int64_t(s) - e.top) * e.step;
      active_.push_back({x, e.step, e.bottom, e.dir, 0});
    }
    if (active_.empty()) {
      if (next == edges_.size()) break;
      s = edges_[next].top;
      continue;
    }

    // Crossings to the nearest 1/16 pixel, kept in x order (the order barely
    // changes from one sub-scanline to the next, so insertion sort is cheap).
    for (TActive& a : active_) a.crossing = int32_t(std::clamp<int64_t>(
        (a.x + 32768) >> 16, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    for (size_t i = 1; i < active_.size(); ++i) {
      TActive moving = active_[i];
      size_t j = i;
      for (; j > 0 && active_[j - 1].crossing > moving.crossing; --j) active_[j] = active_[j - 1];
      active_[j] = moving;
    }

    int32_t winding = 0;
    for (size_t i = 0; i + 1 < active_.size(); ++i) {
      winding += active_[i].dir;
      const bool inside = rule == TFillRule::NonZero ? winding != 0 : (winding & 1) != 0;
      if (!inside) continue;
      const int32_t x0 = std::max(active_[i].crossing, 0);
      const int32_t x1 = std::min(active_[i + 1].crossing, widthSub);
      if (x1 > x0) AddSpan(x0, x1 - 1);
    }

    ++s;
    // Step the edges that go on and drop the finished ones; an edge copies
    // itself only when one before it was dropped (copying a record onto
    // itself right after changing it stalls the store buffer).
    size_t kept = 0;
    for (size_t i = 0; i < active_.size(); ++i) {
      if (active_[i].bottom <= s) continue;
      active_[i].x += active_[i].step;
      if (kept != i) active_[kept] = active_[i];
      ++kept;
    }
    active_.resize(kept);
  }
  FlushRow(row, sink);
  active_.clear();
}

}  // namespace zol
