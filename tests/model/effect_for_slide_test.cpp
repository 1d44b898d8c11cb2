#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/zol_source.h"
#include "model_fixture.h"

namespace zol {
namespace {

using test::MakeSource;

constexpr std::string_view kShow = R"(
[Main]
object TheEffect:AnEffect
  time=1500
  object push:push
    stdidx=9
    checked=1
    direction=1111
  end
  object hourhand:hourhand
    stdidx=4
    checked=0
  end
  object myfx:custom
    sectionfield=dir
    dir=000
  end
end
[Times]
opt_slidescount=15
[Slide1]
[Slide2]
object TheEffect:AnEffect
  ref=quick
  time=900
end
[Slide3]
object TheEffect:AnEffect
  ref=defowntime
  time=800
end
[Slide4]
object TheEffect:AnEffect
  ref=defowntime
end
[Slide5]
object TheEffect:AnEffect
  ref=HourHand
  action=10
  direction=000010000
  time=600
  smoothline=0.2
end
[Slide6]
object TheEffect:AnEffect
  ref=gates
  time=500
end
[Slide7]
object TheEffect:AnEffect
  ref=push
  direction=1000
  time=-300
end
[Slide8]
object TheEffect:AnEffect
  ref=mosaic
  cols=5
  time=900
end
[Slide9]
object TheEffect:AnEffect
  ref=myfx
  dir=011
  time=700
end
[Slide10]
object TheEffect:AnEffect
  ref=otherfx
  time=400
  smoothline=0.3
end
[Slide11]
object TheEffect:AnEffect
  ref=myfx
  dir=000
  time=700
end
[Slide12]
object TheEffect:AnEffect
  ref=default
  time=50
  smoothline=0.05
end
[Slide13]
object TheEffect:AnEffect
  ref=dissolve
  time=abc
end
[Slide14]
object TheEffect:AnEffect
  ref=gates
  direction=1
  smoothline=0.05
  time=100
end
[effect_myfx_slide_1]
CustomEffTime=1200
)";

struct TCase {
  int slide;  // 0-based
  TEffectType type;
  double duration;
  double smoothline;
};

const TCase kCases[] = {
    // No choice of its own: a pool pick with the project's default time.
    {0, TEffectType::Push, 1500, 0.001},
    {1, TEffectType::None, 0, 0},
    {2, TEffectType::Push, 800, 0.001},
    {3, TEffectType::Push, 1500, 0.001},
    // A family named directly, whether or not the palette offers it.
    {4, TEffectType::HourHand, 600, 0.2},
    {5, TEffectType::None, 0, 0},  // gates without any direction
    {6, TEffectType::None, 0, 0},  // a negative time
    {7, TEffectType::Mosaic, 900, 0},
    {8, TEffectType::Custom, 700, 0},
    {9, TEffectType::Custom, 400, 0.3},
    {10, TEffectType::None, 0, 0},  // every option switched off
    {11, TEffectType::Push, 1500, 0.001},
    {12, TEffectType::None, 0, 0},  // a time that is no number
    {13, TEffectType::Gates, 100, 0.05},
    {14, TEffectType::None, 0, 0},  // no section Slide15
};

TEST(EffectForSlide, ResolvesEachKindOfChoice) {
  for (bool fixedOrder : {false, true}) {
    TRef<TZolSource> source = MakeSource(kShow);
    source->SetFixedOrder(fixedOrder);
    for (const TCase& c : kCases) {
      SCOPED_TRACE("slide " + std::to_string(c.slide) + (fixedOrder ? " fixed" : " random"));
      const TSlideEffect chosen = source->EffectForSlide(c.slide);
      EXPECT_EQ(chosen.effect ? chosen.effect->type : TEffectType::None, c.type);
      EXPECT_DOUBLE_EQ(chosen.duration, c.duration);
      EXPECT_DOUBLE_EQ(chosen.smoothline, c.smoothline);
      // The time line uses the same durations, before any cut.
      EXPECT_DOUBLE_EQ(source->IncomingDuration(c.slide), c.duration);
      // Slides beyond the count wrap around.
      const TSlideEffect wrapped = source->EffectForSlide(c.slide + 15);
      EXPECT_EQ(wrapped.effect ? wrapped.effect->type : TEffectType::None, c.type);
      EXPECT_DOUBLE_EQ(wrapped.duration, c.duration);
    }
  }
}

TEST(EffectForSlide, FamilyAndCustomDetails) {
  TRef<TZolSource> source = MakeSource(kShow);
  source->SetFixedOrder(true);
  source->SetFixedSeed(0x55);

  const TSlideEffect hand = source->EffectForSlide(4);
  EXPECT_EQ(hand.effect->flags, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0})) << "the clock";
  EXPECT_DOUBLE_EQ(hand.effect->smoothline, 0.2);

  const TSlideEffect mosaic = source->EffectForSlide(7);
  EXPECT_EQ(mosaic.effect->ints, (std::vector<int32_t>{5, 1, 0, 7 ^ 0x55})) << "seed from the index";
  EXPECT_EQ(source->EffectForSlide(22).effect->ints[3], 7 ^ 0x55) << "slide 22 is slide 7 again";

  const TSlideEffect custom = source->EffectForSlide(8);
  EXPECT_EQ(custom.effect->name, "myfx");
  ASSERT_TRUE(custom.effect->section) << "its first enabled combination";
  EXPECT_EQ(custom.effect->section->Name(), "effect_myfx_slide_1");
  EXPECT_EQ(custom.effect->flags, (std::vector<uint8_t>{1}));

  const TSlideEffect unknown = source->EffectForSlide(9);
  EXPECT_EQ(unknown.effect->name, "otherfx");
  EXPECT_FALSE(unknown.effect->section) << "drawn as a cross-fade";

  EXPECT_DOUBLE_EQ(source->EffectForSlide(13).effect->smoothline, 0.001) << "0.05 is stored as no edge";
}

