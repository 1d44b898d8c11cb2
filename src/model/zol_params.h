// TZolParams: a drawable item bound to an animation node, reading the node's
// current animated values. Base of every runtime show object; holds a
// reference to its node so the node outlives it. Same threading as the node.
#pragma once

#include "foundation/ref.h"
#include "model/animated_fields.h"
#include "model/object_timing.h"
#include "model/zol_object_props.h"
#include "render/draw_item.h"

namespace zol {

class TZolParams : public TDrawItem {
 public:
  explicit TZolParams(TRef<TZolObjectProps> node) : node_(std::move(node)) {}

  TZolObjectProps& Node() const { return *node_; }

  float Opacity() const { return node_->FieldValue(kFieldOpacity); }
  float PosX() const { return node_->FieldValue(kFieldPosX); }
  float PosY() const { return node_->FieldValue(kFieldPosY); }
  float PosZ() const { return node_->FieldValue(kFieldPosZ); }
  float ScaleX() const { return node_->FieldValue(kFieldScaleX); }
  float ScaleY() const { return node_->FieldValue(kFieldScaleY); }
  float Angle() const { return node_->FieldValue(kFieldAngle); }
  float AngleX() const { return node_->FieldValue(kFieldAngleX); }
  float AngleY() const { return node_->FieldValue(kFieldAngleY); }
  float CenterX() const { return node_->FieldValue(kFieldCenterX); }
  float CenterY() const { return node_->FieldValue(kFieldCenterY); }
  float Blur() const { return node_->FieldValue(kFieldBlur); }
  float Zoom() const { return node_->FieldValue(kFieldFrameS); }
  float OffsX() const { return node_->FieldValue(kFieldFrameX); }
  float OffsY() const { return node_->FieldValue(kFieldFrameY); }

  // The opacity the object is drawn with, percent.
  virtual float GetOpacity() { return Opacity(); }
  // Places the object in space from the current values; true when anything
  // changed. With RECURSE the descendants too.
  virtual bool UpdateGeometry(bool recurse) = 0;
  // The show time of one of the slide's time anchors.
  virtual double GetAnchorTime(TTimeAnchor anchor) = 0;

 protected:
  void Dispose() override {
    node_ = nullptr;
    TDrawItem::Dispose();
  }

  TRef<TZolObjectProps> node_;
};

}  // namespace zol
