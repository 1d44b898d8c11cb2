#include "model/zol_slide.h"

#include <cmath>
#include <string>

#include "foundation/assertion.h"
#include "foundation/case_fold.h"

namespace zol {

TRef<TZolSlide> TZolSlide::Create(TRef<TZolSlideHost> host) {
  return Make<TZolSlide>(nullptr, MakeRef<TZolObjectProps>(), std::move(host));
}

TZolSlide::TZolSlide(TZolObject* parent, TRef<TZolObjectProps> root, TRef<TZolSlideHost> host)
    : TZolObject(parent, std::move(root)), host_(std::move(host)) {}

void TZolSlide::SetTimes(double begin, double nextBegin, double incoming, double outgoing) {
  begin_ = begin;
  nextBegin_ = nextBegin;
  incoming_ = incoming;
  outgoing_ = outgoing;
}

TObjectTiming TZolSlide::TreeTiming() const {
  const double outgoing = std::round(outgoing_);
  return {int32_t(std::round(nextBegin_ - begin_) + outgoing), int32_t(std::round(incoming_)),
          int32_t(outgoing)};
}

void TZolSlide::ReadObjects(const TIniList& section, const TObjectTiming& timing) {
  TRef<TIniObject> root;
  for (int i = 0; i < section.ObjectCount() && !root; ++i)
    if (EqualNoCase(section.ObjectAt(i)->Type(), "Root")) root = TRef<TIniObject>(section.ObjectAt(i));
  // A slide without objects reads an empty root; the shared project text is
  // left as it is.
  if (!root) root = MakeRef<TIniObject>("Container", "Root");
  prescanDone_ = false;
  Node().ReadTree(std::move(root), timing);
  SetName(Node().Name());
  CreateChildren();
  MarkChanged();
}

double TZolSlide::GetAnchorTime(TTimeAnchor anchor) {
  switch (anchor) {
    case TTimeAnchor::SlideBegin:
      return begin_;
    case TTimeAnchor::PrevEffectEnd:
      return begin_ + incoming_;
    case TTimeAnchor::NextEffectBegin:
      return nextBegin_;
    case TTimeAnchor::SlideEnd:
      return nextBegin_ + outgoing_;
  }
  ZOL_CHECK_FAILED("Invalid slide time anchor " + std::to_string(int(anchor)));
}

TObjectFrame TZolSlide::GetParentFrame() {
  return TObjectFrame::At({cameraCentre_.x, cameraCentre_.y, 0});
}

bool TZolSlide::Evaluate(bool recurse, double showTime) {
  slideTime_ = showTime - begin_;
  return TZolObject::Evaluate(recurse, showTime);
}

void TZolSlide::Update(bool recurse, double showTime) {
  if (showTime == lastUpdate_ && !capturing_ && !IsChanged()) return;
  lastUpdate_ = showTime;
  TZolObject::Update(recurse, showTime);
}

bool TZolSlide::UpdateGeometry(bool recurse) {
  const double cameraDistance = host_ ? -double(host_->CameraPosition().z) : -TZolSlideHost::kDefaultCamera.z;
  const double height = ContentSize().height * std::fabs(ScaleY()) / 100;
  depthFactor_ = cameraDistance > 0 && height > 0 ? float(cameraDistance * 0.5 / height) : 0.5f;
  if (!prescanDone_ && !prescanRunning_) RunSizePrescan();
  return TZolObject::UpdateGeometry(recurse);
}

void TZolSlide::Dispose() {
  host_ = nullptr;
  TZolObject::Dispose();
}

}  // namespace zol
