#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "model/object_creator.h"
#include "model/zol_frame.h"
#include "object_test_support.h"
#include "render/device_drawer.h"
#include "support/quiet_drawer.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TSlideRig;

// The scene drawer lives above the model; this one only records what it is
// asked to draw.
class TRecordingDrawer : public test::TQuietDrawer {
 public:
  std::string log;
  void BeginDraw() override { log += "["; }
  bool EndDraw() override { return log += "]", true; }
};

// A kind that writes its name when drawn, and fails when its name says so.
class TNamedFrame : public TZolFrame {
 public:
  using TZolFrame::TZolFrame;
  void DrawSelf(TDeviceDrawer& drawer) override {
    if (Name().starts_with("Broken")) throw std::runtime_error("no picture");
    static_cast<TRecordingDrawer&>(drawer).log += Name() + " ";
  }
};

class ObjectDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetObjectCreator([](TZolObjectKind kind, TZolObject& parent, TZolObjectProps& node) {
      return kind == TZolObjectKind::Box
                 ? TRef<TZolObject>(TZolObject::Make<TNamedFrame>(&parent, TRef<TZolObjectProps>(&node)))
                 : CreateBuiltInObject(kind, parent, node);
    });
  }
  void TearDown() override { SetObjectCreator(std::move(previous_)); }

  static std::string Box(std::string name, std::string items = "", std::string children = "") {
    return Obj("Box", name, "Size=10,10\n" + items, children);
  }

 private:
  TObjectCreator previous_;
};

TEST_F(ObjectDraw, ParentsFirstThenChildrenInOrderSkippingWhatIsNotShown) {
  struct TCase {
    std::string tree;
    double t;
    std::string want;
  };
  const TCase cases[] = {
      {Box("A", "", Box("A1") + Box("A2")) + Box("B"), 0, "[A A1 A2 B ]"},
      // A broken object is skipped for the frame; its children and the rest are drawn.
      {Box("Broken", "", Box("Child")) + Box("B"), 0, "[Child B ]"},
      // An object outside its time window is not drawn, its children are.
      {Box("Late", "DeltaTime1=1000\n", Box("Kid")) + Box("B"), 500, "[Kid B ]"},
      {Box("Late", "DeltaTime1=1000\n", Box("Kid")) + Box("B"), 1500, "[Late Kid B ]"},
      {Box("Away", "HideMode=1\nChildInvis=1\n", Key("AngleY=180\n") + Box("Hidden")) + Box("B"), 0, "[B ]"},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(c.tree);
    rig.At(c.t);
    auto drawer = MakeRef<TRecordingDrawer>();
    EXPECT_TRUE(drawer->DrawItem(*rig.slide));
    EXPECT_EQ(drawer->log, c.want);
    EXPECT_FALSE(rig.slide->IsChanged()) << "drawing commits every object";
  }
}

TEST_F(ObjectDraw, ChangesAreTrackedUntilCommitted) {
  TSlideRig rig(Box("A", "", Key("Time=0\nOpacity=0\n") + Key("Time=1000\nOpacity=100\n")) +
                Box("Still", "", Key("Time=0\n")));
  EXPECT_TRUE(rig.slide->IsChanged()) << "a fresh read must be drawn";
  rig.At(0);
  rig.slide->Commit(true);
  EXPECT_FALSE(rig.slide->IsChanged());

  struct TStep {
    double t;
    bool changed;
  };
  const TStep steps[] = {{0, false}, {500, true}, {500, false}, {1000, true}, {3000, false}, {4000, false}};
  for (const TStep& step : steps) {
    rig.At(step.t);
    EXPECT_EQ(rig.slide->IsChanged(), step.changed) << step.t;
    EXPECT_EQ(rig.Object("Still").IsChanged(), false) << step.t;
    rig.slide->Commit(true);
  }
  rig.Read(Box("A", "", Key("Time=0\nOpacity=0\n") + Key("Time=1000\nOpacity=100\n")) + Box("Still"));
  EXPECT_TRUE(rig.slide->IsChanged()) << "a re-read must be drawn";
}

TEST_F(ObjectDraw, OpacityAndBlurComeFromTheSlide) {
  TSlideRig rig(Box("A", "", Key("Opacity=40\nBlur=0.5\n")));
  rig.At(0);
  EXPECT_FLOAT_EQ(rig.Object("A").GetOpacity(), 40);
  EXPECT_FLOAT_EQ(rig.Object("A").GetBlur(), 500) << "slide width x Blur";
  EXPECT_FLOAT_EQ(rig.slide->GetOpacity(), 100);
}

}  // namespace
}  // namespace zol
