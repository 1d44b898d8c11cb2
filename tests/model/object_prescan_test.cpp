#include <gtest/gtest.h>

#include <string>

#include "model/object_creator.h"
#include "model/zol_frame.h"
#include "object_test_support.h"
#include "package/load_yield.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TSlideRig;

std::string KeyAt(int time, std::string items) {
  return Key("Time=" + std::to_string(time) + "\n" + items);
}

TEST(ObjectPrescan, LargestDisplayedSizeOverAllKeyFrames) {
  struct TCase {
    std::string name;
    std::string tree;
    std::string measured;
    float width, height;
  };
  const TCase cases[] = {
      {"largest of each side",
       Obj("Frame", "A", "Size=100,100\nFitMode=None\n",
           KeyAt(0, "") + KeyAt(1000, "ScaleX=300\nScaleY=50\n") + KeyAt(2000, "ScaleY=200\n")),
       "A", 300, 200},
      // Nearer than the drawing plane: magnified by 800 / (800 - 100).
      {"nearer is larger", Obj("Frame", "A", "Size=100,100\nFitMode=None\n", KeyAt(0, "ZPos=-50\n")), "A",
       100 / 0.875f, 100 / 0.875f},
      {"farther is smaller", Obj("Frame", "A", "Size=100,100\nFitMode=None\n", KeyAt(0, "ZPos=100\n")), "A",
       100 / 1.25f, 100 / 1.25f},
      {"parent scale counts",
       Obj("Frame", "P", "Size=100,100\nFitMode=None\n",
           KeyAt(0, "ScaleX=200\n") + Obj("Frame", "C", "Size=10,20\nFitMode=None\n")),
       "C", 20, 20},
      {"key frames of other objects count",
       Obj("Frame", "A", "Size=100,100\nFitMode=None\n") +
           Obj("Frame", "B", "Size=1,1\n", KeyAt(0, "") + KeyAt(3000, "")),
       "A", 100, 100},
      {"without key frames the placement as read", Obj("Frame", "A", "Size=40,30\nFitMode=None\n"), "A", 40,
       30},
  };
  for (const TCase& c : cases) {
    TSlideRig rig(c.tree);
    rig.At(500);
    EXPECT_TRUE(rig.slide->PrescanDone()) << c.name;
    const TSizeF size = rig.Object(c.measured).LargestDisplayedSize();
    EXPECT_NEAR(size.width, c.width, 1e-3) << c.name;
    EXPECT_NEAR(size.height, c.height, 1e-3) << c.name;
    EXPECT_NEAR(rig.slide->LargestDisplayedSize().width, 1000, 1e-3) << c.name;
  }
}

TEST(ObjectPrescan, TreeIsLeftAtTheCurrentTime) {
  TSlideRig rig(Obj("Frame", "A", "Size=100,100\nFitMode=None\n",
                    KeyAt(0, "ScaleX=100\n") + KeyAt(1000, "ScaleX=300\n")));
  rig.At(500);
  EXPECT_FLOAT_EQ(rig.Object("A").ScaleX(), 200);
  EXPECT_NEAR(rig.Object("A").Frame().xAxis.x, 2, 1e-6);
  EXPECT_DOUBLE_EQ(rig.slide->SlideTime(), 500);
}

TEST(ObjectPrescan, StopsWhenLoadsAreToStop) {
  TSlideRig rig(
      Obj("Frame", "A", "Size=100,100\nFitMode=None\n", KeyAt(0, "") + KeyAt(1000, "ScaleX=300\n")));
  SetLoadYieldMode(TLoadYieldMode::Stop);
  rig.At(0);
  SetLoadYieldMode(TLoadYieldMode::Off);
  EXPECT_TRUE(rig.slide->PrescanDone()) << "not tried again every frame";
  EXPECT_FLOAT_EQ(rig.Object("A").LargestDisplayedSize().width, 0);
}

// Texts re-rasterise when their largest size moves; this kind counts it.
class TSizeWatcher : public TZolFrame {
 public:
  using TZolFrame::TZolFrame;
  int changes = 0;

 protected:
  void LargestSizeChanged() override { ++changes; }
};

TEST(ObjectPrescan, ReReadReportsOnlyRealSizeChanges) {
  TObjectCreator previous = SetObjectCreator([](TZolObjectKind, TZolObject& parent, TZolObjectProps& node) {
    return TRef<TZolObject>(TZolObject::Make<TSizeWatcher>(&parent, TRef<TZolObjectProps>(&node)));
  });
  const std::string small = Obj("Box", "W", "Size=10,10\nFitMode=None\n", KeyAt(0, ""));
  const std::string large = Obj("Box", "W", "Size=10,10\nFitMode=None\n", KeyAt(0, "ScaleX=200\n"));
  TSlideRig rig(small);
  rig.At(0);
  auto& watcher = static_cast<TSizeWatcher&>(rig.Object("W"));
  EXPECT_EQ(watcher.changes, 1);
  rig.Read(small);
  rig.At(1);
  EXPECT_EQ(watcher.changes, 1);
  rig.Read(large);
  rig.At(2);
  EXPECT_EQ(watcher.changes, 2);
  EXPECT_FLOAT_EQ(watcher.LargestDisplayedSize().width, 20);
  SetObjectCreator(std::move(previous));
}

}  // namespace
}  // namespace zol
