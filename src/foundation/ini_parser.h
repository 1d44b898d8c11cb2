// Building a project-text tree from UTF-8 text. Pure function of its
// arguments; the target list must not be shared while it is filled.
#pragma once

#include <string_view>

namespace zol {

class TIniList;

// Objects may nest this deep; deeper texts are refused, so that writing and
// freeing a tree never recurse without bound.
constexpr int kMaxIniObjectDepth = 256;

// Appends the lines of TEXT to TARGET. Section headers create or continue
// sections when TARGET is a file and stay text lines elsewhere. False when
// objects nest deeper than kMaxIniObjectDepth; TARGET then holds what was
// read so far.
bool ParseIniText(std::string_view text, TIniList& target);

}  // namespace zol
