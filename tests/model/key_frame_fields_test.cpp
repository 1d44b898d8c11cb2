#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "foundation/assertion.h"
#include "model/animated_fields.h"
#include "model/key_frame_modifier.h"

namespace zol {
namespace {

std::vector<TAnimatedFieldDesk> FieldTable() {
  return {AnimatedFields().begin(), AnimatedFields().end()};
}

TEST(AnimatedFields, TableRowsMatchTheirPlaces) {
  const auto fields = AnimatedFields();
  ASSERT_EQ(fields.size(), size_t(kAnimatedFieldCount));
  for (int i = 0; i < kAnimatedFieldCount; ++i) EXPECT_EQ(fields[size_t(i)].index, i);
  EXPECT_EQ(AnimatedField(kFieldAngleY).unitMultiplier, 1.0 / 360);
  EXPECT_EQ(AnimatedField(kFieldFrameS).keyName, "Zoom");
  EXPECT_EQ(AnimatedField(kFieldCenterY).component, 1);
  EXPECT_EQ(FieldGroupNames()[kGroupColor], "Color");
  EXPECT_NO_THROW(CheckAnimatedFieldTable(fields));
}

TEST(AnimatedFields, TableCheckNamesTheBrokenRule) {
  struct TCase {
    const char* what;
    void (*spoil)(std::vector<TAnimatedFieldDesk>&);
    std::string text;
  };
  const TCase cases[] = {
      {"index", [](auto& t) { t[3].index = 4; }, "Invalid zol keyframe param index"},
      {"multiplier", [](auto& t) { t[6].unitMultiplier = 0; }, "Invalid keyframe Value multiplier"},
      {"group high", [](auto& t) { t[0].group = 8; }, "Invalid Group Range"},
      {"group low", [](auto& t) { t[0].group = -1; }, "Invalid Group Range"},
      {"third list", [](auto& t) { t[0].component = 0; }, "Invalid keyframe comma list items"},
      {"one list", [](auto& t) { t[9].component = t[10].component = -1; },
       "Invalid keyframe comma list items"},
  };
  for (const TCase& c : cases) {
    std::vector<TAnimatedFieldDesk> table = FieldTable();
    c.spoil(table);
    try {
      CheckAnimatedFieldTable(table);
      ADD_FAILURE() << c.what << " passed";
    } catch (const EAssertion& e) {
      EXPECT_NE(std::string(e.what()).find(c.text), std::string::npos) << c.what << ": " << e.what();
    }
  }
}

TEST(AnimatedFields, NamesFindGroupsAndFields) {
  struct TCase {
    std::string_view name;
    std::optional<int> field;
  };
  const TCase fields[] = {
      {"Pos.X", kFieldPosX},
      {"pos.y", kFieldPosY},
      {"Opacity", kFieldOpacity},
      {"FRAME.S", kFieldFrameS},
      {"Angle", kFieldAngle},
      {"Angle.Y", kFieldAngleY},
      {"Blur", kFieldBlur},
      // The group part must be the field's own group.
      {"Scale.Z", std::nullopt},
      {"Pos", std::nullopt},
      {"Color", std::nullopt},
      {"Frame.X.Y", std::nullopt},
      {"", std::nullopt},
      {".X", std::nullopt},
  };
  for (const TCase& c : fields) EXPECT_EQ(FindFieldByDottedName(c.name), c.field) << c.name;
  EXPECT_EQ(FindFieldGroup("center"), kGroupCenter);
  EXPECT_EQ(FindFieldGroup("Centre"), std::nullopt);
}

TEST(AnimatedFields, NodeVariables) {
  struct TCase {
    std::string_view name;
    std::optional<TNodeVariable> want;
  };
  const TCase cases[] = {
      {"Pos.X", TNodeVariable{false, kFieldPosX}},
      {"Pos", TNodeVariable{true, kGroupPos}},
      {"Opacity", TNodeVariable{false, kFieldOpacity}},
      {"blur", TNodeVariable{false, kFieldBlur}},
      {"Color", TNodeVariable{true, kGroupColor}},
      {"Frame", TNodeVariable{true, kGroupFrame}},
      {"Pos.T", std::nullopt},
      {"value", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(FindNodeVariable(c.name), c.want) << c.name;
}

TEST(AnimatedFields, ModifierDestinations) {
  struct TCase {
    std::string_view dst;
    std::optional<TModifierDestination> want;
  };
  const TCase cases[] = {
      {"Pos.T", TModifierDestination{true, kGroupPos}},
      {"color.t", TModifierDestination{true, kGroupColor}},
      {"Opacity", TModifierDestination{false, kFieldOpacity}},
      {"Opacity.T", TModifierDestination{true, kGroupOpacity}},
      {"Pos.X", TModifierDestination{false, kFieldPosX}},
      {"Frame.S", TModifierDestination{false, kFieldFrameS}},
      {"Pos.Tx", std::nullopt},
      {"Pos.Q", std::nullopt},
      {"Pos", std::nullopt},
      {"Nothing.T", std::nullopt},
      {"T", std::nullopt},
      {"", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseModifierDestination(c.dst), c.want) << c.dst;
}

}  // namespace
}  // namespace zol
