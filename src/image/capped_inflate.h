// Inflating compressed picture data with a ceiling on the output, so a small
// hostile payload cannot expand into gigabytes. Wraps zlib; pure functions,
// any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zol {

enum class TInflateResult {
  Ok,        // the whole stream inflated
  TooLarge,  // it would inflate past the ceiling
  Broken,    // not deflate data, or cut short
};

// Inflates DATA (zlib-wrapped when it starts with a zlib header, else raw
// deflate) into OUT, at most LIMIT bytes.
TInflateResult InflateCapped(std::span<const uint8_t> data, size_t limit, std::vector<uint8_t>& out);

}  // namespace zol
