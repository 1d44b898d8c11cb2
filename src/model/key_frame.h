// TZolKeyFrame: one "KeyPoint" of an object: its anchored time, the field
// groups it defines, its field values, and the modifiers and colour filters
// it carries. Owned by its node's key-frame list; read on the thread that
// loads the slide, then read-only on the one that plays it (SetKeyValue runs
// while a slide loads).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "foundation/ini_object.h"
#include "foundation/ref.h"
#include "model/animated_fields.h"
#include "model/key_frame_modifier.h"
#include "model/object_kinds.h"
#include "model/object_timing.h"

namespace zol {

class TZolObjectProps;

class TZolKeyFrame : public TRefObject {
 public:
  TZolKeyFrame(TZolObjectProps* node, int index);

  // Reads OBJECT (a "KeyPoint") of a node of KIND read with TIMING. Modifiers
  // of the previous read that still match their objects are kept.
  void Read(TRef<TIniObject> object, TZolObjectKind kind, const TObjectTiming& timing);

  // The key frame's value of FIELD; the field's default when the key frame
  // does not define the field's group (DEFINED then false) or lacks the item.
  double GetKeyValue(int field, bool* defined = nullptr) const;
  // Writes VALUE into the key frame's item (only the one component of a comma
  // list) and sets the field's group bit in "grps".
  void SetKeyValue(int field, double value);

  // Milliseconds relative to the slide start, anchor included.
  double Time() const { return time_; }
  void SetTime(double time) { time_ = time; }
  TTimeAnchor Anchor() const { return anchor_; }
  uint32_t GroupMask() const { return groupMask_; }
  bool HasGroup(int group) const { return (groupMask_ & GroupBit(group)) != 0; }

  TZolObjectProps* Node() const { return node_; }
  int Index() const { return index_; }
  TIniObject* Source() const { return source_.get(); }

  // Group modifiers by group, field modifiers by field.
  const TModifierSlots& GroupModifiers() const { return groupModifiers_; }
  const TModifierSlots& FieldModifiers() const { return fieldModifiers_; }
  bool HasModifiers() const { return !groupModifiers_.Range().Empty() || !fieldModifiers_.Range().Empty(); }
  // The "Mod" and "Filter" objects as read, in order, for the parts that
  // interpret them (the modifier factory, the colour grading).
  std::span<const TRef<TIniObject>> ModifierObjects() const { return modifierObjects_; }
  std::span<const TRef<TIniObject>> FilterObjects() const { return filterObjects_; }

 protected:
  void Dispose() override;

 private:
  friend class TZolKeyFrameArray;

  void ReadGroupMask();
  void ReadValues();
  void ReadModifiers();
  void SetPlace(TZolObjectProps* node, int index) {
    node_ = node;
    index_ = index;
  }

  TZolObjectProps* node_;  // the owner; cleared when the key frame leaves it
  int index_;
  TRef<TIniObject> source_;
  TZolObjectKind kind_ = TZolObjectKind::Unknown;
  double time_ = 0;
  TTimeAnchor anchor_ = TTimeAnchor::SlideBegin;
  std::vector<std::string> positionList_;
  std::vector<std::string> centerList_;
  uint32_t groupMask_ = 0;
  // Values of every field as stored, defaults for absent items; GetKeyValue
  // applies the group mask. Cached because they are read for every frame.
  std::array<float, kAnimatedFieldCount> values_{};
  TModifierSlots groupModifiers_{kFieldGroupCount};
  TModifierSlots fieldModifiers_{kAnimatedFieldCount};
  std::vector<TRef<TIniObject>> modifierObjects_;
  std::vector<TRef<TIniObject>> filterObjects_;
};

}  // namespace zol
