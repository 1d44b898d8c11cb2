#include <gtest/gtest.h>

#include <string>

#include "foundation/ini_value.h"
#include "model/key_frame.h"
#include "object_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TNodeRig;

// Slide end 10000, incoming transition ends at 1000, outgoing lasts 2000.
TEST(KeyFrameRead, TimesAreAnchoredWholeMilliseconds) {
  struct TCase {
    std::string origin;
    std::string time;
    double want;
  };
  const TCase cases[] = {
      {"", "500", 500},
      {"SlideBegin", "0", 0},
      {"PrevEffectEnd", "0", 1000},
      {"PrevEffectEnd", "250", 1250},
      {"NextEffectBegin", "-250", 7750},
      {"SlideEnd", "-1000", 9000},
      {"slideend", "", 10000},
      {"Middle", "300", 300},  // an unknown anchor counts from the slide's begin
      {"", "1500.75", 1500},
      {"", "-0.5", 0},
      {"", "abc", 0},
      {"", "12abc", 0},
      {"", "99999999999", 0},  // beyond the integer range
  };
  for (const TCase& c : cases) {
    std::string items = "Time=" + c.time + "\n";
    if (!c.origin.empty()) items += "Origin=" + c.origin + "\n";
    TNodeRig rig(Obj("Image", "A", "", Key(items)));
    EXPECT_DOUBLE_EQ(rig.KeyFrame(0).Time(), c.want) << c.origin << " " << c.time;
  }
}

TEST(KeyFrameRead, GroupMasksDependOnTheKind) {
  struct TCase {
    std::string type;
    std::string grps;  // "" leaves the item out
    uint32_t want;
  };
  const TCase cases[] = {
      {"Image", "", 0xFF},       {"Video", "255", 0xFF},  {"Image", "5", 5},      {"AniImage", "255", 0x7F},
      {"Text", "255", 0x7F},     {"Button", "255", 0x7F}, {"Frame", "255", 0x3F}, {"Box", "", 0x3F},
      {"ViewPort", "255", 0x3F}, {"Gadget", "255", 0x3F}, {"Splitter", "255", 0}, {"MaskStencil", "255", 0},
      {"MaskContent", "7", 0},   {"Image", "x", 0xFF},    {"Text", "192", 0x40},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj(c.type, "A", "", Key(c.grps.empty() ? "" : "grps=" + c.grps + "\n")));
    EXPECT_EQ(rig.KeyFrame(0).GroupMask(), c.want) << c.type << " grps=" << c.grps;
  }
  // An image with AnimEnable is an animated image: no image frame.
  TNodeRig animated(Obj("Image", "A", "AnimEnable=1\n", Key("")));
  EXPECT_EQ(animated.node->Kind(), TZolObjectKind::AniImage);
  EXPECT_EQ(animated.KeyFrame(0).GroupMask(), 0x7Fu);
}

TEST(KeyFrameRead, KeyValuesFromItemsAndCommaLists) {
  struct TCase {
    std::string items;
    int field;
    double want;
    bool defined;
  };
  const TCase cases[] = {
      {"Position=10,20\n", kFieldPosX, 10, true},
      {"Position=10,20\n", kFieldPosY, 20, true},
      {"Position=10\n", kFieldPosY, 0, true},  // a short list: the default
      {"Position=a,5\n", kFieldPosX, 0, true},
      {"Position=a,5\n", kFieldPosY, 5, true},
      {"CenterPos=-100,-50.5\n", kFieldCenterY, -50.5, true},
      {"Opacity=42.5\n", kFieldOpacity, 42.5, true},
      {"Opacity=1,5\n", kFieldOpacity, 100, true},  // a decimal comma is no number
      {"", kFieldScaleX, 100, true},
      {"ZPos=30\n", kFieldPosZ, 30, true},
      {"AngleX=45\n", kFieldAngleX, 45, true},
      {"Zoom=150\n", kFieldFrameS, 150, true},
      {"OffsY=-20\n", kFieldFrameY, -20, true},
      // Without the group's bit the key frame does not define the field.
      {"grps=1\nPosition=10,20\n", kFieldPosX, 0, false},
      {"grps=1\nScaleX=50\n", kFieldScaleX, 100, false},
      {"grps=1\nOpacity=30\n", kFieldOpacity, 30, true},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj("Image", "A", "", Key(c.items)));
    bool defined = !c.defined;
    EXPECT_DOUBLE_EQ(rig.KeyFrame(0).GetKeyValue(c.field, &defined), c.want) << c.items << c.field;
    EXPECT_EQ(defined, c.defined) << c.items << c.field;
  }
}

