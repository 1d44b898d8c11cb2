#include <gtest/gtest.h>

#include <string>

#include "object_test_support.h"

namespace zol {
namespace {

using test::ExpectNear3;
using test::Key;
using test::Obj;
using test::TSlideRig;

TPoint3F TopLeft(const TZolObject& o) {
  return o.Frame().Apply(o.RectOrigin().x, o.RectOrigin().y);
}
TPoint3F BottomRight(const TZolObject& o) {
  return o.Frame().Apply(o.RectOrigin().x + o.ContentSize().width, o.RectOrigin().y + o.ContentSize().height);
}

// A 200 x 100 frame at its own size on the 1000 x 800 slide, whose centre
// lies at (500, 400) on the canvas.
TEST(ObjectGeometry, PositionCentreScaleAndAngle) {
  struct TCase {
    std::string items;
    std::string key;
    TPoint3F origin, topLeft, bottomRight;
  };
  const TCase cases[] = {
      {"", "", {500, 400, 0}, {400, 350, 0}, {600, 450, 0}},
      // ±100 percent reaches the parent's edges from its centre.
      {"", "Position=100,0\n", {1000, 400, 0}, {900, 350, 0}, {1100, 450, 0}},
      {"", "Position=0,-50\n", {500, 200, 0}, {400, 150, 0}, {600, 250, 0}},
      {"PosMode=Absolute\n", "Position=100,0\n", {600, 400, 0}, {500, 350, 0}, {700, 450, 0}},
      // Center (-100, -100): the pivot is the content's top-left corner.
      {"", "CenterPos=-100,-100\n", {500, 400, 0}, {500, 400, 0}, {700, 500, 0}},
      {"", "CenterPos=100,100\n", {500, 400, 0}, {300, 300, 0}, {500, 400, 0}},
      {"CenterMode=Absolute\n", "CenterPos=-100,-50\n", {500, 400, 0}, {500, 400, 0}, {700, 500, 0}},
      {"", "ScaleX=50\n", {500, 400, 0}, {450, 350, 0}, {550, 450, 0}},
      // Angle turns clockwise on the screen (y points down).
      {"", "Angle=90\n", {500, 400, 0}, {550, 300, 0}, {450, 500, 0}},
      {"", "Angle=90\nCenterPos=-100,-100\n", {500, 400, 0}, {500, 400, 0}, {400, 600, 0}},
      {"", "Angle=90\nCenterPos=-100,-100\nScaleY=200\n", {500, 400, 0}, {500, 400, 0}, {300, 600, 0}},
      // Depth: a share of half the parent's height, times the depth factor 0.5.
      {"", "ZPos=100\n", {500, 400, 200}, {400, 350, 200}, {600, 450, 200}},
      {"", "AngleY=90\n", {500, 400, 0}, {500, 350, -50}, {500, 450, 50}},
      {"", "AngleX=90\n", {500, 400, 0}, {400, 400, 25}, {600, 400, -25}},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(Obj("Frame", "O", "Size=200,100\nFitMode=None\n" + c.items, Key(c.key)));
    rig.At(0);
    const TZolObject& o = rig.Object("O");
    SCOPED_TRACE(c.items + c.key);
    ExpectNear3(o.Frame().origin, c.origin);
    ExpectNear3(TopLeft(o), c.topLeft);
    ExpectNear3(BottomRight(o), c.bottomRight);
  }
}

TEST(ObjectGeometry, FitModes) {
  struct TCase {
    std::string items;
    double kx, ky;
    bool degenerate;
  };
  const TCase cases[] = {
      {"Size=200,100\nFitMode=None\n", 1, 1, false},
      {"Size=200,100\n", 5, 5, false},  // PlaceInto: the whole content inside 1000 x 800
      {"Size=200,100\nFitMode=Cover\n", 8, 8, false},
      {"Size=200,100\nFitMode=Cover\nScaleX=50\n", 4, 8, false},
      {"Size=0,100\n", 0, 0, true},
      {"Size=0,100\nFitMode=Cover\n", 0, 0, true},
      {"Size=-5,10\n", 0, 0, true},
      {"", 0, 0, true},
      {"Size=a,b\nFitMode=None\n", 1, 1, false},
  };
  for (const TCase& c : cases) {
    std::string items = c.items, key;
    if (size_t at = items.find("ScaleX"); at != std::string::npos) key = items.substr(at), items.erase(at);
    TSlideRig rig(Obj("Frame", "O", items, Key(key)));
    rig.At(0);
    const TZolObject& o = rig.Object("O");
    EXPECT_NEAR(o.ScaleFactorX(), c.kx, 1e-9) << c.items;
    EXPECT_NEAR(o.ScaleFactorY(), c.ky, 1e-9) << c.items;
    EXPECT_EQ(o.FrameDegenerate(), c.degenerate) << c.items;
  }
}

TEST(ObjectGeometry, ChildrenLiveInTheirParentsPlane) {
  struct TCase {
    std::string parentKey, childKey;
    TPoint3F origin, xAxis;
  };
  const TCase cases[] = {
      {"ScaleX=200\nScaleY=200\n", "Position=100,0\n", {700, 400, 0}, {2, 0, 0}},
      {"ScaleX=200\nScaleY=200\n", "Position=0,100\n", {500, 500, 0}, {2, 0, 0}},
      {"ScaleX=200\nScaleY=200\nAngle=90\n", "Position=100,0\n", {500, 600, 0}, {0, 2, 0}},
      {"Position=-100,0\n", "Position=100,0\nAngle=90\n", {100, 400, 0}, {0, 1, 0}},
      // The child's pivot is placed from the parent's pivot, not its centre.
      {"CenterPos=-100,-100\n", "", {500, 400, 0}, {1, 0, 0}},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(Obj("Frame", "P", "Size=200,100\nFitMode=None\n",
                      Key(c.parentKey) + Obj("Frame", "C", "Size=50,50\nFitMode=None\n", Key(c.childKey))));
    rig.At(0);
    SCOPED_TRACE(c.parentKey + "/" + c.childKey);
    ExpectNear3(rig.Object("C").Frame().origin, c.origin);
    ExpectNear3(rig.Object("C").Frame().xAxis, c.xAxis);
  }
}

TEST(ObjectGeometry, SlideScaleAndDepthFactor) {
  TSlideRig rig(Obj("Frame", "O", "Size=200,100\nFitMode=None\n", Key("ZPos=100\n")));
  // The producer shows the 1000 x 800 design at half size: depth keeps its
  // proportion to the displayed height.
  rig.slide->Node().SetFieldValue(kFieldScaleX, 50);
  rig.slide->Node().SetFieldValue(kFieldScaleY, 50);
  rig.At(0);
  EXPECT_FLOAT_EQ(rig.slide->DepthFactor(), 1);
  const TZolObject& o = rig.Object("O");
  ExpectNear3(o.Frame().origin, {500, 400, 200});
  ExpectNear3(TopLeft(o), {450, 375, 200});

  rig.camera.z = 0;  // no camera distance: the plain factor
  rig.At(1);
  EXPECT_FLOAT_EQ(rig.slide->DepthFactor(), 0.5f);
}

TEST(ObjectGeometry, ActiveWindowFollowsDeltaTimes) {
  // The slide runs from 2000 to 12000 in show time.
  TSlideRig rig(Obj("Frame", "Late", "DeltaTime1=1000\nSize=1,1\n") +
                Obj("Frame", "Early", "DeltaTime2=1000\nSize=1,1\n") + Obj("Frame", "Always", "Size=1,1\n"));
  rig.slide->SetTimes(2000, 12000, 0, 0);
  rig.Read(Obj("Frame", "Late", "DeltaTime1=1000\nSize=1,1\n") +
           Obj("Frame", "Early", "DeltaTime2=1000\nSize=1,1\n") + Obj("Frame", "Always", "Size=1,1\n"));
  struct TCase {
    double t;
    bool late, early, always;
  };
  const TCase cases[] = {
      {1999, false, false, false}, {2000, false, true, true},    {2999, false, true, true},
      {3000, true, true, true},    {10999, true, true, true},    {11001, true, false, true},
      {12000, true, false, true},  {12001, false, false, false}, {2500, false, true, true},
  };
  for (const TCase& c : cases) {
    rig.At(c.t);
    EXPECT_EQ(rig.Object("Late").IsActive(), c.late) << c.t;
    EXPECT_EQ(rig.Object("Early").IsActive(), c.early) << c.t;
    EXPECT_EQ(rig.Object("Always").IsActive(), c.always) << c.t;
  }
}

}  // namespace
}  // namespace zol
