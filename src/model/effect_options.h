// TEffectOptions: the option combinations of a custom transition. Each option
// is a string of '0'/'1' characters, one per choice; a combination picks one
// choice of every option (mixed radix, the last option counting fastest) and
// is enabled when every picked character is '1'. Each combination has its own
// settings section. Plain value, any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zol {

class TEffectOptions {
 public:
  TEffectOptions() = default;
  explicit TEffectOptions(std::vector<std::string> options);

  const std::vector<std::string>& Options() const { return options_; }
  // The product of the option lengths (1 without options), saturated at the
  // int64 range so that absurd option strings cannot overflow.
  int64_t Count() const { return count_; }
  bool IsEnabled(int64_t combination) const;
  // "slide_" and the picked positions joined by "_" ("slide_0_1_0");
  // "slide_1" without options. Empty for a combination out of range.
  std::string SectionName(int64_t combination) const;
  // The picked positions of COMBINATION, first option first.
  std::vector<int> Digits(int64_t combination) const;
  static std::string SectionName(const std::vector<int>& digits);

  // The enabled combinations in order, at most LIMIT of them, as picked
  // positions. Walks only the enabled characters, so the cost follows the
  // answer, not Count().
  std::vector<std::vector<int>> EnabledCombinations(size_t limit) const;
  std::optional<std::vector<int>> FirstEnabled() const;

 private:
  std::vector<std::string> options_;
  int64_t count_ = 1;
};

}  // namespace zol
