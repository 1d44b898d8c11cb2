// TZolSlide: the root object of a slide: owns the root animation node, knows
// the slide's place on the show's time line and its show's host, sets the
// depth factor of its tree and runs the one-time largest-displayed-size
// pre-scan. The slide producer makes and owns slides; built on the loader
// thread, then updated and drawn on the engine thread.
#pragma once

#include <cmath>
#include <limits>

#include "foundation/ini_list.h"
#include "model/object_timing.h"
#include "model/slide_host.h"
#include "model/zol_object.h"

namespace zol {

class TZolSlide : public TZolObject {
 public:
  // A slide of HOST's show with an empty tree.
  static TRef<TZolSlide> Create(TRef<TZolSlideHost> host);

  TZolSlide(TZolObject* parent, TRef<TZolObjectProps> root, TRef<TZolSlideHost> host);

  // The slide's opacity, percent (dialogs fade).
  virtual float SlideOpacity() { return 100; }

  // Show times in milliseconds: the transition into the slide starts at
  // BEGIN and lasts INCOMING; the one to the next slide starts at NEXTBEGIN
  // and lasts OUTGOING.
  void SetTimes(double begin, double nextBegin, double incoming, double outgoing);
  double Begin() const { return begin_; }
  double NextBegin() const { return nextBegin_; }
  double IncomingDuration() const { return incoming_; }
  double OutgoingDuration() const { return outgoing_; }
  // The same relative to the slide start, as the object tree reads it.
  TObjectTiming TreeTiming() const;

  // Reads the tree below SECTION's "Root" object (an empty one when the
  // section has none) with TIMING and builds the runtime objects.
  void ReadObjects(const TIniList& section, const TObjectTiming& timing);
  // The design size of the show; the slide's content size.
  void SetDesignSize(TSizeF size) { SetContentSize(size); }
  // Where the slide's centre lies on the canvas.
  void SetCameraCentre(TPointF centre) { cameraCentre_ = centre; }
  TPointF CameraCentre() const { return cameraCentre_; }
  int SlideNumber() const { return slideNumber_; }
  void SetSlideNumber(int number) { slideNumber_ = number; }
  // While the slide is rendered into a transition buffer it updates every frame.
  void SetCapturing(bool capturing) { capturing_ = capturing; }
  bool Capturing() const { return capturing_; }

  // Depth scale of the tree: z components of every object frame are
  // multiplied by it so that depth keeps its proportion to the slide height.
  float DepthFactor() const { return depthFactor_; }
  // Milliseconds from the slide start at the last evaluation.
  double SlideTime() const { return slideTime_; }
  bool PrescanDone() const { return prescanDone_; }

  double GetAnchorTime(TTimeAnchor anchor) override;
  TZolSlideHost* GetHost() override { return host_.get(); }
  TZolSlide& GetSlide() override { return *this; }
  TObjectFrame GetParentFrame() override;
  bool Evaluate(bool recurse, double showTime) override;
  // Skipped when nothing can have moved: same time, not capturing, unchanged.
  void Update(bool recurse, double showTime) override;
  bool UpdateGeometry(bool recurse) override;

 protected:
  void Dispose() override;

 private:
  void RunSizePrescan();

  TRef<TZolSlideHost> host_;
  double begin_ = 0;
  double nextBegin_ = 0;
  double incoming_ = 0;
  double outgoing_ = 0;
  int slideNumber_ = -1;
  TPointF cameraCentre_;
  float depthFactor_ = 0.5f;
  double slideTime_ = 0;
  double lastUpdate_ = std::numeric_limits<double>::quiet_NaN();
  bool capturing_ = false;
  bool prescanDone_ = false;
  bool prescanRunning_ = false;
};

}  // namespace zol
