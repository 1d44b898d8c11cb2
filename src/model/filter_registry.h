// TFilterRegistry: the process-wide table from effect type to the factory of
// its drawing filter. The transition families register their factories at
// start-up; MakeFilter then builds the filter of a slide's effect on its
// first transition frame. Registration and lookups may come from any thread.
#pragma once

#include <array>
#include <functional>
#include <mutex>

#include "foundation/ref.h"
#include "model/draw_filter.h"
#include "render/geometry.h"
#include "model/zol_effect.h"

namespace zol {

// What a factory gets: everything MakeFilter was given.
struct TFilterRequest {
  TRect drawRect;
  const TZolEffect& effect;
  TRefObject* outgoing;  // the outgoing slide's draw item (custom transitions)
  bool fixedSize;
  double smoothline;
  double duration;
};

// Makes the filter of one effect type, or none when the effect's fixed
// variant enables nothing the family can draw.
using TFilterFactory = std::function<TRef<TDrawFilter>(const TFilterRequest&)>;

class TFilterRegistry {
 public:
  static TFilterRegistry& Process();

  // Installs FACTORY for TYPE (an empty one removes the entry) and returns
  // the one it replaces.
  TFilterFactory Set(TEffectType type, TFilterFactory factory);
  // The factory for TYPE; empty when none is registered.
  TFilterFactory Find(TEffectType type) const;

 private:
  static constexpr size_t kTypes = size_t(TEffectType::Custom) + 1;

  mutable std::mutex lock_;  // guards factories_
  std::array<TFilterFactory, kTypes> factories_;
};

// The drawing filter of EFFECT, set up with DRAWRECT, a soft edge of
// DRAWRECT's width × SMOOTHLINE pixels and DURATION. A type without a
// factory of its own is drawn as a cross-fade (the Dissolve factory); none
// when that is missing too or the factory declines.
TRef<TDrawFilter> MakeFilter(const TRect& drawRect, const TZolEffect& effect, TRefObject* outgoing,
                             bool fixedSize, double smoothline, double duration);

}  // namespace zol