TEST(EffectForSlide, RandomMosaicSeedsStayInRange) {
  TRef<TZolSource> source = MakeSource(kShow);
  std::set<int32_t> seeds;
  for (int round = 0; round < 50; ++round) {
    const int32_t seed = source->EffectForSlide(7).effect->ints[3];
    EXPECT_GE(seed, 0);
    EXPECT_LT(seed, 4096 * 4096);
    seeds.insert(seed);
  }
  EXPECT_GT(seeds.size(), 40u);
}

TEST(EffectForSlide, NothingMarkedMeansNoDefaultTransition) {
  TRef<TZolSource> source = MakeSource(R"(
[Main]
object TheEffect:AnEffect
  time=1500
  object push:push
    stdidx=9
    direction=1111
  end
end
[Times]
opt_slidescount=3
opt_synchpos1=3000
opt_synchpos2=6000
opt_synchpos3=9000
[Slide1]
[Slide2]
object TheEffect:AnEffect
  ref=defowntime
  time=800
end
[Slide3]
object TheEffect:AnEffect
  ref=push
  time=700
end
)");
  const std::pair<int, double> cases[] = {{0, 0}, {1, 0}, {2, 700}};
  for (auto [slide, duration] : cases) {
    const TSlideEffect chosen = source->EffectForSlide(slide);
    EXPECT_EQ(bool(chosen.effect), duration > 0) << slide;
    EXPECT_DOUBLE_EQ(chosen.duration, duration) << slide;
    EXPECT_DOUBLE_EQ(source->GetSlideTiming(slide).incoming, duration) << slide;
  }
}

TEST(EffectForSlide, ShowWithoutSlidesHasNoTransitions) {
  TRef<TZolSource> source = MakeSource("[Main]\n");
  const TSlideEffect chosen = source->EffectForSlide(0);
  EXPECT_FALSE(chosen.effect);
  EXPECT_DOUBLE_EQ(chosen.duration, 0);
  EXPECT_FALSE(source->EffectForSlide(-3).effect);
}

TEST(EffectForSlide, FixedOrderReportLeavesTheChoiceStateAlone) {
  TRef<TZolSource> source = MakeSource(kShow);
  source->EffectForSlide(0);
  const bool parity = source->Parity();
  const int counter = source->RunningCounter();
  for (int slide = 0; slide < 15; ++slide) {
    const TSlideEffect a = source->EffectInFixedOrder(slide), b = source->EffectInFixedOrder(slide);
    EXPECT_EQ(bool(a.effect), bool(b.effect));
    if (a.effect) {
      EXPECT_EQ(a.effect->flags, b.effect->flags);
      EXPECT_EQ(a.effect->ints, b.effect->ints);
    }
    EXPECT_DOUBLE_EQ(a.duration, b.duration);
  }
  EXPECT_EQ(source->Parity(), parity);
  EXPECT_EQ(source->RunningCounter(), counter);
  EXPECT_FALSE(source->FixedOrder());
}

}  // namespace
}  // namespace zol
