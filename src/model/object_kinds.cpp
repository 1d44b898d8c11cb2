#include "model/object_kinds.h"

#include <array>
#include <string>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"

namespace zol {
namespace {

constexpr std::array<std::string_view, kObjectKindCount> kTypeNames = {
    "",     "Frame",  "Box",   "Splitter", "Image",       "AniImage",
    "Text", "Button", "Video", "ViewPort", "MaskStencil", "MaskContent",
};

// Switching on the first letter keeps the lookup to one or two comparisons;
// every project object goes through here on each slide load.
TZolObjectKind Lookup(std::string_view typeName) {
  if (typeName.empty()) return TZolObjectKind::Unknown;
  // Folding the whole name keeps the first-letter switch correct for
  // characters whose folded form is an ASCII letter (the long s, the Kelvin sign).
  const std::string folded = FoldCaseText(typeName);
  auto is = [&](TZolObjectKind kind) {
    return EqualNoCase(folded, kTypeNames[size_t(kind)]) ? kind : TZolObjectKind::Unknown;
  };
  auto either = [&](TZolObjectKind a, TZolObjectKind b) {
    TZolObjectKind found = is(a);
    return found != TZolObjectKind::Unknown ? found : is(b);
  };
  switch (folded[0]) {
    case 'a':
      return is(TZolObjectKind::AniImage);
    case 'b':
      return either(TZolObjectKind::Box, TZolObjectKind::Button);
    case 'f':
      return is(TZolObjectKind::Frame);
    case 'i':
      return is(TZolObjectKind::Image);
    case 'm':
      return either(TZolObjectKind::MaskStencil, TZolObjectKind::MaskContent);
    case 's':
      return is(TZolObjectKind::Splitter);
    case 't':
      return is(TZolObjectKind::Text);
    case 'v':
      return either(TZolObjectKind::Video, TZolObjectKind::Viewport);
    default:
      return TZolObjectKind::Unknown;
  }
}

bool CheckBuiltInTable() {
  CheckObjectTypeTable(kTypeNames);
  return true;
}

}  // namespace

std::span<const std::string_view> ObjectTypeNames() {
  return kTypeNames;
}

TZolObjectKind ObjectKindFromTypeName(std::string_view typeName) {
  static const bool checked = CheckBuiltInTable();
  (void)checked;
  return Lookup(typeName);
}

std::string_view ObjectTypeName(TZolObjectKind kind) {
  const size_t code = size_t(kind);
  return code < kTypeNames.size() ? kTypeNames[code] : std::string_view();
}

void CheckObjectTypeTable(std::span<const std::string_view> table) {
  for (size_t code = 0; code < table.size(); ++code) {
    if (table[code].empty()) continue;
    if (size_t(Lookup(table[code])) != code)
      ZOL_CHECK_FAILED("Invalid zol object type table: \"" + std::string(table[code]) + "\"");
  }
}

}  // namespace zol
