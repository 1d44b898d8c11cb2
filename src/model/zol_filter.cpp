#include "model/zol_filter.h"

#include "model/filter_registry.h"

namespace zol {

TZolFilter::TZolFilter(TSlideEffect chosen)
    : effect_(std::move(chosen.effect)),
      duration_(effect_ ? chosen.duration : 0),
      smoothline_(float(chosen.smoothline)) {}

TDrawFilter* TZolFilter::EnsureDrawFilter(const TRect& drawRect, TRefObject* outgoing, bool fixedSize) {
  // A factory that declined once would decline on every frame.
  if (!filterTried_ && effect_) {
    filterTried_ = true;
    drawFilter_ = MakeFilter(drawRect, *effect_, outgoing, fixedSize, smoothline_, duration_);
  }
  return drawFilter_.get();
}

void TZolFilter::Dispose() {
  drawFilter_.reset();
  effect_.reset();
  TFilterParams::Dispose();
}

}  // namespace zol
