// TDrawFilter: the base of every drawing filter a transition is drawn
// through: its duration, the current time within it, the soft-edge width,
// the draw and clip rectangles and the reverse/extend-edges switches. The
// families' filters derive from it and draw through the effect renderer's
// tile controller. Owned by the slide's TZolFilter; used on the drawing
// thread only.
#pragma once

#include <cstdint>

#include "foundation/ref.h"
#include "render/geometry.h"

namespace zol {

class TD3DTriController;

class TDrawFilter : public TRefObject {
 public:
  // Stores the geometry and duration and starts at time 0.
  virtual void Setup(const TRect& rect, float softEdgePixels, float duration);
  // The time within the transition, clamped to 0 .. duration; negative and
  // not-a-number times count as 0.
  virtual void SetTime(double ms);
  // Draws the captured picture through the filter.
  virtual void DrawWith(TD3DTriController& controller) = 0;

  float Duration() const { return duration_; }
  double InverseDuration() const { return inverseDuration_; }
  float Time() const { return time_; }
  // 0 at the start of the transition, 1 at its end.
  double Progress() const { return time_ * inverseDuration_; }
  float SoftEdge() const { return softEdge_; }
  const TRect& Rect() const { return rect_; }
  // Reversed variants take the outgoing picture away instead of bringing
  // the incoming one in.
  bool Reverse() const { return reverse_ != 0; }
  void SetReverse(bool reverse) { reverse_ = reverse; }
  bool ExtendEdges() const { return extendEdges_ != 0; }
  void SetExtendEdges(bool extend) { extendEdges_ = extend; }
  const TRect& ClipRect() const { return clipRect_; }
  void SetClipRect(const TRect& clip) { clipRect_ = clip; }

 protected:
  float duration_ = 0;
  double inverseDuration_ = 0;
  float time_ = 0;
  float softEdge_ = 0;
  TRect rect_;
  uint8_t reverse_ = 0;
  uint8_t extendEdges_ = 0;
  TRect clipRect_;
};

}  // namespace zol
