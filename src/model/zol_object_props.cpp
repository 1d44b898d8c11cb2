#include "model/zol_object_props.h"

namespace zol {

TZolObjectProps::TZolObjectProps(TZolObjectProps* parent) : parent_(parent) {
  for (const TAnimatedFieldDesk& field : AnimatedFields()) values_[size_t(field.index)] = field.defaultValue;
}

void TZolObjectProps::SetAspectFactors(bool enableAspect, double aspect, int width, int height) {
  aspectX_ = aspectY_ = 0.01f;
  if (!enableAspect || !(aspect > 0) || width <= 0 || height <= 0) return;
  // The forced aspect cuts the picture: the free margin of the shorter side
  // grows, and offsets along it must cover the larger margin.
  if (aspect < double(width) / height)
    aspectX_ = float(width / (aspect * height) * 0.01);
  else
    aspectY_ = float(height * (aspect / width) * 0.01);
}

void TZolObjectProps::ResetTracks() {
  for (TGroupTrack& track : tracks_) track.Reset();
  tracksPreparedFor_.reset();
}

void TZolObjectProps::CollectModifierRanges() {
  groupModRange_ = {};
  fieldModRange_ = {};
  for (const TRef<TZolKeyFrame>& key : keyFrames_.Items()) {
    groupModRange_.Include(key->GroupModifiers().Range());
    fieldModRange_.Include(key->FieldModifiers().Range());
  }
}

void TZolObjectProps::PrepareTracks() {
  for (int group = 0; group < kFieldGroupCount; ++group)
    PrepareTrack(tracks_[size_t(group)], group, keyFrames_.Items());
  CollectModifierRanges();
  tracksPreparedFor_ = keyFrames_.ChangeCounter();
}

void TZolObjectProps::Detach() {
  parent_ = nullptr;
  index_ = 0;
}

void TZolObjectProps::Dispose() {
  for (TRef<TZolObjectProps>& child : children_) child->Detach();
  children_.clear();
  keyFrames_.Clear();
  source_ = nullptr;
  TRefObject::Dispose();
}

}  // namespace zol
