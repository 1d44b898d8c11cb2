// Computing a node's field values at a time from its key frames
// (TZolObjectProps::Evaluate).
#include <algorithm>
#include <cmath>
#include <exception>

#include "model/zol_object_props.h"

namespace zol {
namespace {

// A modifier that fails yields 0 for this evaluation, like a formula whose
// arithmetic faults; the slide keeps playing.
double RunModifier(TKeyFrameModifier& modifier) {
  try {
    return modifier.Evaluate();
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace

void TZolObjectProps::Evaluate(double t, bool recurse) {
  EvaluateSelf(t);
  if (!recurse) return;
  for (const TRef<TZolObjectProps>& child : children_) child->Evaluate(t, true);
}

void TZolObjectProps::EvaluateSelf(double t) {
  time_ = t;
  if (keyFrames_.Count() >= 2)
    EvaluateMany(t);
  else if (keyFrames_.Count() == 1)
    EvaluateSingle(t);
  // Without key frames the values stay as read or as set from outside.
}

void TZolObjectProps::EvaluateMany(double t) {
  if (TracksStale()) PrepareTracks();
  const double slideEnd = timing_.slideEnd;
  // Written so that a negative slide end or a NaN time lands on 0.
  t = std::max(0.0, std::min(t, slideEnd));
  const auto keys = keyFrames_.Items();
  for (int group = 0; group < kFieldGroupCount; ++group)
    SeekTrack(tracks_[size_t(group)], group, keys, t, slideEnd);

  for (int group = groupModRange_.first; group < groupModRange_.last; ++group) {
    const TGroupTrack& track = tracks_[size_t(group)];
    if (track.Defined()) ApplyGroupModifiers(*keys[size_t(track.previous)], group);
  }
  for (int field = 0; field < kAnimatedFieldCount; ++field)
    values_[size_t(field)] = float(Interpolate(field));
  for (int field = fieldModRange_.first; field < fieldModRange_.last; ++field) {
    const TGroupTrack& track = tracks_[size_t(AnimatedField(field).group)];
    if (track.Defined()) ApplyFieldModifiers(*keys[size_t(track.previous)], field);
  }
}

double TZolObjectProps::Interpolate(int field) const {
  const TAnimatedFieldDesk& desk = AnimatedField(field);
  const TGroupTrack& track = tracks_[size_t(desk.group)];
  if (!track.Defined()) return desk.defaultValue;
  const TZolKeyFrame& from = keyFrames_[track.previous];
  const double a = from.GetKeyValue(field);
  if (track.previous >= track.next) return a;
  const TZolKeyFrame& to = keyFrames_[track.next];
  const double b = to.GetKeyValue(field);
  const double fraction = track.fraction;

  if ((field == kFieldFrameX || field == kFieldFrameY) && std::fabs(a - b) > 0.0001) {
    const double zoomA = from.GetKeyValue(kFieldFrameS);
    const double zoomB = to.GetKeyValue(kFieldFrameS);
    if (std::fabs(zoomA - zoomB) > 0.0001) {
      // An offset moves the visible part by a share of the free margin, which
      // grows with the zoom. Interpolating offset x margin instead of the
      // offset keeps the picture point under the frame centre moving straight.
      const double c = field == kFieldFrameX ? aspectX_ : aspectY_;
      const double d = values_[kFieldFrameS] * c - 1;
      if (d > 0) return ((zoomA * c - 1) * a + ((zoomB * c - 1) * b - (zoomA * c - 1) * a) * fraction) / d;
    }
  }
  return a + (b - a) * fraction;
}

void TZolObjectProps::EvaluateSingle(double t) {
  const TZolKeyFrame& key = keyFrames_[0];
  const double slideEnd = timing_.slideEnd;
  const bool changed = TracksStale();
  const bool runsToEnd = key.HasModifiers() && slideEnd - key.Time() > 0.0001;
  // Unchanged and without modifiers the values stay as they are, so values
  // set from outside (the slide root's scale) are not overwritten each frame.
  if (!changed && !runsToEnd) return;
  if (changed) {
    ResetTracks();
    CollectModifierRanges();
    tracksPreparedFor_ = keyFrames_.ChangeCounter();
  }
  TGroupTrack& color = tracks_[kGroupColor];
  color.first = color.previous = color.next = 0;
  color.last = key.HasGroup(kGroupColor) ? 0 : -1;

  t = std::max(0.0, std::min(t, slideEnd));
  const bool modified = key.HasModifiers() && t > key.Time();
  if (modified) {
    const double fraction = (t - key.Time()) * InverseSpan(slideEnd - key.Time());
    for (int group = 0; group < kFieldGroupCount; ++group)
      if (key.HasGroup(group)) tracks_[size_t(group)].fraction = fraction;
    const TModifierRange& groups = key.GroupModifiers().Range();
    for (int group = groups.first; group < groups.last; ++group) ApplyGroupModifiers(key, group);
  }
  for (int field = 0; field < kAnimatedFieldCount; ++field)
    values_[size_t(field)] = float(key.GetKeyValue(field));
  if (modified) {
    const TModifierRange& fields = key.FieldModifiers().Range();
    for (int field = fields.first; field < fields.last; ++field) ApplyFieldModifiers(key, field);
  }
}

void TZolObjectProps::ApplyGroupModifiers(const TZolKeyFrame& key, int group) {
  for (const TRef<TKeyFrameModifier>& modifier : key.GroupModifiers().Chain(group))
    if (!modifier->Disabled()) tracks_[size_t(group)].fraction = RunModifier(*modifier);
}

void TZolObjectProps::ApplyFieldModifiers(const TZolKeyFrame& key, int field) {
  for (const TRef<TKeyFrameModifier>& modifier : key.FieldModifiers().Chain(field))
    if (!modifier->Disabled()) values_[size_t(field)] = float(RunModifier(*modifier));
}

}  // namespace zol
