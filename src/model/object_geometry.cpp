// Placing an object in space (TZolObject::UpdateGeometry), its facing, and
// the largest displayed size the slide's pre-scan collects.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "model/slide_host.h"
#include "model/vector3.h"
#include "model/zol_object.h"
#include "model/zol_slide.h"

namespace zol {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// Below this the object's plane has collapsed to a line or a point.
constexpr double kDegenerateArea = 1e-24;

TPoint3F WithDepth(TPoint3F axis, float depthFactor) {
  return {axis.x, axis.y, axis.z * depthFactor};
}

}  // namespace

std::pair<double, double> TZolObject::ScaleFactors(TSizeF parentSize) {
  const double pw = parentSize.width, ph = parentSize.height;
  const double sw = contentSize_.width, sh = contentSize_.height;
  double k = 1;  // FitMode None: the content keeps its own size
  if (fitMode_ == TFitMode::PlaceInto) {
    k = sw > 0 && sh > 0 ? std::min(pw / sw, ph / sh) : 0;
  } else if (fitMode_ == TFitMode::Cover) {
    // An empty parent or content leaves nothing to cover: the object
    // collapses instead of growing without bound.
    const double smaller = pw > 0 && ph > 0 ? std::min(sw / pw, sh / ph) : 0;
    k = smaller > 0 ? 1 / smaller : 0;
  }
  return {ScaleX() * k * 0.01, ScaleY() * k * 0.01};
}

void TZolObject::ComputeFrame(TSizeF parentSize) {
  std::tie(scaleX_, scaleY_) = ScaleFactors(parentSize);
  const double kx = scaleX_, ky = scaleY_;
  const double ax = AngleX() * kRadiansPerDegree, ay = AngleY() * kRadiansPerDegree,
               az = Angle() * kRadiansPerDegree;
  sinX_ = std::sin(ax), cosX_ = std::cos(ax);
  sinY_ = std::sin(ay), cosY_ = std::cos(ay);
  sinZ_ = std::sin(az), cosZ_ = std::cos(az);
  const double sx = sinX_, cx = cosX_, sy = sinY_, cy = cosY_, sz = sinZ_, cz = cosZ_;

  TMatrix3 local;
  local.m[0][0] = kx * cy * cz, local.m[0][1] = kx * cy * sz, local.m[0][2] = kx * sy;
  local.m[1][0] = ky * (sx * sy * cz - cx * sz), local.m[1][1] = ky * (sx * sy * sz + cx * cz),
  local.m[1][2] = -ky * sx * cy;
  local.m[2][0] = -ky * (cx * sy * cz + sx * sz), local.m[2][1] = ky * (sx * cz - cx * sy * sz),
  local.m[2][2] = ky * cx * cy;
  world_ = parent_ ? local * parent_->world_ : local;

  const float depthFactor = GetSlide().DepthFactor();
  frame_.xAxis = WithDepth(world_.Row(0), depthFactor);
  frame_.yAxis = WithDepth(world_.Row(1), depthFactor);
  frame_.zAxis = WithDepth(world_.Row(2), depthFactor);

  // The pivot, from the parent's pivot: in percent, ±100 reaches the
  // parent's edges; depth is always a share of half the parent's height.
  const double pw = parentSize.width, ph = parentSize.height;
  const bool percent = posMode_ == TPosMode::Percent;
  const double px = percent ? PosX() * pw * 0.005 : PosX();
  const double py = percent ? PosY() * ph * 0.005 : PosY();
  const double pz = PosZ() * ph / 200;
  frame_.origin = GetParentFrame().Apply(px, py, pz);

  // The content's top-left corner, from the pivot: Center (0, 0) puts the
  // pivot in the middle of the content, ±100 percent (or pixels) off it.
  const double sw = contentSize_.width, sh = contentSize_.height;
  const bool centerPercent = centerMode_ == TPosMode::Percent;
  const double offsetX = centerPercent ? CenterX() * sw * 0.005 : CenterX();
  const double offsetY = centerPercent ? CenterY() * sh * 0.005 : CenterY();
  rectOrigin_ = {float(-offsetX - sw * 0.5), float(-offsetY - sh * 0.5)};

  const TVector3 normal = Cross(frame_.xAxis, frame_.yAxis);
  const double area = Dot(normal, normal);
  frameDegenerate_ =
      !(area > kDegenerateArea) || !std::isfinite(area) || !std::isfinite(TVector3(frame_.origin).Length());
}

