// TZolObject: a show object at run time, bound to one animation node: reads
// the parameters every kind shares, decides when it is shown, places itself
// in space (the object frame), answers hit tests and draws itself and its
// children. Objects are owned by their parent's child list, the slide by
// whoever loaded it. Built on the thread that loads the slide, then updated,
// drawn and hit-tested on the thread that plays it, one at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "foundation/ref.h"
#include "model/matrix3.h"
#include "model/object_frame.h"
#include "model/object_shadow.h"
#include "model/zol_params.h"
#include "render/geometry.h"

namespace zol {

class TDeviceDrawer;
class TPixelImage;
class TZolSlide;
class TZolSlideHost;
class TZolObject;

// How the content size is fitted into the parent's content size.
enum class TFitMode : uint8_t { None = 0, PlaceInto = 1, Cover = 2 };
// The unit of Pos (and of Center): pixels, or percent of half the parent
// (of half the content).
enum class TPosMode : uint8_t { Absolute = 0, Percent = 1 };

// What a hit test found: the object and the point in the object's own plane.
struct THitResult {
  TZolObject* object = nullptr;
  TPointF local;
  explicit operator bool() const { return object != nullptr; }
};
// Decides whether a hit object counts (the slide skips TranspForClick ones).
using THitFilter = std::function<bool(TZolObject& object)>;

class TZolObject : public TZolParams {
 public:
  // Creates a T for NODE under PARENT: binds the node (an internal-check
  // failure when it already has an object), appends the object to the
  // parent's children and applies the kind's defaults. The only way objects
  // are made; T's constructor takes (parent, node, ARGS...).
  template <class T, class... Args>
  static TRef<T> Make(TZolObject* parent, TRef<TZolObjectProps> node, Args&&... args) {
    TRef<T> object = MakeRef<T>(parent, std::move(node), std::forward<Args>(args)...);
    object->Attach();
    return object;
  }

  TZolObject(TZolObject* parent, TRef<TZolObjectProps> node);

  // TDrawItem.
  // Own flags, unseen key-frame changes, or any changed descendant.
  bool IsChanged() override;
  // The slide's width times the current Blur.
  float GetBlur() override;
  void AfterDraw(TDeviceDrawer& drawer) override;
  // Draws the object when it is shown, commits it, then hands every child to
  // the drawer (children are drawn over their parent).
  void Draw(TDeviceDrawer& drawer) override;

  // TZolParams.
  // The slide's opacity times the object's, percent.
  float GetOpacity() override;
  bool UpdateGeometry(bool recurse) override;
  double GetAnchorTime(TTimeAnchor anchor) override;

  virtual TSizeF GetParentSize();
  virtual TObjectFrame GetParentFrame();
  // Whether SCREEN (a canvas point) falls on the object's rectangle; LOCAL
  // gets the point in the object's own plane.
  virtual bool HitTestLocal(TPointF screen, TPointF& local);
  // The kind's own drawing; the base draws nothing.
  virtual void DrawSelf(TDeviceDrawer& drawer);
  // The colour-management lookup of the object's picture, if any.
  virtual TPixelImage* GetColorLut() { return nullptr; }
  // Rebuilds the child list from the node's children, re-using the objects
  // already bound to them.
  virtual void CreateChildren();
  // Reads the common parameters from NODE's project-text object; kinds add theirs.
  virtual void ReadParams(TZolObjectProps& node);
  // ReadParams, then CreateChildren. REUSE: the object existed before this read.
  virtual void Load(TZolObjectProps& node, bool reuse);
  // Evaluates the node at SHOWTIME and decides whether the object is active
  // (inside its slide's time window, narrowed by DeltaTime1/2).
  virtual bool Evaluate(bool recurse, double showTime);
  // The kind's defaults, applied once when the object is made.
  virtual void SetDefaults() {}
  // The size of the object's own picture; zero for kinds without one.
  virtual TSizeF GetNaturalSize() { return {}; }
  virtual void SetPressed(bool pressed) { pressed_ = pressed; }
  virtual TZolSlideHost* GetHost();
  // The slide at the root of the tree; an internal-check failure when the
  // root is not a slide.
  virtual TZolSlide& GetSlide();
  // The host's hit permission (true without one).
  virtual bool MayHit();
  virtual void PrepareDevice(TDeviceDrawer& drawer);
  virtual void PrepareAt(TDeviceDrawer& drawer, double showTime);
  virtual void ReleaseDevice(TDeviceDrawer& drawer);
  // The topmost shown object under SCREEN that FILTER accepts: children from
  // the last to the first, then the object itself.
  virtual THitResult HitTest(TPointF screen, const THitFilter& filter);
  virtual THitResult HitTestSelf(TPointF screen, bool deep);
  // Evaluate, then UpdateGeometry.
  virtual void Update(bool recurse, double showTime);
  // Records the drawn state and clears the changed flags.
  virtual void Commit(bool recurse);

  // The tree.
  TZolObject* Parent() const { return parent_; }
  int ChildCount() const { return int(children_.size()); }
  TZolObject& Child(int index) const { return *children_[size_t(index)]; }
  std::span<const TRef<TZolObject>> Children() const { return children_; }

