// The kinds of show objects and the table that maps a project-text type name
// ("Box", "Image", ...) to a kind. Pure functions over a constant table; any
// thread.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zol {

// The codes are stored in the animation tree and decide the runtime class and
// which key-frame groups an object may animate, so they must stay as numbered.
enum class TZolObjectKind : uint8_t {
  Unknown = 0,  // also the slide root "Root"
  Frame = 1,
  Box = 2,
  Splitter = 3,
  Image = 4,
  AniImage = 5,  // also "Image" with AnimEnable set
  Text = 6,
  Button = 7,
  Video = 8,
  Viewport = 9,
  MaskStencil = 10,
  MaskContent = 11,
};

constexpr int kObjectKindCount = 12;

// The type name of each kind, indexed by its code; "" for Unknown.
std::span<const std::string_view> ObjectTypeNames();

// The kind named TYPENAME (whole name, any letter case), Unknown otherwise.
TZolObjectKind ObjectKindFromTypeName(std::string_view typeName);

// The type name stored for KIND ("" for Unknown or a code out of range).
std::string_view ObjectTypeName(TZolObjectKind kind);

// Checks that every non-empty name of TABLE maps back to its own position;
// an internal-check failure otherwise. Run once over the built-in table when
// it is first used.
void CheckObjectTypeTable(std::span<const std::string_view> table);

}  // namespace zol
