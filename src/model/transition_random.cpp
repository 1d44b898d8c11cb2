#include "model/transition_random.h"

#include <chrono>

namespace zol {

TTransitionRandom::TTransitionRandom(std::optional<uint32_t> seed) {
  engine_.seed(seed ? *seed
                    : uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                          std::random_device{}());
}

int32_t TTransitionRandom::Next(int32_t range) {
  if (range < 1) return 0;
  // Multiply-and-shift instead of a library distribution: the same seed then
  // gives the same choices with every standard library.
  return int32_t((uint64_t(engine_()) * uint64_t(range)) >> 32);
}

}  // namespace zol
