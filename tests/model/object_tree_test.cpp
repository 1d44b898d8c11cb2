#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "foundation/assertion.h"
#include "foundation/ini_value.h"
#include "model/object_creator.h"
#include "model/zol_frame.h"
#include "object_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TSlideRig;

std::string Frames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names)
    text += Obj("Frame", name, "Size=10,10\n", Obj("Box", name + "-inner"));
  return text;
}

std::vector<std::string> ChildNames(const TZolObject& object) {
  std::vector<std::string> names;
  for (const TRef<TZolObject>& child : object.Children()) names.push_back(child->Name());
  return names;
}

TEST(ObjectTree, ReorderedReReadKeepsNodesAndObjectsByGuid) {
  struct TCase {
    std::vector<std::string> first, second;
  };
  const TCase cases[] = {
      {{"A", "B", "C"}, {"C", "A", "B"}},                                // a few: searched one by one
      {{"A", "B", "C", "D", "E", "F"}, {"F", "C", "A", "E", "D", "B"}},  // many: through the hash index
      {{"A", "B", "C", "D", "E"}, {"A", "B", "E", "D", "C"}},            // in place until the first change
      {{"A", "B"}, {"A", "B"}},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(Frames(c.first));
    std::map<std::string, TZolObjectProps*> nodes;
    std::map<std::string, TZolObject*> objects;
    for (const std::string& name : c.first) {
      nodes[name] = &rig.Object(name).Node();
      objects[name] = &rig.Object(name);
      objects[name + "-inner"] = &rig.Object(name + "-inner");
    }
    rig.Read(Frames(c.second));
    EXPECT_EQ(ChildNames(*rig.slide), c.second);
    for (size_t i = 0; i < c.second.size(); ++i) {
      const std::string& name = c.second[i];
      EXPECT_EQ(&rig.Object(name), objects[name]) << name;
      EXPECT_EQ(&rig.Object(name + "-inner"), objects[name + "-inner"]) << name;
      EXPECT_EQ(&rig.Object(name).Node(), nodes[name]) << name;
      EXPECT_EQ(rig.Object(name).Node().Index(), int(i));
      EXPECT_EQ(rig.Object(name).Node().Parent(), &rig.slide->Node());
      EXPECT_EQ(rig.Object(name).Parent(), rig.slide.get());
    }
  }
}

TEST(ObjectTree, RemovedGuidsFreeTheirNodesAndObjectsNewOnesAreMade) {
  TSlideRig rig(Frames({"A", "B", "C", "D", "E"}));
  TRef<TZolObjectProps> removed(&rig.Object("C").Node());
  TZolObject* kept = &rig.Object("D");
  rig.Read(Frames({"A", "X", "B", "D", "E"}));
  EXPECT_EQ(ChildNames(*rig.slide), (std::vector<std::string>{"A", "X", "B", "D", "E"}));
  EXPECT_EQ(&rig.Object("D"), kept);
  // Only this test still holds the removed node: its object is gone.
  EXPECT_EQ(removed->RefCount(), 1);
  EXPECT_EQ(removed->Object(), nullptr);
  EXPECT_EQ(removed->Parent(), nullptr);
  EXPECT_EQ(TSlideRig::Find(*rig.slide, "C"), nullptr);
  EXPECT_NE(TSlideRig::Find(*rig.slide, "X-inner"), nullptr);

  rig.Read("");
  EXPECT_EQ(rig.slide->ChildCount(), 0);
  EXPECT_EQ(rig.slide->Node().ChildCount(), 0);
}

TEST(ObjectTree, ObjectWithoutGuidFailsTheRead) {
  const std::string cases[] = {
      "object A:Frame\nSize=1,1\nend\n",
      "object A:Frame\nGUID=\nend\n",
      Obj("Frame", "P", "", "object Nested:Box\nend\n"),
  };
  for (const std::string& text : cases) {
    TSlideRig rig("");
    try {
      rig.Read(text);
      ADD_FAILURE() << text;
    } catch (const EAssertion& e) {
      EXPECT_NE(std::string(e.what()).find("ZolObject GUID not Assigned"), std::string::npos) << e.what();
    }
  }
  // The shared project text is not written to by a read.
  TSlideRig rig("");
  EXPECT_THROW(rig.Read(cases[0]), EAssertion);
  EXPECT_EQ(rig.project->Section("Slide1")->FirstObject()->FirstObject()->Find("GUID"), nullptr);
}

