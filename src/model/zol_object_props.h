// TZolObjectProps: the animation node of one show object: its key frames,
// the current values of its animated fields and its timing window. Nodes form
// the slide's animation tree, keyed by GUID so that a re-read keeps them (and
// the runtime objects bound to them). A node owns its children and key
// frames; the slide owns the root. Built on the thread that loads the slide,
// then used by the thread that plays it, one at a time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/ini_object.h"
#include "foundation/ref.h"
#include "model/animated_fields.h"
#include "model/key_frame_array.h"
#include "model/key_frame_modifier.h"
#include "model/key_frame_track.h"
#include "model/object_kinds.h"
#include "model/object_timing.h"

namespace zol {

class TZolObject;

class TZolObjectProps : public TRefObject {
 public:
  // A node under PARENT (none for a slide's root).
  explicit TZolObjectProps(TZolObjectProps* parent = nullptr);

  // Builds or refreshes this node and its subtree from OBJECT: children are
  // matched to the existing nodes by GUID, key frames by position. Raises the
  // internal-check failure "ZolObject GUID not Assigned" for a child object
  // without GUID.
  void ReadTree(TRef<TIniObject> object, const TObjectTiming& timing);

  // Computes the field values at T (milliseconds from the slide start) from
  // the key frames, and the same for every descendant when RECURSE.
  void Evaluate(double t, bool recurse);

  // Puts the tree on another slide timing: DeltaTime1/2 and key-frame times
  // are multiplied by FACTOR (below 0.0001 counts as 1) and rounded to whole
  // milliseconds. RESCALED is remembered for the kinds that ask.
  void RescaleTimes(const TObjectTiming& timing, bool rescaled, double factor);

  // The image frame's aspect factors for a picture of WIDTH x HEIGHT: 0.01
  // each unless ENABLEASPECT forces ASPECT (width / height) on it.
  void SetAspectFactors(bool enableAspect, double aspect, int width, int height);
  float AspectFactorX() const { return aspectX_; }
  float AspectFactorY() const { return aspectY_; }

  // Tree.
  TZolObjectProps* Parent() const { return parent_; }
  int Index() const { return index_; }
  int ChildCount() const { return int(children_.size()); }
  TZolObjectProps& Child(int index) const { return *children_[size_t(index)]; }
  std::span<const TRef<TZolObjectProps>> Children() const { return children_; }

  // What was read.
  TIniObject* Source() const { return source_.get(); }
  const std::string& Guid() const { return guid_; }
  const std::string& Name() const { return name_; }
  TZolObjectKind Kind() const { return kind_; }
  double DeltaTime1() const { return deltaTime1_; }
  double DeltaTime2() const { return deltaTime2_; }
  bool TreeNode() const { return treeNode_; }
  const TObjectTiming& Timing() const { return timing_; }
  bool TimesRescaled() const { return timesRescaled_; }

  // Key frames and their tracks.
  TZolKeyFrameArray& KeyFrames() { return keyFrames_; }
  const TZolKeyFrameArray& KeyFrames() const { return keyFrames_; }
  const TGroupTrack& Track(int group) const { return tracks_[size_t(group)]; }
  const TModifierRange& GroupModifierRange() const { return groupModRange_; }
  const TModifierRange& FieldModifierRange() const { return fieldModRange_; }

  // Current values. Setting them from outside (the producer scales the slide
  // root) holds until key frames of the field's group overwrite them.
  float FieldValue(int field) const { return values_[size_t(field)]; }
  void SetFieldValue(int field, float value) { values_[size_t(field)] = value; }
  double GroupFraction(int group) const { return tracks_[size_t(group)].fraction; }
  void SetGroupFraction(int group, double fraction) { tracks_[size_t(group)].fraction = fraction; }
  // Milliseconds from the slide start of the last evaluation.
  double Time() const { return time_; }

  // The runtime object bound to this node, if any.
  TZolObject* Object() const { return object_; }

 protected:
  void Dispose() override;

 private:
  friend class TZolObject;

  void ReadOwnItems();
  void ReadChildren();
  void ResetTracks();
  bool TracksStale() const { return tracksPreparedFor_ != keyFrames_.ChangeCounter(); }
  void PrepareTracks();
  void CollectModifierRanges();
  void EvaluateSelf(double t);
  void EvaluateMany(double t);
  void EvaluateSingle(double t);
  void ApplyGroupModifiers(const TZolKeyFrame& key, int group);
  void ApplyFieldModifiers(const TZolKeyFrame& key, int field);
  double Interpolate(int field) const;
  void Detach();

  std::vector<TRef<TZolObjectProps>> children_;
  TRef<TIniObject> source_;
  std::string guid_;
  std::string name_;
  TZolObjectKind kind_ = TZolObjectKind::Unknown;
  TZolObjectProps* parent_;  // the owner; cleared when this node leaves it
  int index_ = 0;
  TZolKeyFrameArray keyFrames_;
  // The key-frame change counter the tracks were prepared for; none after a reset.
  std::optional<uint32_t> tracksPreparedFor_;
  std::array<TGroupTrack, kFieldGroupCount> tracks_;
  std::array<float, kAnimatedFieldCount> values_{};
  double time_ = 0;
  TObjectTiming timing_;
  TModifierRange groupModRange_;
  TModifierRange fieldModRange_;
  bool timesRescaled_ = false;
  bool treeNode_ = true;
  float aspectX_ = 0.01f;
  float aspectY_ = 0.01f;
  TZolObject* object_ = nullptr;  // not owned: the object holds this node
  double deltaTime1_ = 0;
  double deltaTime2_ = 0;
};

}  // namespace zol
