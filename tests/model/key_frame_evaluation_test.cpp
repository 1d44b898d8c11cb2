#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "model/key_frame.h"
#include "object_test_support.h"

namespace zol {
namespace {

using test::Key;
using test::Obj;
using test::TNodeRig;

std::string KeyAt(int time, std::string items) {
  return Key("Time=" + std::to_string(time) + "\n" + items);
}

TEST(KeyFrameEvaluation, OpacityBetweenTwoKeyFrames) {
  TNodeRig rig(Obj("Image", "A", "", KeyAt(0, "Opacity=0\n") + KeyAt(1000, "Opacity=100\n")));
  struct TCase {
    double t;
    float opacity;
  };
  // Forward, then jumping back: the resumed search must land the same way.
  const TCase cases[] = {{-50, 0},    {0, 0},       {250, 25}, {500, 50}, {999, 99.9f}, {1000, 100},
                         {5000, 100}, {20000, 100}, {750, 75}, {-10, 0},  {250, 25}};
  for (const TCase& c : cases) EXPECT_NEAR(rig.Value(kFieldOpacity, c.t), c.opacity, 1e-4) << c.t;
}

TEST(KeyFrameEvaluation, KeyFrameWithoutTheGroupDoesNotInterruptItsTrack) {
  TNodeRig rig(Obj("Image", "A", "",
                   KeyAt(0, "Position=0,0\nOpacity=0\n") +
                       KeyAt(500, "grps=1\nOpacity=50\nPosition=900,900\n") +
                       KeyAt(1000, "Position=100,40\nOpacity=100\n")));
  struct TCase {
    double t;
    int field;
    float want;
  };
  const TCase cases[] = {
      {250, kFieldPosX, 25},    {750, kFieldPosX, 75},    {750, kFieldPosY, 30},
      {250, kFieldOpacity, 25}, {750, kFieldOpacity, 75}, {500, kFieldOpacity, 50},
      {500, kFieldPosX, 50},    {2000, kFieldPosX, 100},  {100, kFieldScaleX, 100},
  };
  for (const TCase& c : cases) EXPECT_NEAR(rig.Value(c.field, c.t), c.want, 1e-4) << c.t << " " << c.field;
  EXPECT_EQ(rig.node->Track(kGroupPos).first, 0);
  EXPECT_EQ(rig.node->Track(kGroupPos).last, 2);
}

TEST(KeyFrameEvaluation, KeyFramesTooCloseTogetherJump) {
  TNodeRig rig(Obj("Image", "A", "", KeyAt(0, "Opacity=0\n") + KeyAt(1, "Opacity=100\n")));
  rig.KeyFrame(1).SetTime(0.00005);
  rig.node->KeyFrames().MarkChanged();
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 0.00002), 0);
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 0.00005), 100);
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 1), 100);
}

TEST(KeyFrameEvaluation, ImageFrameAnimatesOnlyOnPictures) {
  struct TCase {
    std::string type;
    float zoomAt500;
  };
  const TCase cases[] = {{"Image", 200},  {"Video", 200},    {"Text", 100},
                         {"Button", 100}, {"AniImage", 100}, {"Box", 100}};
  for (const TCase& c : cases) {
    TNodeRig rig(Obj(c.type, "A", "", KeyAt(0, "Zoom=100\n") + KeyAt(1000, "Zoom=300\n")));
    EXPECT_FLOAT_EQ(rig.Value(kFieldFrameS, 500), c.zoomAt500) << c.type;
  }
}

TEST(KeyFrameEvaluation, FrameOffsetFollowsTheZoom) {
  struct TCase {
    std::string first, second;
    bool forceAspect;  // a 1000 x 500 picture shown square
    double t;
    float offsX;
  };
  const TCase cases[] = {
      {"Zoom=100\nOffsX=0\n", "Zoom=200\nOffsX=100\n", false, 500, 100},
      {"Zoom=200\nOffsX=-100\n", "Zoom=400\nOffsX=100\n", false, 500, 50},
      {"Zoom=200\nOffsX=-100\n", "Zoom=400\nOffsX=100\n", false, 0, -100},
      {"Zoom=200\nOffsX=-100\n", "Zoom=400\nOffsX=100\n", false, 1000, 100},
      // Equal zooms: plain interpolation.
      {"Zoom=200\nOffsX=-100\n", "Zoom=200\nOffsX=100\n", false, 500, 0},
      {"Zoom=100\nOffsX=0\n", "Zoom=200\nOffsX=100\n", true, 500, 75},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj("Image", "A", "", KeyAt(0, c.first) + KeyAt(1000, c.second)));
    if (c.forceAspect) rig.node->SetAspectFactors(true, 1, 1000, 500);
    EXPECT_NEAR(rig.Value(kFieldFrameX, c.t), c.offsX, 1e-3) << c.first << c.second << c.t;
  }
}

