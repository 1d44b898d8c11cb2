#include <gtest/gtest.h>

#include <array>
#include <string>

#include "foundation/assertion.h"
#include "model/object_kinds.h"

namespace zol {
namespace {

TEST(ObjectKinds, TypeNamesMapToKinds) {
  struct TCase {
    std::string_view name;
    TZolObjectKind kind;
  };
  const TCase cases[] = {
      {"Frame", TZolObjectKind::Frame},
      {"box", TZolObjectKind::Box},
      {"Splitter", TZolObjectKind::Splitter},
      {"Image", TZolObjectKind::Image},
      {"ANIIMAGE", TZolObjectKind::AniImage},
      {"Text", TZolObjectKind::Text},
      {"BUTTON", TZolObjectKind::Button},
      {"Video", TZolObjectKind::Video},
      {"viewport", TZolObjectKind::Viewport},
      {"ViewPort", TZolObjectKind::Viewport},
      {"MaskStencil", TZolObjectKind::MaskStencil},
      {"maskcontent", TZolObjectKind::MaskContent},
      // The long s folds to "s": the name is the same word.
      {"\xC5\xBFplitter", TZolObjectKind::Splitter},
      // Whole names only.
      {"Boxes", TZolObjectKind::Unknown},
      {"Bo", TZolObjectKind::Unknown},
      {"Root", TZolObjectKind::Unknown},
      {"KeyPoint", TZolObjectKind::Unknown},
      {"", TZolObjectKind::Unknown},
      {" Box", TZolObjectKind::Unknown},
      {"Mask", TZolObjectKind::Unknown},
      {"Widget", TZolObjectKind::Unknown},
  };
  for (const TCase& c : cases) EXPECT_EQ(ObjectKindFromTypeName(c.name), c.kind) << c.name;
}

TEST(ObjectKinds, EveryTableNameMapsBackToItsCode) {
  const auto names = ObjectTypeNames();
  ASSERT_EQ(names.size(), size_t(kObjectKindCount));
  for (int code = 1; code < kObjectKindCount; ++code)
    EXPECT_EQ(ObjectKindFromTypeName(names[size_t(code)]), TZolObjectKind(code)) << names[size_t(code)];
  EXPECT_EQ(ObjectTypeName(TZolObjectKind::Viewport), "ViewPort");
  EXPECT_EQ(ObjectTypeName(TZolObjectKind(200)), "");
  EXPECT_NO_THROW(CheckObjectTypeTable(names));
}

TEST(ObjectKinds, TableCheckRefusesMisplacedNames) {
  std::array<std::string_view, kObjectKindCount> table;
  for (size_t i = 0; i < table.size(); ++i) table[i] = ObjectTypeNames()[i];
  std::swap(table[1], table[2]);  // "Box" where "Frame" belongs
  EXPECT_THROW(CheckObjectTypeTable(table), EAssertion);
  table = {};
  table[3] = "Gadget";  // a name the look-up does not know
  EXPECT_THROW(CheckObjectTypeTable(table), EAssertion);
  table = {};
  EXPECT_NO_THROW(CheckObjectTypeTable(table)) << "empty names are not checked";
}

}  // namespace
}  // namespace zol
