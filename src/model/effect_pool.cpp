#include "model/effect_pool.h"

#include <numeric>
#include <utility>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"
#include "foundation/log.h"
#include "model/custom_effect.h"
#include "model/effect_families.h"
#include "model/effect_manager.h"

namespace zol {

void TEffectPool::Build(TZOLEffectManager& manager) {
  effects_.clear();
  for (int i = 0; i < manager.PaletteSize(); ++i) {
    const TEffectProp& entry = *manager.Entry(i);
    if (entry.IsChecked() == 0) continue;
    if (EqualNoCase(entry.EffectKind(), "custom")) {
      const auto combinations = entry.Options().EnabledCombinations(kMaxCombinationsPerEntry + 1);
      for (size_t c = 0; c < combinations.size() && c < kMaxCombinationsPerEntry; ++c)
        effects_.push_back(MakeCustomEffect(manager.ProjectText(), entry.EffectName(), combinations[c]));
      if (combinations.size() > kMaxCombinationsPerEntry)
        LogText("Transition " + entry.EffectName() + ": too many option combinations, some left out");
      continue;
    }
    // "default", "defowntime" and "quick" stand for choices, not effects.
    const int stdIndex = entry.StdIndex();
    if (stdIndex == 0 || stdIndex == 1 || stdIndex == 3) continue;
    const TEffectType family = FamilyByStdIndex(stdIndex);
    std::optional<TZolEffect> effect = family != TEffectType::None
                                           ? ReadFamilyEffect(family, entry)
                                           : ReadCustomEffect(manager.ProjectText(), entry);
    if (effect) effects_.push_back(std::move(*effect));
  }
  order_.resize(effects_.size());
  std::iota(order_.begin(), order_.end(), 0);
  position_ = 0;
  Shuffle();
}

void TEffectPool::Shuffle() {
  // Fisher-Yates over the part not yet placed, so that every order is as
  // likely as any other.
  const int count = int(order_.size());
  for (int i = 0; i + 1 < count; ++i) {
    const int j = i + random_.Next(count - i);
    if (j != i) std::swap(order_[size_t(i)], order_[size_t(j)]);
  }
}

std::optional<TZolEffect> TEffectPool::Pick(int n, TChoiceMode mode) {
  const int count = Count();
  if (count == 0) return std::nullopt;
  int position;
  if (mode.fixedOrder) {
    position = ((n % count) + count) % count;
  } else {
    position = position_;
    position_ = (position_ + 1) % count;
    if (position == 0) Shuffle();
  }
  TZolEffect effect = effects_[size_t(order_[size_t(position)])];
  ZOL_CHECK(effect.variantCount > 0, "Pool effect without variants");
  FixVariant(effect, n, mode);
  return effect;
}

void TEffectPool::FixVariant(TZolEffect& effect, int n, TChoiceMode mode) {
  const int32_t variants = effect.CountVariants();
  if (variants <= 0) return;
  int32_t v;
  if (mode.fixedOrder) {
    v = int32_t(uint32_t(n ^ mode.fixedSeed) % uint32_t(variants));
    // Neighbouring slides get variants of opposite parity, which for the
    // directional families means opposite directions.
    const int32_t wantedParity = (n & 1) ^ int32_t(parity_);
    if ((v & 1) != wantedParity) v = (v + 1) % variants;
  } else {
    v = random_.Next(variants);
    if (((v & 1) == 0) != parity_) v = (v + 1) % variants;
    parity_ = !parity_;
  }
  effect.KeepVariant(v);
}

int32_t TEffectPool::MosaicSeed(int n, TChoiceMode mode) {
  if (mode.fixedOrder) return n ^ mode.fixedSeed;
  const int32_t high = random_.Next(4096);
  return high * 4096 + random_.Next(4096);
}

}  // namespace zol
