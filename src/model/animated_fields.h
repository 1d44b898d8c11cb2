// The fifteen animated fields of every show object, their eight field groups
// and the descriptor table that says where each field is stored in a key
// frame. Constant tables and pure look-ups; any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zol {

// Field groups: a key frame defines whole groups, and each group runs on its
// own track of key frames.
enum TFieldGroup : int {
  kGroupOpacity = 0,
  kGroupPos = 1,
  kGroupScale = 2,
  kGroupAngle = 3,
  kGroupCenter = 4,
  kGroupBlur = 5,
  kGroupColor = 6,  // no field: its fraction blends the key frames' colour filters
  kGroupFrame = 7,
};
constexpr int kFieldGroupCount = 8;

enum TAnimatedField : int {
  kFieldOpacity = 0,
  kFieldPosX = 1,
  kFieldPosY = 2,
  kFieldPosZ = 3,
  kFieldScaleX = 4,
  kFieldScaleY = 5,
  kFieldAngle = 6,
  kFieldAngleX = 7,
  kFieldAngleY = 8,
  kFieldCenterX = 9,
  kFieldCenterY = 10,
  kFieldBlur = 11,
  kFieldFrameS = 12,  // zoom of the picture inside its frame
  kFieldFrameX = 13,
  kFieldFrameY = 14,
};
constexpr int kAnimatedFieldCount = 15;

// How one field is found in a key frame and what it is without one.
struct TAnimatedFieldDesk {
  int group;
  int index;
  std::string_view dottedName;  // as modifiers and formulas name it
  std::string_view keyName;     // the key frame's item
  int component;                // position in a comma-list item, -1 for a plain item
  double unitMultiplier;        // value unit to a whole turn or a whole: 1/100, angles 1/360
  float defaultValue;
};

std::span<const TAnimatedFieldDesk> AnimatedFields();
const TAnimatedFieldDesk& AnimatedField(int index);
std::span<const std::string_view> FieldGroupNames();

// A group by its name, any letter case.
std::optional<int> FindFieldGroup(std::string_view name);
// A field by its dotted name ("Pos.X", "Opacity"): the part before the last
// "." (the whole name when there is none) names the group, then the full name
// is looked up among that group's fields. Any letter case.
std::optional<int> FindFieldByDottedName(std::string_view name);

// A variable of a node that formulas may read and write: a group's time
// fraction or a field's current value.
struct TNodeVariable {
  bool groupTime = false;
  int index = 0;
  friend bool operator==(const TNodeVariable&, const TNodeVariable&) = default;
};
// The variable NAME stands for: a dotted field name gives the field, another
// group name the group's fraction. Fields come first, so "Opacity" and "Blur"
// (both a group and its one field) name the field's value.
std::optional<TNodeVariable> FindNodeVariable(std::string_view name);

// The mask bit of GROUP in a key frame's group mask.
constexpr uint32_t GroupBit(int group) {
  return uint32_t(1) << group;
}

// Internal-check failure unless every row's index is its position, no
// multiplier is 0, every group is 0..7 and exactly the two items "Position"
// and "CenterPos" are comma lists. Run once over the built-in table when it
// is first used.
void CheckAnimatedFieldTable(std::span<const TAnimatedFieldDesk> table);

}  // namespace zol
