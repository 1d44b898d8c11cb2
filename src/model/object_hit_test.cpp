// Finding the object under a canvas point (TZolObject::HitTest): the point
// is un-projected through the camera onto each object's plane.
#include <cmath>

#include "model/slide_host.h"
#include "model/vector3.h"
#include "model/zol_object.h"

namespace zol {

bool TZolObject::HitTestLocal(TPointF screen, TPointF& local) {
  if (frameDegenerate_ || !MayHit()) return false;
  TZolSlideHost* host = GetHost();
  const TVector3 camera = host ? host->CameraPosition() : TZolSlideHost::kDefaultCamera;
  const TVector3 origin = frame_.origin, xAxis = frame_.xAxis, yAxis = frame_.yAxis;
  const TVector3 normal = Cross(xAxis, yAxis);

  // The ray from the camera through the point on the drawing plane (z = 0)
  // meets the object's plane at camera + ray * along.
  const TVector3 ray = TVector3(screen.x, screen.y, 0) - camera;
  const double facing = Dot(normal, ray);
  if (std::fabs(facing) < 1e-12) return false;  // the plane is seen edge-on
  const double along = Dot(normal, origin - camera) / facing;
  if (!(along > 0)) return false;  // the plane lies behind the camera
  const TVector3 offset = camera + ray * along - origin;

  // offset = u·X + v·Y; crossing with Y (or X) and projecting on the normal
  // isolates u (or v).
  const double area = Dot(normal, normal);
  const double u = Dot(Cross(offset, yAxis), normal) / area;
  const double v = Dot(Cross(xAxis, offset), normal) / area;
  if (!std::isfinite(u) || !std::isfinite(v)) return false;
  local = {float(u), float(v)};
  const double rx = rectOrigin_.x, ry = rectOrigin_.y;
  return rx <= u && u <= rx + contentSize_.width && ry <= v && v <= ry + contentSize_.height;
}

THitResult TZolObject::HitTest(TPointF screen, const THitFilter& filter) {
  for (auto child = children_.rbegin(); child != children_.rend(); ++child)
    if (THitResult hit = (*child)->HitTest(screen, filter)) return hit;
  // Only what is drawn can be hit: an object outside its time window or
  // turned away stays out of the way of the ones below it.
  TPointF local;
  if (IsShown() && HitTestLocal(screen, local) && (!filter || filter(*this))) return {this, local};
  return {};
}

THitResult TZolObject::HitTestSelf(TPointF screen, bool deep) {
  if (deep) return HitTest(screen, {});
  TPointF local;
  return HitTestLocal(screen, local) ? THitResult{this, local} : THitResult{};
}

}  // namespace zol
