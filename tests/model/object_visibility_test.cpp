#include <gtest/gtest.h>

#include <string>

#include "object_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TSlideRig;

TEST(ObjectVisibility, HideModeAgainstFacing) {
  struct TCase {
    int hideMode;
    std::string turn;
    bool facesViewer, shown;
  };
  const TCase cases[] = {
      {0, "", true, true},
      {0, "AngleY=180\n", false, true},
      {1, "", true, true},
      {1, "AngleY=180\n", false, false},
      {2, "", true, false},
      {2, "AngleY=180\n", false, true},
      {3, "", true, false},
      {3, "AngleY=180\n", false, false},
      {1, "AngleX=180\n", false, false},
      {1, "Angle=180\n", true, true},
      {1, "AngleY=80\n", true, true},
      {1, "AngleY=100\n", false, false},
      // A mirrored object shows its back.
      {1, "ScaleX=-100\n", false, false},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(
        Obj("Frame", "O", "Size=200,100\nHideMode=" + std::to_string(c.hideMode) + "\n", Key(c.turn)));
    rig.At(0);
    TZolObject& o = rig.Object("O");
    EXPECT_EQ(o.FacesViewer(), c.facesViewer) << c.hideMode << " " << c.turn;
    EXPECT_EQ(o.IsShown(), c.shown) << c.hideMode << " " << c.turn;
  }
}

TEST(ObjectVisibility, FacingIsJudgedFromTheCamera) {
  // Turned 80 degrees the front still faces a camera straight ahead; seen
  // from far to the right it shows its back.
  TSlideRig rig(Obj("Frame", "O", "Size=200,100\nHideMode=1\n", Key("AngleY=80\n")));
  rig.At(0);
  EXPECT_TRUE(rig.Object("O").IsShown());
  rig.camera = {-5000, 400, -800};
  EXPECT_FALSE(rig.Object("O").FacesViewer());
  rig.camera = {5000, 400, -800};
  EXPECT_TRUE(rig.Object("O").FacesViewer());
}

TEST(ObjectVisibility, ChildInvisHidesTheSubtree) {
  struct TCase {
    std::string parentItems;
    std::string parentTurn;
    bool parentShown, childShown, grandchildShown;
  };
  const TCase cases[] = {
      {"HideMode=1\nChildInvis=1\n", "AngleY=180\n", false, false, false},
      {"HideMode=1\n", "AngleY=180\n", false, true, true},
      {"HideMode=1\nChildInvis=1\n", "", true, true, true},
      // ChildInvis without a HideMode hides nothing.
      {"ChildInvis=1\n", "AngleY=180\n", true, true, true},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(
        Obj("Frame", "P", "Size=200,100\n" + c.parentItems,
            Key(c.parentTurn) + Obj("Frame", "C", "Size=10,10\n", Obj("Frame", "G", "Size=5,5\n"))));
    rig.At(0);
    SCOPED_TRACE(c.parentItems + c.parentTurn);
    EXPECT_EQ(rig.Object("P").IsShown(), c.parentShown);
    EXPECT_EQ(rig.Object("C").IsShown(), c.childShown);
    EXPECT_EQ(rig.Object("G").IsShown(), c.grandchildShown);
    EXPECT_EQ(rig.Object("G").HiddenByParent(), !c.grandchildShown);
  }
}

TEST(ObjectVisibility, TurningAwayIsAChange) {
  TSlideRig rig(Obj("Frame", "O", "Size=200,100\nHideMode=1\nChildInvis=1\n",
                    Key("Time=0\nAngleY=0\n") + Key("Time=1000\nAngleY=180\n")));
  rig.At(0);
  rig.slide->Commit(true);
  EXPECT_FALSE(rig.slide->IsChanged());
  rig.At(0);
  EXPECT_FALSE(rig.slide->IsChanged()) << "same time, nothing moved";
  rig.At(1000);
  EXPECT_TRUE(rig.slide->IsChanged());
  EXPECT_TRUE(rig.Object("O").HiddenByParent());
}

}  // namespace
}  // namespace zol
