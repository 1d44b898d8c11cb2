// Reading an animation tree from the project text (TZolObjectProps::ReadTree).
#include <optional>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"
#include "foundation/ini_value.h"
#include "model/object_side_list.h"
#include "model/zol_object_props.h"

namespace zol {

void TZolObjectProps::ReadTree(TRef<TIniObject> object, const TObjectTiming& timing) {
  if (!object) return;
  source_ = std::move(object);
  timing_ = timing;
  ReadOwnItems();
  ReadChildren();

  keyFrames_.MarkChanged();
  ResetTracks();
  CollectModifierRanges();
  for (const TAnimatedFieldDesk& field : AnimatedFields())
    values_[size_t(field.index)] =
        keyFrames_.Empty() ? field.defaultValue : float(keyFrames_[0].GetKeyValue(field.index));
  time_ = 0;
  EvaluateSelf(0);
}

void TZolObjectProps::ReadOwnItems() {
  name_ = source_->Name();
  guid_ = AsString(source_->Find("GUID"));
  kind_ = ObjectKindFromTypeName(source_->Type());
  if (kind_ == TZolObjectKind::Image && AsBool(source_->Find("AnimEnable"), false))
    kind_ = TZolObjectKind::AniImage;
  deltaTime1_ = AsInt(source_->Find("DeltaTime1"), 0);
  deltaTime2_ = AsInt(source_->Find("DeltaTime2"), 0);
  treeNode_ = AsInt(source_->Find("TreeNode"), 1) != 0;
}

void TZolObjectProps::ReadChildren() {
  // The old children stay referenced until the end, so a failure half-way
  // (an object without GUID) leaves the previous child list in place.
  const std::vector<TRef<TZolObjectProps>> old = children_;
  std::vector<TRef<TZolObjectProps>> fresh;
  size_t position = 0;
  // Made at the first child that is not where it was: a reordered or edited
  // slide is then matched by GUID instead of by position.
  std::optional<TObjectSideList> side;
  int keyCount = 0;

  for (TIniObject* child = source_->FirstObject(); child; child = child->NextObject()) {
    if (EqualNoCase(child->Type(), "KeyPoint")) {
      keyFrames_.Take(this, keyCount++).Read(TRef<TIniObject>(child), kind_, timing_);
      continue;
    }
    const std::string guid = AsString(child->Find("GUID"));
    if (guid.empty()) ZOL_CHECK_FAILED("ZolObject GUID not Assigned");
    TRef<TZolObjectProps> node;
    if (!side && position < old.size() && old[position]->Guid() == guid) {
      node = old[position++];
    } else {
      if (!side)
        side.emplace(std::vector<TRef<TZolObjectProps>>(old.begin() + std::ptrdiff_t(position), old.end()));
      node = side->Take(guid);
    }
    if (!node) node = MakeRef<TZolObjectProps>(this);
    node->parent_ = this;
    node->index_ = int(fresh.size());
    fresh.push_back(node);
    node->ReadTree(TRef<TIniObject>(child), timing_);
  }

  for (const TRef<TZolObjectProps>& node : old) {
    const bool kept = size_t(node->index_) < fresh.size() && fresh[size_t(node->index_)] == node;
    if (!kept) node->Detach();
  }
  children_ = std::move(fresh);
  keyFrames_.Truncate(keyCount);
  keyFrames_.SortByTime();
}

}  // namespace zol