TEST(KeyFrameRead, SetKeyValueRewritesTheItem) {
  struct TCase {
    std::string items;
    int field;
    double value;
    std::string key;
    std::string want;
    std::string wantGroups;
  };
  const TCase cases[] = {
      {"Opacity=10\n", kFieldOpacity, 42.5, "Opacity", "42.5", "255"},
      {"Position=1,2\n", kFieldPosX, 9, "Position", "9,2", "255"},
      {"Position=1,2,3\n", kFieldPosY, -4, "Position", "1,-4,3", "255"},
      {"", kFieldPosY, 7, "Position", "0,7", "255"},
      {"CenterPos=5\n", kFieldCenterY, 0.25, "CenterPos", "5,0.25", "255"},
      {"grps=1\nPosition=8,9\n", kFieldPosY, 3, "Position", "8,3", "3"},
      {"grps=1\n", kFieldScaleX, 80, "ScaleX", "80", "5"},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj("Image", "A", "", Key(c.items)));
    TZolKeyFrame& key = rig.KeyFrame(0);
    key.SetKeyValue(c.field, c.value);
    EXPECT_EQ(AsString(key.Source()->Find(c.key)), c.want) << c.items;
    EXPECT_EQ(AsString(key.Source()->Find("grps")), c.wantGroups) << c.items;
    bool defined = false;
    EXPECT_DOUBLE_EQ(key.GetKeyValue(c.field, &defined), c.value) << c.items;
    EXPECT_TRUE(defined);
  }
}

TEST(KeyFrameRead, MalformedKeyFramesReadAsDefaults) {
  // Items of the wrong kind, junk children, modifiers and filters nobody
  // reads yet: the key frame is read, with defaults where nothing fits.
  const std::string junk =
      Key("Time=soon\nOrigin=\ngrps=-1\nOpacity=\nPosition=,,,\nCenterPos=1,2,3,4\n"
          "object Opacity:Something\nend\n"
          "object m1:Mod\ndst=Pos.X\nfn=value*2\nend\n"
          "object m2:Mod\nend\n"
          "object f1:Filter\nkind=sepia\nend\n"
          "object :KeyPoint\nTime=5\nend\n");
  TNodeRig rig(Obj("Image", "A", "", junk + Key("Time=100\nOpacity=0\n")));
  ASSERT_EQ(rig.node->KeyFrames().Count(), 2);
  const TZolKeyFrame& key = rig.KeyFrame(0);
  EXPECT_DOUBLE_EQ(key.Time(), 0);
  EXPECT_EQ(key.GroupMask(), 0xFFFFFFFFu);
  EXPECT_DOUBLE_EQ(key.GetKeyValue(kFieldOpacity), 100);
  EXPECT_DOUBLE_EQ(key.GetKeyValue(kFieldPosX), 0);
  EXPECT_DOUBLE_EQ(key.GetKeyValue(kFieldCenterY), 2);
  EXPECT_EQ(key.ModifierObjects().size(), 2u);
  EXPECT_EQ(key.FilterObjects().size(), 1u);
  EXPECT_FALSE(key.HasModifiers()) << "no modifier factory installed";
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 50), 50);
}

}  // namespace
}  // namespace zol
