// TKeyFrameModifier: a formula a key frame carries that replaces, for the
// interval starting at that key frame, one field group's time fraction or
// one field's value. The formula machinery derives from it and installs the
// factory that reads "Mod" objects; the key frame owns its modifiers. Read on
// the thread that loads the slide, evaluated on the one that plays it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "foundation/ref.h"

namespace zol {

class TIniObject;
class TZolObjectProps;

// What a modifier replaces: a group's fraction or a field's value.
struct TModifierDestination {
  bool group = false;
  int index = 0;
  friend bool operator==(const TModifierDestination&, const TModifierDestination&) = default;
};

// "Pos.T" (or "Pos.t") is the fraction of group Pos; "Pos.X" or "Opacity" a
// field, which must belong to the group its name starts with. Anything else
// names nothing.
std::optional<TModifierDestination> ParseModifierDestination(std::string_view dst);

class TKeyFrameModifier : public TRefObject {
 public:
  // The new fraction or value. The current one is read through the node's
  // variables, so a chain's later modifier sees the earlier one's result.
  virtual double Evaluate() = 0;
  // A disabled modifier leaves its destination alone.
  virtual bool Disabled() const { return false; }
  // Whether this modifier, made by an earlier read, still stands for OBJECT.
  virtual bool Accepts(const TIniObject& object) const = 0;
};

// Makes the modifier of a key frame's "Mod" OBJECT for NODE; none when it
// cannot be read (the modifier is then dropped).
using TModifierFactory = std::function<TRef<TKeyFrameModifier>(
    TZolObjectProps& node, const TIniObject& object, TModifierDestination destination)>;

// The process-wide factory, installed at start-up; returns the one replaced.
// Without a factory key frames keep their "Mod" objects unread.
TModifierFactory SetModifierFactory(TModifierFactory factory);
TModifierFactory ModifierFactory();

// A half-open range [first, last) of destination indices that have modifiers.
struct TModifierRange {
  uint8_t first = 0;
  uint8_t last = 0;

  bool Empty() const { return first >= last; }
  void Include(const TModifierRange& other) {
    if (other.Empty()) return;
    if (Empty()) {
      *this = other;
    } else {
      first = first < other.first ? first : other.first;
      last = last > other.last ? last : other.last;
    }
  }
  friend bool operator==(const TModifierRange&, const TModifierRange&) = default;
};

// Modifier chains by destination index, each applied in the order read.
class TModifierSlots {
 public:
  explicit TModifierSlots(int size) : chains_(size_t(size)) {}

  void Add(int index, TRef<TKeyFrameModifier> modifier);
  std::span<const TRef<TKeyFrameModifier>> Chain(int index) const;
  const TModifierRange& Range() const { return range_; }
  void Clear();

 private:
  std::vector<std::vector<TRef<TKeyFrameModifier>>> chains_;
  TModifierRange range_;
};

}  // namespace zol
