#include "text/unicode_class.h"

#include <hb.h>

namespace zol {
namespace {

hb_unicode_funcs_t* Funcs() {
  static hb_unicode_funcs_t* funcs = hb_unicode_funcs_get_default();
  return funcs;
}

}  // namespace

uint32_t ScriptOf(char32_t ch) {
  const hb_script_t script = hb_unicode_script(Funcs(), hb_codepoint_t(ch));
  if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN) return 0;
  return uint32_t(script);
}

bool ScriptIsRightToLeft(uint32_t script) {
  return script != 0 && hb_script_get_horizontal_direction(hb_script_t(script)) == HB_DIRECTION_RTL;
}

bool IsShapingControl(char32_t ch) {
  return ch == 0x200C || ch == 0x200D || ch == 0x200E || ch == 0x200F || ch == 0x034F ||
         (ch >= 0xFE00 && ch <= 0xFE0F) || (ch >= 0xE0100 && ch <= 0xE01EF) || (ch >= 0x202A && ch <= 0x202E) ||
         (ch >= 0x2066 && ch <= 0x2069);
}

TBidiClass BidiClassOf(char32_t ch) {
  if (ch == 0x200F) return TBidiClass::Right;  // RIGHT-TO-LEFT MARK
  if (ch == 0x200E) return TBidiClass::Left;   // LEFT-TO-RIGHT MARK
  if (IsShapingControl(ch)) return TBidiClass::Mark;
  switch (hb_unicode_general_category(Funcs(), hb_codepoint_t(ch))) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
      return TBidiClass::Mark;
    case HB_UNICODE_GENERAL_CATEGORY_DECIMAL_NUMBER:
      return TBidiClass::Number;
    case HB_UNICODE_GENERAL_CATEGORY_LOWERCASE_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_MODIFIER_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_OTHER_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_TITLECASE_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_UPPERCASE_LETTER:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_LETTER_NUMBER:
    case HB_UNICODE_GENERAL_CATEGORY_OTHER_NUMBER:
      return ScriptIsRightToLeft(ScriptOf(ch)) ? TBidiClass::Right : TBidiClass::Left;
    default:
      return TBidiClass::Neutral;
  }
}

}  // namespace zol