TEST(KeyFrameEvaluation, AspectFactors) {
  struct TCase {
    bool enable;
    double aspect;
    int width, height;
    float x, y;
  };
  const TCase cases[] = {
      {false, 1, 1000, 500, 0.01f, 0.01f}, {true, 0, 1000, 500, 0.01f, 0.01f},
      {true, 1, 1000, 500, 0.02f, 0.01f},  {true, 4, 1000, 500, 0.01f, 0.02f},
      {true, 1, 0, 500, 0.01f, 0.01f},     {true, 2, 1000, 500, 0.01f, 0.01f},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(Obj("Image", "A"));
    rig.node->SetAspectFactors(c.enable, c.aspect, c.width, c.height);
    EXPECT_FLOAT_EQ(rig.node->AspectFactorX(), c.x) << c.aspect;
    EXPECT_FLOAT_EQ(rig.node->AspectFactorY(), c.y) << c.aspect;
  }
}

TEST(KeyFrameEvaluation, OneKeyFrameHoldsAndLeavesOutsideValuesAlone) {
  TNodeRig rig(Obj("Image", "A", "", KeyAt(2000, "Opacity=40\nScaleX=100\n")));
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 0), 40);
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 9000), 40);
  rig.node->SetFieldValue(kFieldScaleX, 300);
  EXPECT_FLOAT_EQ(rig.Value(kFieldScaleX, 5000), 300) << "not rewritten while nothing changed";
  rig.node->ReadTree(TRef<TIniObject>(rig.node->Source()), rig.node->Timing());
  EXPECT_FLOAT_EQ(rig.Value(kFieldScaleX, 5000), 100) << "a re-read takes the key frame's values";
  EXPECT_EQ(rig.node->Track(kGroupColor).last, 0) << "an image key frame carries the Color group";

  TNodeRig frame(Obj("Frame", "B", "", KeyAt(0, "")));
  frame.Value(kFieldOpacity, 0);
  EXPECT_EQ(frame.node->Track(kGroupColor).last, -1);
}

TEST(KeyFrameEvaluation, NoKeyFramesKeepDefaultsAndOutsideValues) {
  TNodeRig rig(Obj("Image", "A"));
  for (const TAnimatedFieldDesk& field : AnimatedFields())
    EXPECT_FLOAT_EQ(rig.Value(field.index, 500), field.defaultValue) << field.dottedName;
  rig.node->SetFieldValue(kFieldScaleY, 55);
  EXPECT_FLOAT_EQ(rig.Value(kFieldScaleY, 700), 55);
}

