#include "text/bidi_levels.h"

#include <algorithm>

#include "text/unicode_class.h"

namespace zol {

std::vector<uint8_t> ResolveBidiLevels(std::u32string_view text) {
  const size_t n = text.size();
  std::vector<TBidiClass> classes(n);
  for (size_t i = 0; i < n; ++i) classes[i] = BidiClassOf(text[i]);

  TBidiClass paragraph = TBidiClass::Left;
  for (TBidiClass c : classes)
    if (c == TBidiClass::Left || c == TBidiClass::Right) {
      paragraph = c;
      break;
    }

  // Marks take the class before them (the paragraph's at the start).
  for (size_t i = 0; i < n; ++i)
    if (classes[i] == TBidiClass::Mark) classes[i] = i == 0 ? paragraph : classes[i - 1];

  // Digits whose last strong character is left to right are left to right.
  TBidiClass lastStrong = paragraph;
  for (size_t i = 0; i < n; ++i) {
    if (classes[i] == TBidiClass::Left || classes[i] == TBidiClass::Right) lastStrong = classes[i];
    else if (classes[i] == TBidiClass::Number && lastStrong == TBidiClass::Left) classes[i] = TBidiClass::Left;
  }

  // Neutrals: between two sides of one direction (digits count as right to
  // left here) take it, else the paragraph's.
  auto direction = [](TBidiClass c) { return c == TBidiClass::Number ? TBidiClass::Right : c; };
  for (size_t i = 0; i < n;) {
    if (classes[i] != TBidiClass::Neutral) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < n && classes[end] == TBidiClass::Neutral) ++end;
    const TBidiClass before = i == 0 ? paragraph : direction(classes[i - 1]);
    const TBidiClass after = end == n ? paragraph : direction(classes[end]);
    const TBidiClass resolved = before == after ? before : paragraph;
    std::fill(classes.begin() + ptrdiff_t(i), classes.begin() + ptrdiff_t(end), resolved);
    i = end;
  }

  std::vector<uint8_t> levels(n);
  const bool rightToLeft = paragraph == TBidiClass::Right;
  for (size_t i = 0; i < n; ++i) {
    switch (classes[i]) {
      case TBidiClass::Right:
        levels[i] = 1;
        break;
      case TBidiClass::Number:
        levels[i] = 2;
        break;
      default:
        levels[i] = rightToLeft ? 2 : 0;
    }
  }
  return levels;
}

std::vector<size_t> VisualOrder(const std::vector<uint8_t>& levels) {
  std::vector<size_t> order(levels.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (levels.empty()) return order;
  const uint8_t highest = *std::max_element(levels.begin(), levels.end());
  uint8_t lowestOdd = UINT8_MAX;
  for (uint8_t level : levels)
    if (level & 1) lowestOdd = std::min(lowestOdd, level);
  if (lowestOdd == UINT8_MAX) lowestOdd = highest + 1;  // nothing right to left: nothing turns
  for (int level = highest; level >= lowestOdd; --level) {
    for (size_t i = 0; i < order.size();) {
      if (levels[order[i]] < level) {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < order.size() && levels[order[end]] >= level) ++end;
      std::reverse(order.begin() + ptrdiff_t(i), order.begin() + ptrdiff_t(end));
      i = end;
    }
  }
  return order;
}

}  // namespace zol
