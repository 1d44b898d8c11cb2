#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "foundation/ini_value.h"
#include "model/key_frame.h"
#include "model/key_frame_modifier.h"
#include "object_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TNodeRig;

// Stands in for compiled formulas, which live above the object model: "fn"
// names one of a few operations on the destination's current value or its
// group's fraction, read through the node like a formula's variables.
class TTestModifier : public TKeyFrameModifier {
 public:
  TTestModifier(TZolObjectProps& node, const TIniObject& object, TModifierDestination destination)
      : node_(node),
        destination_(destination),
        fn_(AsString(object.Find("fn"))),
        id_(AsString(object.Find("id"))),
        revision_(AsInt64(object.Find("$rev"), 0)),
        disabled_(AsBool(object.Find("Disable"), false)) {}

  double Evaluate() override {
    const int group = destination_.group ? destination_.index : AnimatedField(destination_.index).group;
    const double t = node_.GroupFraction(group);
    const double value = destination_.group ? t : node_.FieldValue(destination_.index);
    if (fn_ == "T*100") return t * 100;
    if (fn_ == "T*T") return t * t;
    if (fn_ == "value*0.5") return value * 0.5;
    if (fn_ == "value+10") return value + 10;
    if (fn_ == "fail") throw std::runtime_error("division by zero");
    return 0;
  }
  bool Disabled() const override { return disabled_; }
  bool Accepts(const TIniObject& object) const override {
    return AsString(object.Find("id")) == id_ && AsInt64(object.Find("$rev"), 0) == revision_;
  }

 private:
  TZolObjectProps& node_;
  TModifierDestination destination_;
  std::string fn_, id_;
  int64_t revision_;
  bool disabled_;
};

class KeyFrameModifiers : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ =
        SetModifierFactory([](TZolObjectProps& node, const TIniObject& object, TModifierDestination dst) {
          if (AsString(object.Find("fn")).empty()) return TRef<TKeyFrameModifier>();
          return TRef<TKeyFrameModifier>(MakeRef<TTestModifier>(node, object, dst));
        });
  }
  void TearDown() override { SetModifierFactory(std::move(previous_)); }

  static std::string Mod(std::string dst, std::string fn, std::string more = "") {
    return "object :Mod\ndst=" + dst + "\nfn=" + fn + "\n" + more + "end\n";
  }
  static std::string KeyAt(int time, std::string items) {
    return Key("Time=" + std::to_string(time) + "\n" + items);
  }

 private:
  TModifierFactory previous_;
};

TEST_F(KeyFrameModifiers, OneKeyFrameRunsItsModifiersToTheSlideEnd) {
  TNodeRig rig(Obj("Image", "A", "", KeyAt(1000, Mod("Opacity", "T*100"))), {5000, 0, 0});
  struct TCase {
    double t;
    float opacity;
  };
  const TCase cases[] = {{500, 100}, {1001, 0.025f}, {3000, 50}, {5000, 100}, {7000, 100}, {2000, 25}};
  for (const TCase& c : cases) EXPECT_NEAR(rig.Value(kFieldOpacity, c.t), c.opacity, 1e-3) << c.t;
}

TEST_F(KeyFrameModifiers, GroupAndFieldModifiersActDuringTheirInterval) {
  struct TCase {
    std::string name;
    std::string firstKeyMods;
    std::string lastKeyMods;
    int field;
    double t;
    float want;
  };
  const TCase cases[] = {
      {"ease on Pos", Mod("Pos.T", "T*T"), "", kFieldPosX, 500, 25},
      {"ease on Pos ends at the next key", Mod("Pos.T", "T*T"), "", kFieldPosX, 2000, 100},
      {"ease leaves other groups", Mod("Pos.T", "T*T"), "", kFieldOpacity, 500, 50},
      {"field modifier", Mod("Opacity", "value*0.5"), "", kFieldOpacity, 500, 25},
      {"chain in read order", Mod("Opacity", "value*0.5") + Mod("Opacity", "value+10"), "", kFieldOpacity,
       500, 35},
      {"disabled passes through", Mod("Opacity", "value*0.5", "Disable=1\n") + Mod("Opacity", "value+10"), "",
       kFieldOpacity, 500, 60},
      {"last key runs to the slide end", "", Mod("Opacity", "T*100"), kFieldOpacity, 2000, 25},
      {"a failing formula gives 0", Mod("Opacity", "fail"), "", kFieldOpacity, 500, 0},
      {"unknown destination is ignored", Mod("Pos.Q", "T*T"), "", kFieldPosX, 500, 50},
      {"no formula, no modifier", Mod("Opacity", ""), "", kFieldOpacity, 500, 50},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj("Image", "A", "",
                     KeyAt(0, "Position=0,0\nOpacity=0\n" + c.firstKeyMods) +
                         KeyAt(1000, "Position=100,0\nOpacity=100\n" + c.lastKeyMods)),
                 {5000, 0, 0});
    EXPECT_NEAR(rig.Value(c.field, c.t), c.want, 1e-3) << c.name;
  }
}

TEST_F(KeyFrameModifiers, RangesCoverTheModifiedDestinations) {
  TNodeRig rig(Obj("Image", "A", "",
                   KeyAt(0, Mod("Scale.T", "T*T") + Mod("Blur", "value+10")) +
                       KeyAt(1000, Mod("Pos.T", "T*T") + Mod("Pos.Y", "value+10"))));
  rig.Value(kFieldOpacity, 10);
  EXPECT_EQ(rig.node->GroupModifierRange(), (TModifierRange{kGroupPos, kGroupScale + 1}));
  EXPECT_EQ(rig.node->FieldModifierRange(), (TModifierRange{kFieldPosY, kFieldBlur + 1}));
  EXPECT_TRUE(rig.KeyFrame(0).HasModifiers());
}

TEST_F(KeyFrameModifiers, UnchangedModifiersSurviveARead) {
  TNodeRig rig(Obj("Image", "A", "",
                   KeyAt(0, Mod("Opacity", "value*0.5", "id=m1\n$rev=3\n") + Mod("Pos.T", "T*T", "id=m2\n")) +
                       KeyAt(1000, "")));
  TZolKeyFrame& key = rig.KeyFrame(0);
  const TRef<TKeyFrameModifier> opacity = key.FieldModifiers().Chain(kFieldOpacity)[0];
  const TRef<TKeyFrameModifier> pos = key.GroupModifiers().Chain(kGroupPos)[0];
  // Same id and revision: kept. A new revision: made again.
  SetString(key.Source()->ObjectAt(1)->FindOrCreate("$rev"), "1");
  rig.node->ReadTree(TRef<TIniObject>(rig.node->Source()), rig.node->Timing());
  ASSERT_EQ(&rig.KeyFrame(0), &key) << "key frames are re-used by position";
  EXPECT_EQ(key.FieldModifiers().Chain(kFieldOpacity)[0], opacity);
  EXPECT_NE(key.GroupModifiers().Chain(kGroupPos)[0], pos);
  EXPECT_EQ(key.GroupModifiers().Chain(kGroupPos).size(), 1u);
}

}  // namespace
}  // namespace zol