// The resumed previous/next search against a search from scratch and against
// a plain scan, over key frames where only some carry the Opacity group.
TEST(KeyFrameEvaluation, ResumedSearchMatchesAFreshOne) {
  std::mt19937 random(11);
  std::string keys;
  struct TKey {
    int time;
    bool opacity;
    int value;
  };
  std::vector<TKey> list;
  int time = 0;
  for (int i = 0; i < 40; ++i) {
    time += int(random() % 3) * 100;  // repeats times now and then
    const bool opacity = random() % 3 != 0;
    const int value = int(random() % 101);
    list.push_back({time, opacity, value});
    keys += KeyAt(
        time, (opacity ? "grps=1\n" : "grps=2\n") + std::string("Opacity=") + std::to_string(value) + "\n");
  }
  const std::string text = Obj("Image", "A", "", keys);
  const TObjectTiming timing{time + 1000, 0, 0};
  TNodeRig playing(text, timing);

  auto scan = [&](double t) {
    std::vector<TKey> on;
    for (const TKey& k : list)
      if (k.opacity) on.push_back(k);
    t = std::clamp(t, 0.0, double(timing.slideEnd));
    if (on.empty()) return 100.0;
    if (t < on.front().time) return double(on.front().value);
    size_t p = 0;
    for (size_t i = 0; i < on.size(); ++i)
      if (on[i].time <= t) p = i;
    if (p + 1 == on.size()) return double(on[p].value);
    const double span = on[p + 1].time - on[p].time;
    return on[p].value + (on[p + 1].value - on[p].value) * (span > 0.0001 ? (t - on[p].time) / span : 0);
  };

  std::vector<double> times;
  for (double t = -100; t < time + 1500; t += 37) times.push_back(t);
  for (double t = time + 1500; t > -100; t -= 53) times.push_back(t);
  for (int i = 0; i < 100; ++i) times.push_back(double(random() % uint32_t(time + 2000)) - 500);
  for (double t : times) {
    TNodeRig fresh(text, timing);
    const float resumed = playing.Value(kFieldOpacity, t);
    EXPECT_FLOAT_EQ(resumed, fresh.Value(kFieldOpacity, t)) << t;
    EXPECT_NEAR(resumed, scan(t), 1e-3) << t;
  }
}

TEST(KeyFrameEvaluation, RescalingMultipliesAndRounds) {
  struct TCase {
    double factor;
    int first, second, delta;
    double wantFirst, wantSecond, wantDelta;
  };
  const TCase cases[] = {
      {2, 1000, 2000, 500, 2000, 4000, 1000},
      {0, 1000, 2000, 500, 1000, 2000, 500},  // below 0.0001 counts as 1
      {-3, 1000, 2000, 500, 1000, 2000, 500},
      {1.5, 333, 1000, 1, 500, 1500, 2},
      {0.5, 3, 1001, 3, 2, 501, 2},
  };
  for (const TCase& c : cases) {
    TNodeRig rig(
        Obj("Frame", "A", "DeltaTime1=" + std::to_string(c.delta) + "\n",
            KeyAt(c.first, "Opacity=0\n") + KeyAt(c.second, "Opacity=100\n") +
                Obj("Frame", "B", "DeltaTime2=" + std::to_string(c.delta) + "\n", KeyAt(c.first, ""))));
    const TObjectTiming timing{20000, 500, 700};
    rig.node->RescaleTimes(timing, true, c.factor);
    EXPECT_DOUBLE_EQ(rig.KeyFrame(0).Time(), c.wantFirst) << c.factor;
    EXPECT_DOUBLE_EQ(rig.KeyFrame(1).Time(), c.wantSecond) << c.factor;
    EXPECT_DOUBLE_EQ(rig.node->DeltaTime1(), c.wantDelta) << c.factor;
    const TZolObjectProps& child = rig.node->Child(0);
    EXPECT_DOUBLE_EQ(child.KeyFrames()[0].Time(), c.wantFirst) << c.factor;
    EXPECT_DOUBLE_EQ(child.DeltaTime2(), c.wantDelta) << c.factor;
    EXPECT_EQ(child.Timing(), timing);
    EXPECT_TRUE(child.TimesRescaled());
  }
}

TEST(KeyFrameEvaluation, RescaledTimesTakeEffectAtOnce) {
  TNodeRig rig(Obj("Frame", "A", "", KeyAt(0, "Opacity=0\n") + KeyAt(1000, "Opacity=100\n")));
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 500), 50);
  rig.node->RescaleTimes({20000, 0, 0}, true, 2);
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 500), 25);
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 1500), 75);
}

TEST(KeyFrameEvaluation, KeyFramesAreSortedByTimeKeepingTies) {
  TNodeRig rig(Obj("Frame", "A", "",
                   KeyAt(2000, "Opacity=20\n") + KeyAt(1000, "Opacity=10\n") + KeyAt(1000, "Opacity=11\n") +
                       KeyAt(0, "Opacity=0\n")));
  const float want[] = {0, 10, 11, 20};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(float(rig.KeyFrame(i).GetKeyValue(kFieldOpacity)), want[i]);
    EXPECT_EQ(rig.KeyFrame(i).Index(), i);
  }
  EXPECT_FLOAT_EQ(rig.Value(kFieldOpacity, 1500), 15.5f);
}

}  // namespace
}  // namespace zol