bool TZolObject::UpdateGeometry(bool recurse) {
  const TObjectFrame oldFrame = frame_;
  const TPointF oldRectOrigin = rectOrigin_;
  const bool wasHidden = hiddenByParent_;

  ComputeFrame(GetParentSize());
  UpdateKindGeometry();
  hiddenByParent_ = (childInvis_ && FacingHides()) || (parent_ && parent_->hiddenByParent_);

  const bool changed = Changed(1) || GetOpacity() != snapshot_.opacity || GetBlur() != snapshot_.blur ||
                       ColorFraction() != snapshot_.colorFraction || !(frame_ == oldFrame) ||
                       !(rectOrigin_ == oldRectOrigin) || !(DrawRect() == snapshot_.drawRect) ||
                       hiddenByParent_ != wasHidden;
  if (changed) MarkGeometryChanged();
  bool any = changed;
  if (recurse)
    for (const TRef<TZolObject>& child : children_) any = child->UpdateGeometry(true) || any;
  return any;
}

bool TZolObject::FacesViewer() {
  TZolSlideHost* host = GetHost();
  const TVector3 camera = host ? host->CameraPosition() : TZolSlideHost::kDefaultCamera;
  const TVector3 origin = frame_.origin;
  // The plane through origin, origin + X and origin + Y, evaluated at the
  // camera: negative on the side the front looks to.
  const TVector3 normal = Cross(frame_.xAxis, frame_.yAxis);
  return Dot(normal, camera - origin) < 0;
}

bool TZolObject::FacingHides() {
  if (!hideFront_ && !hideBack_) return false;
  return FacesViewer() ? hideFront_ : hideBack_;
}

bool TZolObject::IsShown() {
  return active_ && !hiddenByParent_ && !FacingHides();
}

void TZolObject::ResetDisplayedSize() {
  sizeRecord_ = TSizeRecord();
  for (const TRef<TZolObject>& child : children_) child->ResetDisplayedSize();
}

void TZolObject::RecordDisplayedSize() {
  const double rx = rectOrigin_.x, ry = rectOrigin_.y;
  const double sw = contentSize_.width, sh = contentSize_.height;
  const TVector3 topLeft = frame_.Apply(rx, ry), topRight = frame_.Apply(rx + sw, ry);
  const TVector3 bottomLeft = frame_.Apply(rx, ry + sh), bottomRight = frame_.Apply(rx + sw, ry + sh);
  // A zoomed picture shows a smaller part of itself in the same rectangle,
  // so its pixels are displayed larger by the zoom.
  const double zoom = Zoom() * 0.01;
  const double width = std::max((topRight - topLeft).Length(), (bottomRight - bottomLeft).Length()) * zoom;
  const double height = std::max((bottomLeft - topLeft).Length(), (bottomRight - topRight).Length()) * zoom;
  if (std::isfinite(width)) sizeRecord_.widthScale = std::max(sizeRecord_.widthScale, width);
  if (std::isfinite(height)) sizeRecord_.heightScale = std::max(sizeRecord_.heightScale, height);
  for (const TVector3& corner : {topLeft, topRight, bottomLeft, bottomRight})
    if (std::isfinite(corner.z)) sizeRecord_.nearestDepth = std::min(sizeRecord_.nearestDepth, corner.z);
  for (const TRef<TZolObject>& child : children_) child->RecordDisplayedSize();
}

void TZolObject::FinishDisplayedSize(double cameraZ) {
  // Nearer than the drawing plane means larger on screen, by the perspective
  // of a camera at CAMERAZ (in front of the plane, so negative).
  double magnification = 1;
  if (cameraZ < 0 && sizeRecord_.nearestDepth > cameraZ)
    magnification = 1 / (1 - sizeRecord_.nearestDepth / cameraZ);
  const TSizeF size{float(sizeRecord_.widthScale * magnification),
                    float(sizeRecord_.heightScale * magnification)};
  const bool changed = std::fabs(size.width - largestSize_.width) > 0.000001 ||
                       std::fabs(size.height - largestSize_.height) > 0.000001;
  largestSize_ = size;
  if (changed) LargestSizeChanged();
  for (const TRef<TZolObject>& child : children_) child->FinishDisplayedSize(cameraZ);
}

}  // namespace zol