TEST(ObjectTree, UnknownKindsGetNoObjectsBelowThem) {
  TSlideRig rig(Obj("Widget", "W", "", Obj("Frame", "F")) + Obj("Image", "I") + Obj("Frame", "G"));
  TZolObjectProps& root = rig.slide->Node();
  ASSERT_EQ(root.ChildCount(), 3);
  EXPECT_EQ(root.Child(0).Kind(), TZolObjectKind::Unknown);
  EXPECT_EQ(root.Child(0).ChildCount(), 1) << "the node tree still holds it";
  EXPECT_EQ(root.Child(0).Object(), nullptr);
  EXPECT_EQ(root.Child(0).Child(0).Object(), nullptr);
  EXPECT_EQ(root.Child(1).Kind(), TZolObjectKind::Image);
  EXPECT_EQ(root.Child(1).Object(), nullptr) << "pictures are not a kind of the model itself";
  EXPECT_EQ(ChildNames(*rig.slide), std::vector<std::string>{"G"});
}

TEST(ObjectTree, ASectionWithoutRootReadsEmpty) {
  TSlideRig rig("");
  TRef<TIniFile> project = test::ParseText("[Slide1]\nbstyle=1\n");
  rig.slide->ReadObjects(*project->Section("Slide1"), rig.slide->TreeTiming());
  EXPECT_EQ(rig.slide->ChildCount(), 0);
  EXPECT_EQ(rig.slide->Node().Name(), "Container");
  EXPECT_EQ(project->Section("Slide1")->ObjectCount(), 0) << "the shared text is left alone";
}

TEST(ObjectTree, KeyFramesAreReUsedByPositionAndSurplusOnesFreed) {
  TSlideRig rig(Obj("Frame", "A", "", Key("Time=0\n") + Key("Time=500\n") + Key("Time=900\n")));
  TZolObjectProps& node = rig.Object("A").Node();
  TRef<TZolKeyFrame> first(&node.KeyFrames()[0]);
  TRef<TZolKeyFrame> last(&node.KeyFrames()[2]);
  rig.Read(Obj("Frame", "A", "", Key("Time=0\n") + Key("Time=700\n")));
  EXPECT_EQ(&node.KeyFrames()[0], first.get());
  EXPECT_EQ(node.KeyFrames().Count(), 2);
  EXPECT_DOUBLE_EQ(node.KeyFrames()[1].Time(), 700);
  EXPECT_EQ(last->Node(), nullptr) << "a freed key frame leaves its node";
  EXPECT_EQ(last->Index(), -1);
}

TEST(ObjectTree, CreatorsWrapTheOneTheyReplace) {
  struct TTagged : TZolFrame {
    using TZolFrame::TZolFrame;
  };
  struct TRestore {
    TObjectCreator previous;
    ~TRestore() { SetObjectCreator(previous); }
  } restore{SetObjectCreator(nullptr)};
  SetObjectCreator([previous = restore.previous](TZolObjectKind kind, TZolObject& parent,
                                                 TZolObjectProps& node) -> TRef<TZolObject> {
    if (kind == TZolObjectKind::Image)
      return TZolObject::Make<TTagged>(&parent, TRef<TZolObjectProps>(&node));
    return previous(kind, parent, node);
  });
  TSlideRig rig(Obj("Image", "I", "", Obj("Box", "B")) + Obj("Text", "T"));
  EXPECT_NE(dynamic_cast<TTagged*>(&rig.Object("I")), nullptr);
  EXPECT_NE(dynamic_cast<TZolFrame*>(&rig.Object("B")), nullptr);
  EXPECT_EQ(TSlideRig::Find(*rig.slide, "T"), nullptr);
}

TEST(ObjectTree, ANodeTakesOneObjectOnly) {
  TSlideRig rig(Obj("Frame", "A"));
  TZolObject& a = rig.Object("A");
  EXPECT_THROW(TZolObject::Make<TZolFrame>(rig.slide.get(), TRef<TZolObjectProps>(&a.Node())), EAssertion);
  EXPECT_EQ(rig.slide->ChildCount(), 1);
  EXPECT_EQ(a.Node().Object(), &a);
}