  // Parameters.
  const std::string& Name() const { return name_; }
  bool TranspForClick() const { return transpForClick_; }
  const std::string& Action() const { return action_; }
  const TObjectShadow& Shadow() const { return shadow_; }
  bool HideFront() const { return hideFront_; }
  bool HideBack() const { return hideBack_; }
  bool ChildInvis() const { return childInvis_; }
  bool TreeNodeFlag() const { return treeNode_; }
  TFitMode FitMode() const { return fitMode_; }
  TPosMode PosMode() const { return posMode_; }
  TPosMode CenterMode() const { return centerMode_; }
  bool Pressed() const { return pressed_; }

  // Placement after the last geometry update.
  TSizeF ContentSize() const { return contentSize_; }
  const TObjectFrame& Frame() const { return frame_; }
  bool FrameDegenerate() const { return frameDegenerate_; }
  // Where the content's top-left corner lies in the object's plane.
  TPointF RectOrigin() const { return rectOrigin_; }
  const TMatrix3& WorldMatrix() const { return world_; }
  double ScaleFactorX() const { return scaleX_; }
  double ScaleFactorY() const { return scaleY_; }
  bool IsActive() const { return active_; }
  bool HiddenByParent() const { return hiddenByParent_; }
  // Whether the object's front faces the camera.
  bool FacesViewer();
  // Whether HideMode hides the object as it is turned now.
  bool FacingHides();
  // Active, not hidden by its facing, not hidden by a parent: drawn and hittable.
  bool IsShown();

  // The largest displayed size, from the slide's pre-scan (pixels).
  TSizeF LargestDisplayedSize() const { return largestSize_; }
  // The pre-scan's steps: forget the record, add the current placement to
  // it, and turn it into the largest displayed size for a camera at depth CAMERAZ.
  void ResetDisplayedSize();
  void RecordDisplayedSize();
  virtual void FinishDisplayedSize(double cameraZ);

 protected:
  // Defaults of common parameters that some kinds change in SetDefaults.
  struct TCommonDefaults {
    bool transpForClick = false;
    bool shadowEnable = false;
  };

  void Dispose() override;

  // The scale factors (kx, ky) that map the content into the parent; the
  // base fits by FitMode, kinds that scale otherwise (texts) override.
  virtual std::pair<double, double> ScaleFactors(TSizeF parentSize);
  // The kind's derived values after the common geometry (texture level,
  // frame rectangle).
  virtual void UpdateKindGeometry() {}
  // The part of the picture drawn (kinds with pictures), for change detection.
  virtual TRectF DrawRect() { return {}; }
  // Called when the pre-scan changed the largest displayed size.
  virtual void LargestSizeChanged() {}

  void SetContentSize(TSizeF size);
  void SetName(std::string name) { name_ = std::move(name); }
  // Kinds that take over a child (a button its label) override what the
  // child read.
  void SetTranspForClick(bool transparent) { transpForClick_ = transparent; }
  void SetShadowEnabled(bool enabled) { shadow_.enabled = enabled; }
  void MarkChanged() { SetChanged(0, 1); }
  void MarkGeometryChanged() { SetChanged(1, 1); }
  // The Color group's fraction, which blends the key frames' colour grades.
  double ColorFraction() const { return node_->GroupFraction(kGroupColor); }

  TCommonDefaults commonDefaults_;

 private:
  // The drawn state the next geometry update is compared with.
  struct TSnapshot {
    float opacity = -1;
    float blur = 0;
    TRectF drawRect;
    double colorFraction = 0;
  };
  // What the pre-scan saw of the object.
  struct TSizeRecord {
    double widthScale = 0;
    double heightScale = 0;
    double nearestDepth = 1000000;
  };

  void Attach();
  void ComputeFrame(TSizeF parentSize);

  std::string name_;
  bool transpForClick_ = false;
  std::string action_;
  TObjectShadow shadow_;
  TSizeRecord sizeRecord_;
  double sinX_ = 0, cosX_ = 1, sinY_ = 0, cosY_ = 1, sinZ_ = 0, cosZ_ = 1;
  double scaleX_ = 0, scaleY_ = 0;
  TSizeF largestSize_;
  bool hideFront_ = false;
  bool hideBack_ = false;
  bool childInvis_ = false;
  bool treeNode_ = true;
  TMatrix3 world_ = TMatrix3::Identity();
  TSizeF contentSize_;
  TZolObject* parent_;  // the owner's list holds this object
  bool active_ = false;
  TSnapshot snapshot_;
  TPointF rectOrigin_;
  TObjectFrame frame_;
  bool frameDegenerate_ = true;
  bool hiddenByParent_ = false;
  std::vector<TRef<TZolObject>> children_;
  TFitMode fitMode_ = TFitMode::PlaceInto;
  TPosMode posMode_ = TPosMode::Percent;
  TPosMode centerMode_ = TPosMode::Percent;
  bool pressed_ = false;
};

}  // namespace zol
