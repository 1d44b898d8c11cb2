// Bidirectional levels of a line and the visual order they give: a compact
// form of the Unicode bidirectional algorithm for plain text without
// explicit embeddings: paragraph direction from the first strong character,
// marks taking the class before them, digits after left-to-right text
// joining it, neutrals between two like sides taking theirs and the
// paragraph's otherwise. Pure functions; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zol {

// Per character: 0 left to right, 1 right to left, 2 left to right inside a
// right-to-left text (or digits inside right-to-left text in a left-to-right
// paragraph).
std::vector<uint8_t> ResolveBidiLevels(std::u32string_view text);

// The order in which items of LEVELS are shown, left to right: from the
// highest level down to the lowest odd one, every stretch at or above that
// level is reversed.
std::vector<size_t> VisualOrder(const std::vector<uint8_t>& levels);

}  // namespace zol