TEST(ObjectTree, CommonParametersAndTheirDefaults) {
  TSlideRig rig(
      Obj("Frame", "D") +
      Obj("Frame", "P",
          "FitMode=cover\nPosMode=Absolute\nCenterMode=absolute\nTranspForClick=1\nTreeNode=0\n"
          "ShadowEnable=1\nShadowSize=4\nShadowColor=16711680\nShadowOpacity=20\nShadowDistance=3\n"
          "ShadowAngle=90\nShadowSpreadIndex=2\n3DShadow=1\nHideMode=3\nChildInvis=1\n"
          "Action=gotoslide(2)\n") +
      Obj("Frame", "Bad", "FitMode=Stretch\nPosMode=\nTranspForClick=yes\nShadowSize=big\nHideMode=x\n"));
  struct TCase {
    std::string name;
    TFitMode fit;
    TPosMode pos, center;
    bool transp, treeNode, shadow, hideFront, hideBack, childInvis;
    float shadowSize;
    uint32_t shadowColor;
    std::string action;
  };
  const TCase cases[] = {
      {"D", TFitMode::PlaceInto, TPosMode::Percent, TPosMode::Percent, false, true, false, false, false,
       false, 16, 0, ""},
      {"P", TFitMode::Cover, TPosMode::Absolute, TPosMode::Absolute, true, false, true, true, true, true, 4,
       0xFF0000, "gotoslide(2)"},
      {"Bad", TFitMode::PlaceInto, TPosMode::Percent, TPosMode::Percent, false, true, false, false, false,
       false, 16, 0, ""},
  };
  for (const TCase& c : cases) {
    const TZolObject& o = rig.Object(c.name);
    EXPECT_EQ(o.FitMode(), c.fit) << c.name;
    EXPECT_EQ(o.PosMode(), c.pos) << c.name;
    EXPECT_EQ(o.CenterMode(), c.center) << c.name;
    EXPECT_EQ(o.TranspForClick(), c.transp) << c.name;
    EXPECT_EQ(o.TreeNodeFlag(), c.treeNode) << c.name;
    EXPECT_EQ(o.Shadow().enabled, c.shadow) << c.name;
    EXPECT_EQ(o.HideFront(), c.hideFront) << c.name;
    EXPECT_EQ(o.HideBack(), c.hideBack) << c.name;
    EXPECT_EQ(o.ChildInvis(), c.childInvis) << c.name;
    EXPECT_FLOAT_EQ(o.Shadow().size, c.shadowSize) << c.name;
    EXPECT_EQ(o.Shadow().color, c.shadowColor) << c.name;
    EXPECT_EQ(o.Action(), c.action) << c.name;
  }
  const TObjectShadow& shadow = rig.Object("P").Shadow();
  EXPECT_FLOAT_EQ(shadow.opacity, 20);
  EXPECT_FLOAT_EQ(shadow.distance, 3);
  EXPECT_DOUBLE_EQ(shadow.angle, 90);
  EXPECT_EQ(shadow.spreadIndex, 2);
  EXPECT_TRUE(shadow.follows3D);
  const TObjectShadow& defaults = rig.Object("D").Shadow();
  EXPECT_FLOAT_EQ(defaults.opacity, 59);
  EXPECT_FLOAT_EQ(defaults.distance, 1.5f);
  EXPECT_DOUBLE_EQ(defaults.angle, 45);
}

TEST(ObjectTree, ShadowColourGoesToTheDisplayOnlyWhenDrawn) {
  TSlideRig rig("");
  rig.host->SetColorConverter([](uint32_t rgb) { return rgb ^ 0xFFFFFFu; });
  rig.Read(Obj("Frame", "On", "ShadowEnable=1\nShadowColor=255\n") +
           Obj("Frame", "Off", "ShadowColor=255\n"));
  EXPECT_EQ(rig.Object("On").Shadow().displayColor, 0xFFFF00u);
  EXPECT_EQ(rig.Object("Off").Shadow().displayColor, 0x0000FFu);
}

}  // namespace
}  // namespace zol
