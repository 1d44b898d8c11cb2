#include "model/animated_fields.h"

#include <array>
#include <set>
#include <string>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"

namespace zol {
namespace {

constexpr double kPercent = 1.0 / 100;
constexpr double kDegrees = 1.0 / 360;

constexpr std::array<TAnimatedFieldDesk, kAnimatedFieldCount> kFields = {{
    {kGroupOpacity, kFieldOpacity, "Opacity", "Opacity", -1, kPercent, 100},
    {kGroupPos, kFieldPosX, "Pos.X", "Position", 0, kPercent, 0},
    {kGroupPos, kFieldPosY, "Pos.Y", "Position", 1, kPercent, 0},
    {kGroupPos, kFieldPosZ, "Pos.Z", "ZPos", -1, kPercent, 0},
    {kGroupScale, kFieldScaleX, "Scale.X", "ScaleX", -1, kPercent, 100},
    {kGroupScale, kFieldScaleY, "Scale.Y", "ScaleY", -1, kPercent, 100},
    {kGroupAngle, kFieldAngle, "Angle", "Angle", -1, kDegrees, 0},
    {kGroupAngle, kFieldAngleX, "Angle.X", "AngleX", -1, kDegrees, 0},
    {kGroupAngle, kFieldAngleY, "Angle.Y", "AngleY", -1, kDegrees, 0},
    {kGroupCenter, kFieldCenterX, "Center.X", "CenterPos", 0, kPercent, 0},
    {kGroupCenter, kFieldCenterY, "Center.Y", "CenterPos", 1, kPercent, 0},
    {kGroupBlur, kFieldBlur, "Blur", "Blur", -1, kPercent, 0},
    {kGroupFrame, kFieldFrameS, "Frame.S", "Zoom", -1, kPercent, 100},
    {kGroupFrame, kFieldFrameX, "Frame.X", "OffsX", -1, kPercent, 0},
    {kGroupFrame, kFieldFrameY, "Frame.Y", "OffsY", -1, kPercent, 0},
}};

constexpr std::array<std::string_view, kFieldGroupCount> kGroupNames = {
    "Opacity", "Pos", "Scale", "Angle", "Center", "Blur", "Color", "Frame",
};

bool CheckBuiltInTable() {
  CheckAnimatedFieldTable(kFields);
  return true;
}

}  // namespace

std::span<const TAnimatedFieldDesk> AnimatedFields() {
  static const bool checked = CheckBuiltInTable();
  (void)checked;
  return kFields;
}

const TAnimatedFieldDesk& AnimatedField(int index) {
  return AnimatedFields()[size_t(index)];
}

std::span<const std::string_view> FieldGroupNames() {
  return kGroupNames;
}

std::optional<int> FindFieldGroup(std::string_view name) {
  for (size_t g = 0; g < kGroupNames.size(); ++g)
    if (EqualNoCase(name, kGroupNames[g])) return int(g);
  return std::nullopt;
}

std::optional<int> FindFieldByDottedName(std::string_view name) {
  const size_t dot = name.rfind('.');
  const std::optional<int> group = FindFieldGroup(dot == std::string_view::npos ? name : name.substr(0, dot));
  if (!group) return std::nullopt;
  for (const TAnimatedFieldDesk& field : AnimatedFields())
    if (field.group == *group && EqualNoCase(name, field.dottedName)) return field.index;
  return std::nullopt;
}

std::optional<TNodeVariable> FindNodeVariable(std::string_view name) {
  if (const std::optional<int> field = FindFieldByDottedName(name)) return TNodeVariable{false, *field};
  if (const std::optional<int> group = FindFieldGroup(name)) return TNodeVariable{true, *group};
  return std::nullopt;
}

void CheckAnimatedFieldTable(std::span<const TAnimatedFieldDesk> table) {
  std::set<std::string> commaLists;
  for (size_t i = 0; i < table.size(); ++i) {
    const TAnimatedFieldDesk& field = table[i];
    if (field.index != int(i)) ZOL_CHECK_FAILED("Invalid zol keyframe param index");
    if (field.unitMultiplier == 0) ZOL_CHECK_FAILED("Invalid keyframe Value multiplier");
    if (field.group < 0 || field.group >= kFieldGroupCount) ZOL_CHECK_FAILED("Invalid Group Range");
    if (field.component > 1) ZOL_CHECK_FAILED("Invalid keyframe comma list items");
    if (field.component >= 0) commaLists.insert(FoldCaseText(field.keyName));
  }
  if (commaLists != std::set<std::string>{"position", "centerpos"})
    ZOL_CHECK_FAILED("Invalid keyframe comma list items");
}

}  // namespace zol
