#include "model/zol_object.h"

#include "foundation/assertion.h"
#include "model/object_creator.h"
#include "model/slide_host.h"
#include "model/zol_slide.h"
#include "render/device_drawer.h"

namespace zol {

TZolObject::TZolObject(TZolObject* parent, TRef<TZolObjectProps> node)
    : TZolParams(std::move(node)), parent_(parent) {
  ZOL_CHECK(node_, "ZolObject without Props");
}

void TZolObject::Attach() {
  ZOL_CHECK(!node_->object_, "ZolObject Props already bound");
  node_->object_ = this;
  name_ = node_->Name();
  if (parent_) parent_->children_.emplace_back(this);
  SetDefaults();
}

void TZolObject::Dispose() {
  for (TRef<TZolObject>& child : children_) child->parent_ = nullptr;
  children_.clear();
  if (node_ && node_->object_ == this) node_->object_ = nullptr;
  parent_ = nullptr;
  TZolParams::Dispose();
}

bool TZolObject::IsChanged() {
  if (TZolParams::IsChanged() || node_->KeyFrames().Uncommitted()) return true;
  for (const TRef<TZolObject>& child : children_)
    if (child->IsChanged()) return true;
  return false;
}

float TZolObject::GetBlur() {
  return GetSlide().ContentSize().width * Blur();
}

float TZolObject::GetOpacity() {
  return GetSlide().SlideOpacity() * Opacity() / 100;
}

double TZolObject::GetAnchorTime(TTimeAnchor anchor) {
  return GetSlide().GetAnchorTime(anchor);
}

TSizeF TZolObject::GetParentSize() {
  return parent_ ? parent_->contentSize_ : contentSize_;
}

TObjectFrame TZolObject::GetParentFrame() {
  return parent_ ? parent_->frame_ : TObjectFrame();
}

void TZolObject::DrawSelf(TDeviceDrawer&) {}

void TZolObject::CreateChildren() {
  // The old list keeps every object alive until the new one is built, so
  // objects whose nodes stay are re-used rather than freed and made again.
  std::vector<TRef<TZolObject>> old = std::move(children_);
  children_.clear();
  for (const TRef<TZolObject>& child : old) child->parent_ = nullptr;
  for (const TRef<TZolObjectProps>& childNode : node_->Children()) {
    if (TZolObject* bound = childNode->Object()) {
      bound->parent_ = this;
      children_.emplace_back(bound);
      bound->Load(*childNode, true);
    } else if (TRef<TZolObject> made = CreateObject(childNode->Kind(), *this, *childNode)) {
      made->Load(*childNode, false);
    }
  }
}

void TZolObject::Load(TZolObjectProps& node, bool /*reuse*/) {
  ReadParams(node);
  CreateChildren();
}

bool TZolObject::Evaluate(bool recurse, double showTime) {
  TZolSlide& slide = GetSlide();
  const double start = slide.GetAnchorTime(TTimeAnchor::SlideBegin);
  node_->Evaluate(showTime - start, false);
  const double from = start + node_->DeltaTime1();
  const double to = slide.GetAnchorTime(TTimeAnchor::SlideEnd) - node_->DeltaTime2();
  const bool active = from - 0.00001 < showTime && showTime - to < 0.00001;
  if (active != active_) MarkGeometryChanged();
  active_ = active;
  if (recurse)
    for (const TRef<TZolObject>& child : children_) child->Evaluate(true, showTime);
  return active;
}

TZolSlideHost* TZolObject::GetHost() {
  return parent_ ? parent_->GetHost() : nullptr;
}

TZolSlide& TZolObject::GetSlide() {
  if (!parent_) ZOL_CHECK_FAILED("ZolObject root is not a ZolSlide");
  return parent_->GetSlide();
}

bool TZolObject::MayHit() {
  TZolSlideHost* host = GetHost();
  return !host || host->MayHit(*this);
}

void TZolObject::PrepareDevice(TDeviceDrawer& drawer) {
  if (!drawer.IsReady()) return;
  for (const TRef<TZolObject>& child : children_) child->PrepareDevice(drawer);
}

void TZolObject::PrepareAt(TDeviceDrawer& drawer, double showTime) {
  if (!drawer.IsReady()) return;
  for (const TRef<TZolObject>& child : children_) child->PrepareAt(drawer, showTime);
}

void TZolObject::ReleaseDevice(TDeviceDrawer& drawer) {
  for (const TRef<TZolObject>& child : children_) child->ReleaseDevice(drawer);
}

void TZolObject::Update(bool recurse, double showTime) {
  Evaluate(recurse, showTime);
  UpdateGeometry(recurse);
}

void TZolObject::Commit(bool recurse) {
  snapshot_ = {GetOpacity(), GetBlur(), DrawRect(), ColorFraction()};
  SetChanged(0, 0);
  SetChanged(1, 0);
  node_->KeyFrames().Commit();
  if (recurse)
    for (const TRef<TZolObject>& child : children_) child->Commit(true);
}

void TZolObject::SetContentSize(TSizeF size) {
  // A negative or unreadable size from the project text is no size.
  if (!(size.width > 0)) size.width = 0;
  if (!(size.height > 0)) size.height = 0;
  if (size == contentSize_) return;
  contentSize_ = size;
  MarkGeometryChanged();
}

}  // namespace zol
