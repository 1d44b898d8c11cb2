// TZolEffect: one transition with its parameters, as the catalog resolves it
// for a slide or keeps it in the random pool. A plain copyable value: the pool
// keeps the template, every slide gets its own copy with one variant fixed.
// The settings section of a custom transition is shared through its TRef.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ini_section.h"
#include "foundation/ref.h"

namespace zol {

// The drawing family of an effect; the numbers are stored in project texts
// and select the drawing filter.
enum class TEffectType : int32_t {
  None = 0,
  Dissolve = 1,
  HourHand = 2,
  Shapes = 3,
  Gates = 4,
  Page = 5,
  Mosaic = 6,
  Push = 7,
  Slide = 8,
  Curling = 9,
  Flip = 10,
  Swap = 11,
  Custom = 12,
};

// "dissolve", "hourhand", ... "custom"; "none" for None and unknown values.
std::string_view EffectTypeName(TEffectType type);

class TZolEffect {
 public:
  // Smoothline of an effect whose family has no soft edge.
  static constexpr double kNoSoftEdge = 0.001;

  TEffectType type = TEffectType::None;
  double smoothline = kNoSoftEdge;
  int32_t variantCount = 0;
  std::vector<int32_t> ints;
  std::vector<float> reals;
  std::vector<uint8_t> flags;  // 1 = option enabled
  std::string name;
  TRef<TIniSection> section;  // custom transitions only; may be none

  bool Flag(size_t k) const { return k < flags.size() && flags[k] != 0; }
  int32_t Int(size_t k, int32_t fallback = 0) const { return k < ints.size() ? ints[k] : fallback; }
  float Real(size_t k, float fallback = 0) const { return k < reals.size() ? reals[k] : fallback; }

  // Families whose variants are action × direction keep their two action
  // flags first.
  bool HasActions() const;
  // Where the direction flags lie among the flags: [first, first + count).
  size_t DirectionFirst() const;
  size_t DirectionCount() const;
  // The number of variants the flags allow: enabled actions × enabled
  // directions, or the enabled flags of the choosing group.
  int32_t CountVariants() const;
  // Clears every flag but those of variant V (0 <= V < CountVariants()):
  // one action and one direction, or one enabled flag of the choosing group.
  // Flags outside the choosing group (curling's colour and volume, flip's
  // spin and speed) stay as they are.
  void KeepVariant(int32_t v);
  // The position of the first set direction flag, or -1.
  int FirstDirection() const;
};

}  // namespace zol
