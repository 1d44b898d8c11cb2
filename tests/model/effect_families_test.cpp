#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/effect_families.h"
#include "model/effect_manager.h"
#include "model_fixture.h"

namespace zol {
namespace {

using test::ParseProject;

struct TFamilyCase {
  std::string_view items;  // the slide reference's items, "ref" first
  bool exists = false;
  std::vector<uint8_t> flags = {};
  std::vector<int32_t> ints = {};
  std::vector<float> reals = {};
  double smoothline = 0;
  int32_t variants = 0;
};

std::optional<TZolEffect> ReadSlideEffect(std::string_view items) {
  TRef<TZOLEffectManager> catalog = MakeRef<TZOLEffectManager>(
      ParseProject("[Times]\nopt_slidescount=1\n[Slide1]\nobject TheEffect:AnEffect\n" + std::string(items) +
                   "\nend\n"),
      1920, 1080);
  const TEffectProp& view = *catalog->SlideView(0);
  return ReadFamilyEffect(FamilyByName(view.EffectName()), view);
}

TEST(EffectFamilies, ReadersTakeFlagsIntegersAndRealsWithDefaults) {
  const double none = TZolEffect::kNoSoftEdge;
  const TFamilyCase cases[] = {
      {"ref=dissolve", true, {1}, {}, {}, none, 1},
      {"ref=dissolve\nchecked=0", false},
      {"ref=dissolve\nchecked=x", true, {1}, {}, {}, none, 1},
      // Hour hand: actions, then the 3 x 3 grid row by row.
      {"ref=hourhand\naction=01\ndirection=000010000\noffset=0.3",
       true,
       {0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0},
       {},
       {0.3f},
       0.35,
       1},
      {"ref=hourhand\naction=11\ndirection=110000000\nsmoothline=0.05",
       true,
       {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
       {},
       {0},
       none,
       4},
      {"ref=hourhand\naction=10\ndirection=1\noffset=far\nsmoothline=0.6",
       true,
       {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0},
       {},
       {0},
       0.6,
       1},
      {"ref=hourhand\ndirection=111111111", false},
      {"ref=shapes\naction=10\ndirection=111\ncenterx=25\ncentery=bad",
       true,
       {1, 0, 1, 1, 1},
       {25, 50},
       {},
       none,
       3},
      {"ref=shapes\naction=01\ndirection=010\nsmoothline=0.2", true, {0, 1, 0, 1, 0}, {50, 50}, {}, 0.2, 1},
      {"ref=gates\ndirection=10000001", true, {1, 0, 0, 0, 0, 0, 0, 1}, {}, {}, none, 2},
      {"ref=page\ndirection=1", true, {1, 0, 0, 0, 0, 0, 0, 0}, {}, {}, none, 1},
      {"ref=page", false},
      {"ref=mosaic\ncols=4\nrows=3\nappearence=50", true, {1}, {4, 3, 50, 0}, {}, none, 1},
      {"ref=mosaic\ncols=x\nrows=2.5", true, {1}, {1, 1, 0, 0}, {}, none, 1},
      {"ref=mosaic\nchecked=0", false},
      // Four-way families keep left, up, right, down.
      {"ref=push\ndirection=0010", true, {0, 0, 1, 0}, {}, {}, none, 1},
      {"ref=push\ndirection=1000", true, {0, 1, 0, 0}, {}, {}, none, 1},
      {"ref=slide\ndirection=0100", true, {1, 0, 0, 0}, {}, {}, none, 1},
      {"ref=slide\ndirection=1111", true, {1, 1, 1, 1}, {}, {}, none, 4},
      // Curling reads its directions from the last character to the first.
      {"ref=curling\naction=10\ndirection=10000000\nusecolor=1\nusevolume=0\npipe=0\ncolor=255\nradius=0.1\n"
       "3dvolume=bad",
       true,
       {1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0},
       {0, 255},
       {0.1f, 0.125f},
       none,
       1},
      {"ref=curling\naction=11\ndirection=00000011",
       true,
       {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
       {1, 0},
       {0, 0.125f},
       none,
       4},
      {"ref=flip\ndirection=0001\nspin_center=1\nnonlinear_speed=1\n3dvolume=0.8",
       true,
       {0, 0, 0, 1, 1, 1},
       {},
       {0.8f},
       none,
       1},
      {"ref=flip\ndirection=0000\nspin_center=1\nnonlinear_speed=1", false},
      {"ref=swap\ndirection=1001", true, {0, 1, 0, 1}, {}, {4, 1, 60}, none, 2},
      {"ref=swap\ndirection=0100\ndepth=2\ndistance=0.5\nangle=30",
       true,
       {1, 0, 0, 0},
       {},
       {2, 0.5f, 30},
       none,
       1},
  };
  for (const TFamilyCase& c : cases) {
    SCOPED_TRACE(c.items);
    const std::optional<TZolEffect> effect = ReadSlideEffect(c.items);
    ASSERT_EQ(effect.has_value(), c.exists);
    if (!effect) continue;
    EXPECT_EQ(effect->flags, c.flags);
    EXPECT_EQ(effect->ints, c.ints);
    EXPECT_EQ(effect->reals, c.reals);
    EXPECT_DOUBLE_EQ(effect->smoothline, c.smoothline);
    EXPECT_EQ(effect->variantCount, c.variants);
    EXPECT_EQ(effect->name, EffectTypeName(effect->type));
  }
}

TEST(EffectFamilies, NamesAndStandardIndices) {
  const std::tuple<std::string_view, TEffectType, int> families[] = {
      {"dissolve", TEffectType::Dissolve, 2}, {"HourHand", TEffectType::HourHand, 4},
      {"shapes", TEffectType::Shapes, 5},     {"gates", TEffectType::Gates, 6},
      {"page", TEffectType::Page, 7},         {"mosaic", TEffectType::Mosaic, 8},
      {"push", TEffectType::Push, 9},         {"slide", TEffectType::Slide, 10},
      {"curling", TEffectType::Curling, 11},  {"flip", TEffectType::Flip, 12},
      {"SWAP", TEffectType::Swap, 13},
  };
  for (auto [name, type, stdIndex] : families) {
    EXPECT_EQ(FamilyByName(name), type) << name;
    EXPECT_EQ(FamilyByStdIndex(stdIndex), type) << stdIndex;
  }
  for (std::string_view other : {"quick", "default", "custom", "", "stars"})
    EXPECT_EQ(FamilyByName(other), TEffectType::None) << other;
  for (int other : {-1, 0, 1, 3, 14, 99}) EXPECT_EQ(FamilyByStdIndex(other), TEffectType::None) << other;
  EXPECT_EQ(EffectTypeName(TEffectType::Custom), "custom");
  EXPECT_EQ(EffectTypeName(TEffectType::None), "none");
  EXPECT_EQ(EffectTypeName(TEffectType(77)), "none");
}

TEST(EffectFamilies, SmoothlineBelowATenthMeansNoSoftEdge) {
  const std::pair<double, double> cases[] = {{0.05, 0.001}, {0, 0.001},   {-1, 0.001}, {0.0999, 0.001},
                                             {0.1, 0.1},    {0.35, 0.35}, {2, 2}};
  for (auto [read, stored] : cases) EXPECT_DOUBLE_EQ(StoredSmoothline(read), stored) << read;
}

TEST(EffectFamilies, KeepingOneVariant) {
  struct TCase {
    std::string_view items;
    int32_t variant;
    std::vector<uint8_t> flags;
  };
  const TCase cases[] = {
      // Variants run action by action, direction by direction.
      {"ref=hourhand\naction=11\ndirection=100010001", 0, {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"ref=hourhand\naction=11\ndirection=100010001", 4, {0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"ref=hourhand\naction=11\ndirection=100010001", 5, {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
      // Top-left with the reverse action: the reversed up-left broom.
      {"ref=hourhand\naction=01\ndirection=100000000", 0, {0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"ref=shapes\naction=11\ndirection=011", 2, {0, 1, 0, 1, 0}},
      {"ref=push\ndirection=1111", 2, {0, 0, 1, 0}},
      {"ref=gates\ndirection=01010101", 3, {0, 0, 0, 0, 0, 0, 0, 1}},
      // Colour and volume switches stay with every variant.
      {"ref=curling\naction=10\ndirection=11000000\nusecolor=1\nusevolume=1",
       1,
       {1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1}},
      // So do flip's spin and speed switches.
      {"ref=flip\ndirection=1111\nspin_center=1\nnonlinear_speed=1", 3, {0, 0, 0, 1, 1, 1}},
      {"ref=mosaic", 0, {1}},
  };
  for (const TCase& c : cases) {
    std::optional<TZolEffect> effect = ReadSlideEffect(c.items);
    ASSERT_TRUE(effect) << c.items;
    effect->KeepVariant(c.variant);
    EXPECT_EQ(effect->flags, c.flags) << c.items << " variant " << c.variant;
    EXPECT_EQ(effect->CountVariants(), 1) << c.items;
  }
}

}  // namespace
}  // namespace zol
