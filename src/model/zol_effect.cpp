#include "model/zol_effect.h"

#include <algorithm>
#include <array>

namespace zol {

std::string_view EffectTypeName(TEffectType type) {
  static constexpr std::array<std::string_view, 13> kNames = {
      "none", "dissolve", "hourhand", "shapes", "gates", "page",  "mosaic",
      "push", "slide",    "curling",  "flip",   "swap",  "custom"};
  const int32_t index = int32_t(type);
  return index > 0 && index < int32_t(kNames.size()) ? kNames[size_t(index)] : kNames[0];
}

bool TZolEffect::HasActions() const {
  return type == TEffectType::HourHand || type == TEffectType::Shapes || type == TEffectType::Curling;
}

size_t TZolEffect::DirectionFirst() const {
  return HasActions() ? 2 : 0;
}

size_t TZolEffect::DirectionCount() const {
  size_t count = 0;
  switch (type) {
    case TEffectType::HourHand:
      count = 9;
      break;
    case TEffectType::Shapes:
      count = 3;
      break;
    case TEffectType::Curling:
      count = 8;
      break;
    case TEffectType::Flip:
      count = 4;
      break;
    default:
      count = flags.size();
      break;
  }
  const size_t first = DirectionFirst();
  return flags.size() > first ? std::min(count, flags.size() - first) : 0;
}

namespace {

int32_t CountSet(const std::vector<uint8_t>& flags, size_t first, size_t count) {
  int32_t set = 0;
  for (size_t k = first; k < first + count && k < flags.size(); ++k) set += flags[k] != 0;
  return set;
}

// Clears every flag of [FIRST, FIRST + COUNT) but the N-th set one.
void KeepNthSet(std::vector<uint8_t>& flags, size_t first, size_t count, int32_t n) {
  for (size_t k = first; k < first + count && k < flags.size(); ++k) {
    if (!flags[k]) continue;
    flags[k] = n == 0 ? 1 : 0;
    --n;
  }
}

}  // namespace

int32_t TZolEffect::CountVariants() const {
  const int32_t directions = CountSet(flags, DirectionFirst(), DirectionCount());
  return HasActions() ? CountSet(flags, 0, 2) * directions : directions;
}

void TZolEffect::KeepVariant(int32_t v) {
  if (v < 0) return;
  const size_t first = DirectionFirst(), count = DirectionCount();
  if (HasActions()) {
    // Variants run action by action, and within one action direction by
    // direction.
    const int32_t directions = CountSet(flags, first, count);
    if (directions == 0) return;
    KeepNthSet(flags, 0, 2, v / directions);
    KeepNthSet(flags, first, count, v % directions);
  } else {
    KeepNthSet(flags, first, count, v);
  }
}

int TZolEffect::FirstDirection() const {
  const size_t first = DirectionFirst(), count = DirectionCount();
  for (size_t k = 0; k < count; ++k)
    if (flags[first + k]) return int(k);
  return -1;
}

}  // namespace zol
