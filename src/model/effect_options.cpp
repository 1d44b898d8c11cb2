#include "model/effect_options.h"

#include <limits>

namespace zol {

TEffectOptions::TEffectOptions(std::vector<std::string> options) : options_(std::move(options)) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  for (const std::string& option : options_) {
    const int64_t length = int64_t(option.size());
    if (length == 0) {
      count_ = 0;
      break;
    }
    count_ = count_ > kMax / length ? kMax : count_ * length;
  }
}

std::vector<int> TEffectOptions::Digits(int64_t combination) const {
  std::vector<int> digits(options_.size(), 0);
  for (size_t k = options_.size(); k-- > 0;) {
    const int64_t length = int64_t(options_[k].size());
    digits[k] = int(combination % length);
    combination /= length;
  }
  return digits;
}

bool TEffectOptions::IsEnabled(int64_t combination) const {
  if (combination < 0 || combination >= count_) return false;
  const std::vector<int> digits = Digits(combination);
  for (size_t k = 0; k < options_.size(); ++k)
    if (options_[k][size_t(digits[k])] != '1') return false;
  return true;
}

std::string TEffectOptions::SectionName(const std::vector<int>& digits) {
  if (digits.empty()) return "slide_1";
  std::string name = "slide";
  for (int digit : digits) {
    name += '_';
    name += std::to_string(digit);
  }
  return name;
}

std::string TEffectOptions::SectionName(int64_t combination) const {
  if (combination < 0 || combination >= count_) return {};
  return SectionName(Digits(combination));
}

std::vector<std::vector<int>> TEffectOptions::EnabledCombinations(size_t limit) const {
  std::vector<std::vector<int>> result;
  // The enabled positions of every option; the combinations are their product.
  std::vector<std::vector<int>> enabled(options_.size());
  for (size_t k = 0; k < options_.size(); ++k) {
    for (size_t c = 0; c < options_[k].size(); ++c)
      if (options_[k][c] == '1') enabled[k].push_back(int(c));
    if (enabled[k].empty()) return result;
  }
  std::vector<size_t> at(options_.size(), 0);
  while (result.size() < limit) {
    std::vector<int> digits(options_.size());
    for (size_t k = 0; k < options_.size(); ++k) digits[k] = enabled[k][at[k]];
    result.push_back(std::move(digits));
    // Odometer step, last option fastest, matching the combination order.
    size_t k = options_.size();
    while (k > 0 && ++at[k - 1] == enabled[k - 1].size()) at[--k] = 0;
    if (k == 0) break;
  }
  return result;
}

std::optional<std::vector<int>> TEffectOptions::FirstEnabled() const {
  std::vector<std::vector<int>> first = EnabledCombinations(1);
  if (first.empty()) return std::nullopt;
  return std::move(first.front());
}

}  // namespace zol
