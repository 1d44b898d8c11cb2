// What the line shaper needs to know of a character: its script, whether
// that script runs right to left, and its broad bidirectional class, from
// HarfBuzz's Unicode tables. Pure functions; any thread.
#pragma once

#include <cstdint>

namespace zol {

enum class TBidiClass : uint8_t {
  Left,     // strong left-to-right: letters of left-to-right scripts
  Right,    // strong right-to-left: letters of Hebrew, Arabic and the like
  Number,   // digits
  Mark,     // combining marks and joiners: take the class before them
  Neutral,  // spaces, punctuation, symbols
};

// The ISO 15924 tag of CH's script; 0 for characters common to all scripts
// (spaces, punctuation, digits) and inherited ones (combining marks).
uint32_t ScriptOf(char32_t ch);
bool ScriptIsRightToLeft(uint32_t script);
TBidiClass BidiClassOf(char32_t ch);
// Characters that draw nothing and only steer shaping (joiners, variation
// selectors, direction marks): they stay with the font before them.
bool IsShapingControl(char32_t ch);

}  // namespace zol
