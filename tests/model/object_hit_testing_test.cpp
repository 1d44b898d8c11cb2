#include <gtest/gtest.h>

#include <string>

#include "model/vector3.h"
#include "object_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TSlideRig;

std::string HitName(TSlideRig& rig, TPointF point, bool skipTransparent = true) {
  THitFilter filter;
  if (skipTransparent) filter = [](TZolObject& o) { return !o.TranspForClick(); };
  THitResult hit = rig.slide->HitTest(point, filter);
  return hit ? hit.object->Name() : "-";
}

// The canvas point where a camera at CAMERA sees POINT.
TPointF Project(TPoint3F camera, TPoint3F point) {
  const double k = -double(camera.z) / (double(point.z) - camera.z);
  return {float(camera.x + (point.x - camera.x) * k), float(camera.y + (point.y - camera.y) * k)};
}

// Two overlapping 200 x 100 frames, B over A (later in the list), a small
// one C inside A only, and a transparent D over everything on the right.
TEST(ObjectHitTesting, TopmostFirstAndTransparentObjectsPassThrough) {
  TSlideRig rig(Obj("Frame", "A", "Size=200,100\nFitMode=None\n",
                    Obj("Frame", "C", "Size=20,20\nFitMode=None\n", Key("Position=-80,0\n"))) +
                Obj("Frame", "B", "Size=200,100\nFitMode=None\n", Key("Position=10,0\n")) +
                Obj("Frame", "D", "Size=100,100\nFitMode=None\nTranspForClick=1\n", Key("Position=20,0\n")));
  rig.At(0);
  struct TCase {
    TPointF point;
    bool skipTransparent;
    std::string want;
  };
  const TCase cases[] = {
      {{500, 400}, true, "B"},   // A and B overlap: the later one
      {{415, 400}, true, "C"},   // the child of A, drawn over A, lies outside B
      {{402, 380}, true, "A"},   // A only
      {{640, 400}, true, "B"},   // D lets the click through to B
      {{640, 400}, false, "D"},  // without the filter D is hit
      {{700, 400}, true, "-"},   // only D, which passes the click on
      {{10, 10}, true, "-"},     // nothing there but the slide itself
  };
  for (const TCase& c : cases) {
    const std::string got = HitName(rig, c.point, c.skipTransparent);
    // The slide itself fills the canvas and is hit where nothing else is.
    EXPECT_EQ(got == "Container" ? "-" : got, c.want) << c.point.x << "," << c.point.y;
  }
}

TEST(ObjectHitTesting, UnprojectsOntoTurnedAndDeepPlanes) {
  struct TCase {
    std::string key;
    TPointF local;  // a point of the object's plane, in content coordinates
  };
  const TCase cases[] = {
      {"", {-90, -40}},
      {"AngleY=60\n", {80, 30}},
      {"AngleY=-45\nAngleX=30\n", {-70, 45}},
      {"ZPos=150\nAngle=30\n", {50, -20}},
      {"ZPos=-100\nAngleX=-50\n", {-20, 10}},
      {"ScaleX=250\nAngleY=20\nPosition=30,-20\n", {95, 45}},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(Obj("Frame", "O", "Size=200,100\nFitMode=None\n", Key(c.key)));
    rig.At(0);
    TZolObject& o = rig.Object("O");
    const TPointF screen = Project(rig.camera, o.Frame().Apply(c.local.x, c.local.y));
    TPointF local;
    SCOPED_TRACE(c.key);
    ASSERT_TRUE(o.HitTestLocal(screen, local));
    EXPECT_NEAR(local.x, c.local.x, 0.01);
    EXPECT_NEAR(local.y, c.local.y, 0.01);
    THitResult hit = rig.slide->HitTest(screen, [](TZolObject& x) { return x.Name() == "O"; });
    EXPECT_EQ(hit.object, &o);
    // Just beyond the content's right edge (rectangle origin -100 + 200).
    const TPointF outside = Project(rig.camera, o.Frame().Apply(100.5, c.local.y));
    EXPECT_FALSE(o.HitTestLocal(outside, local));
  }
}

TEST(ObjectHitTesting, OnlyShownObjectsCatchClicks) {
  struct TCase {
    std::string items;
    std::string key;
    double t;
    std::string want;
  };
  const TCase cases[] = {
      {"", "", 0, "Top"},
      {"DeltaTime1=1000\n", "", 500, "Bottom"},  // not there yet
      {"DeltaTime1=1000\n", "", 1500, "Top"},
      {"HideMode=1\n", "AngleY=180\n", 0, "Bottom"},  // turned away and hidden
      {"", "AngleY=90\n", 0, "Bottom"},               // seen edge-on
  };
  for (const TCase& c : cases) {
    TSlideRig rig(Obj("Frame", "Bottom", "Size=200,100\nFitMode=None\n") +
                  Obj("Frame", "Top", "Size=200,100\nFitMode=None\n" + c.items, Key(c.key)));
    rig.At(c.t);
    EXPECT_EQ(HitName(rig, {500, 400}), c.want) << c.items << c.key << c.t;
  }
}

TEST(ObjectHitTesting, HostMayRefuseHits) {
  TSlideRig rig(Obj("Frame", "A", "Size=200,100\nFitMode=None\n") +
                Obj("Frame", "B", "Size=20,20\nFitMode=None\n"));
  rig.At(0);
  rig.host->SetHitPermission([](TZolObject& o) { return o.Name() != "B"; });
  EXPECT_EQ(HitName(rig, {500, 400}), "A");
  TPointF local;
  EXPECT_FALSE(rig.Object("B").HitTestLocal({500, 400}, local));
  EXPECT_EQ(rig.Object("A").HitTestSelf({500, 400}, false).object, &rig.Object("A"));
  EXPECT_EQ(rig.slide->HitTestSelf({500, 400}, true).object, &rig.Object("A"));
}

}  // namespace
}  // namespace zol
