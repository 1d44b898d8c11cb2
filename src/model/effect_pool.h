// TEffectPool: the transitions a show draws from for slides that ask for the
// project default: every palette entry marked for the pool, in a shuffled
// order, plus the choice state (running position, odd/even parity, random
// source). Owned by TZolSource, which serialises every call under its choice
// lock.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/transition_random.h"
#include "model/zol_effect.h"

namespace zol {

class TZOLEffectManager;

// How a choice is made: from the slide index (reproducible, used for
// renders and reports) or at random.
struct TChoiceMode {
  bool fixedOrder = false;
  int32_t fixedSeed = 0;
};

class TEffectPool {
 public:
  // Palette custom transitions offer one pool entry per enabled option
  // combination; beyond this many the rest are left out.
  static constexpr size_t kMaxCombinationsPerEntry = 1024;

  explicit TEffectPool(std::optional<uint32_t> seed = std::nullopt) : random_(seed) {}

  // Rebuilds the pool from the manager's palette and shuffles its order.
  void Build(TZOLEffectManager& manager);
  // The next pool effect for slide N with one variant kept; none for an
  // empty pool.
  std::optional<TZolEffect> Pick(int n, TChoiceMode mode);
  // Keeps one variant of EFFECT: from N in fixed order, else at random,
  // alternating odd and even variants between consecutive random choices.
  void FixVariant(TZolEffect& effect, int n, TChoiceMode mode);
  // The pattern seed of a mosaic shown on slide N.
  int32_t MosaicSeed(int n, TChoiceMode mode);
  // Puts the order array in a fresh random order.
  void Shuffle();

  int Count() const { return int(effects_.size()); }
  const std::vector<TZolEffect>& Effects() const { return effects_; }
  const std::vector<int>& Order() const { return order_; }
  bool Parity() const { return parity_; }
  int Position() const { return position_; }
  TTransitionRandom& Random() { return random_; }

 private:
  std::vector<TZolEffect> effects_;
  std::vector<int> order_;
  int position_ = 0;  // the running counter, kept below Count()
  bool parity_ = false;
  TTransitionRandom random_;
};

}  // namespace zol
