// TZolFilter: the transition of one slide as the drawer receives it: the
// effect with its duration and soft edge, the time the transition has run
// (set by the engine every frame) and the drawing filter, made on the first
// transition frame. Owned by its slide; engine (drawing) thread once the
// slide is handed over.
#pragma once

#include <optional>

#include "foundation/ref.h"
#include "model/draw_filter.h"
#include "render/geometry.h"
#include "model/slide_effect.h"
#include "model/zol_effect.h"
#include "render/filter_params.h"

namespace zol {

class TZolFilter : public TFilterParams {
 public:
  explicit TZolFilter(TSlideEffect chosen);

  const std::optional<TZolEffect>& Effect() const { return effect_; }
  double Duration() const { return duration_; }
  float Smoothline() const { return smoothline_; }
  float Elapsed() const { return elapsed_; }
  void SetElapsed(float ms) { elapsed_ = ms; }

  // The drawing filter, none before the first transition frame or without
  // effect.
  TDrawFilter* DrawFilter() const { return drawFilter_.get(); }
  // Makes the drawing filter on the first call (through MakeFilter) and
  // keeps it for the slide's life; none without effect.
  TDrawFilter* EnsureDrawFilter(const TRect& drawRect, TRefObject* outgoing, bool fixedSize);

 protected:
  void Dispose() override;

 private:
  std::optional<TZolEffect> effect_;
  double duration_;
  float smoothline_;
  float elapsed_ = 0;
  TRef<TDrawFilter> drawFilter_;
  bool filterTried_ = false;
};

}  // namespace zol
