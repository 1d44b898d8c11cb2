// TSlideEffect: the transition chosen for one slide, as the slide producer
// stores it in the slide's TZolFilter. Plain value.
#pragma once

#include <optional>

#include "model/zol_effect.h"

namespace zol {

struct TSlideEffect {
  std::optional<TZolEffect> effect;  // none: the slide appears without transition
  double duration = 0;               // ms; 0 whenever there is no effect
  double smoothline = 0;             // soft edge as a fraction of the draw width
};

}  // namespace zol
