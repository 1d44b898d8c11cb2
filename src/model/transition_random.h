// TTransitionRandom: the random source of transition choice (pool order,
// variants, mosaic seeds). Seeded from the clock unless a seed is given, so
// tests and reproducible renders get the same choices every run. Not locked:
// its owner (the pool) serialises the calls.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace zol {

class TTransitionRandom {
 public:
  explicit TTransitionRandom(std::optional<uint32_t> seed = std::nullopt);

  // A uniform value in 0 .. RANGE - 1; 0 when RANGE < 1.
  int32_t Next(int32_t range);
  void Seed(uint32_t seed) { engine_.seed(seed); }

 private:
  std::mt19937 engine_;
};

}  // namespace zol
