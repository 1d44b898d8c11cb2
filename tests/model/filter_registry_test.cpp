#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/filter_registry.h"
#include "model/zol_filter.h"
#include "model_fixture.h"

namespace zol {
namespace {

// A filter that remembers what its factory was asked for.
class TProbeFilter : public TDrawFilter {
 public:
  TProbeFilter(TEffectType madeFor, const TFilterRequest& request)
      : madeFor_(madeFor), section_(request.effect.section), outgoing_(request.outgoing) {}
  void DrawWith(TD3DTriController&) override {}

  TEffectType madeFor_;
  TRef<TIniSection> section_;
  TRefObject* outgoing_;
};

// Installs factories for the life of a test and puts the old ones back.
class TFactoryScope {
 public:
  ~TFactoryScope() {
    for (auto& [type, old] : saved_) TFilterRegistry::Process().Set(type, std::move(old));
  }
  void Set(TEffectType type, TFilterFactory factory) {
    saved_.emplace_back(type, TFilterRegistry::Process().Set(type, std::move(factory)));
  }
  // A factory that makes probes and counts its calls.
  void Probe(TEffectType type, int* calls = nullptr) {
    Set(type, [type, calls](const TFilterRequest& request) -> TRef<TDrawFilter> {
      if (calls) ++*calls;
      return MakeRef<TProbeFilter>(type, request);
    });
  }

 private:
  std::vector<std::pair<TEffectType, TFilterFactory>> saved_;
};

TZolEffect Effect(TEffectType type) {
  TZolEffect effect;
  effect.type = type;
  effect.flags = {1};
  effect.variantCount = 1;
  return effect;
}

TProbeFilter* Probe(const TRef<TDrawFilter>& filter) {
  return dynamic_cast<TProbeFilter*>(filter.get());
}

TEST(FilterRegistry, NothingRegisteredMakesNoFilter) {
  TFactoryScope scope;
  for (int type = 0; type <= 13; ++type) scope.Set(TEffectType(type), nullptr);
  for (int type = 0; type <= 13; ++type)
    EXPECT_FALSE(MakeFilter({0, 0, 100, 100}, Effect(TEffectType(type)), nullptr, false, 0.5, 1000)) << type;
}

TEST(FilterRegistry, TypesWithoutFactoryAreDrawnAsCrossFade) {
  TFactoryScope scope;
  for (int type = 1; type <= 12; ++type) scope.Set(TEffectType(type), nullptr);
  scope.Probe(TEffectType::Dissolve);
  scope.Probe(TEffectType::Push);
  const std::pair<TEffectType, TEffectType> cases[] = {
      {TEffectType::Dissolve, TEffectType::Dissolve}, {TEffectType::Push, TEffectType::Push},
      {TEffectType::HourHand, TEffectType::Dissolve}, {TEffectType::Custom, TEffectType::Dissolve},
      {TEffectType(40), TEffectType::Dissolve},
  };
  for (auto [type, made] : cases) {
    TRef<TDrawFilter> filter = MakeFilter({0, 0, 100, 100}, Effect(type), nullptr, false, 0, 1000);
    ASSERT_TRUE(Probe(filter)) << int(type);
    EXPECT_EQ(Probe(filter)->madeFor_, made) << int(type);
  }
  EXPECT_FALSE(MakeFilter({0, 0, 100, 100}, Effect(TEffectType::None), nullptr, false, 0, 1000));
}

TEST(FilterRegistry, AFactoryMayDeclineWithoutFallingBack) {
  TFactoryScope scope;
  scope.Probe(TEffectType::Dissolve);
  scope.Set(TEffectType::Gates, [](const TFilterRequest&) -> TRef<TDrawFilter> { return nullptr; });
  EXPECT_FALSE(MakeFilter({0, 0, 100, 100}, Effect(TEffectType::Gates), nullptr, false, 0, 1000));
}

TEST(FilterRegistry, FiltersAreSetUpFromTheRequest) {
  TFactoryScope scope;
  scope.Probe(TEffectType::Custom);
  TRef<TIniFile> tree = test::ParseProject("[effect_fx_slide_1]\nCustomEffTime=1200\n");
  TZolEffect custom = Effect(TEffectType::Custom);
  custom.section = TRef<TIniSection>(tree->Section("effect_fx_slide_1"));
  TRef<TIniFile> outgoing = MakeRef<TIniFile>();
  TRef<TDrawFilter> filter = MakeFilter({10, 20, 810, 620}, custom, outgoing.get(), true, 0.25, 1500);
  ASSERT_TRUE(Probe(filter));
  EXPECT_EQ(Probe(filter)->section_.get(), custom.section.get());
  EXPECT_EQ(Probe(filter)->outgoing_, outgoing.get());
  EXPECT_EQ(filter->Rect(), (TRect{10, 20, 810, 620}));
  EXPECT_FLOAT_EQ(filter->SoftEdge(), 200) << "draw width x smoothline";
  EXPECT_FLOAT_EQ(filter->Duration(), 1500);
  EXPECT_DOUBLE_EQ(filter->InverseDuration(), 1.0 / 1500);
  EXPECT_FLOAT_EQ(filter->Time(), 0);
}

TEST(DrawFilter, TimeStaysWithinTheDuration) {
  struct TCase {
    float duration;
    double set;
    float time;
    double progress;
  };
  const TCase cases[] = {
      {1000, -5, 0, 0},      {1000, NAN, 0, 0}, {1000, 250, 250, 0.25}, {1000, 1000, 1000, 1},
      {1000, 5000, 1000, 1}, {0, 100, 0, 0},    {-50, 100, 0, 0},       {NAN, 10, 0, 0},
  };
  for (const TCase& c : cases) {
    TRef<TProbeFilter> filter = MakeRef<TProbeFilter>(
        TEffectType::Dissolve, TFilterRequest{{}, Effect(TEffectType::Dissolve), nullptr, false, 0, 0});
    filter->Setup({0, 0, 10, 10}, 1, c.duration);
    filter->SetTime(c.set);
    EXPECT_FLOAT_EQ(filter->Time(), c.time) << c.duration << " " << c.set;
    EXPECT_DOUBLE_EQ(filter->Progress(), c.progress) << c.duration << " " << c.set;
  }
}

TEST(ZolFilter, MakesItsDrawingFilterOnce) {
  TFactoryScope scope;
  int calls = 0;
  scope.Probe(TEffectType::Dissolve, &calls);
  TRef<TZolFilter> filter = MakeRef<TZolFilter>(TSlideEffect{Effect(TEffectType::Dissolve), 1200, 0.5});
  EXPECT_EQ(filter->DrawFilter(), nullptr);
  TDrawFilter* made = filter->EnsureDrawFilter({0, 0, 400, 300}, nullptr, false);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(filter->EnsureDrawFilter({0, 0, 400, 300}, nullptr, false), made);
  EXPECT_EQ(calls, 1);
  EXPECT_FLOAT_EQ(made->SoftEdge(), 200);
  EXPECT_FLOAT_EQ(made->Duration(), 1200);
  filter->SetElapsed(300);
  EXPECT_FLOAT_EQ(filter->Elapsed(), 300);

  // Without effect there is nothing to draw, and no duration.
  TRef<TZolFilter> none = MakeRef<TZolFilter>(TSlideEffect{std::nullopt, 1200, 0.5});
  EXPECT_DOUBLE_EQ(none->Duration(), 0);
  EXPECT_EQ(none->EnsureDrawFilter({0, 0, 400, 300}, nullptr, false), nullptr);
  EXPECT_EQ(calls, 1);

  // A factory that declines is not asked again on every frame.
  int declined = 0;
  scope.Set(TEffectType::Page, [&declined](const TFilterRequest&) -> TRef<TDrawFilter> {
    ++declined;
    return nullptr;
  });
  TRef<TZolFilter> page = MakeRef<TZolFilter>(TSlideEffect{Effect(TEffectType::Page), 500, 0});
  EXPECT_EQ(page->EnsureDrawFilter({0, 0, 10, 10}, nullptr, false), nullptr);
  EXPECT_EQ(page->EnsureDrawFilter({0, 0, 10, 10}, nullptr, false), nullptr);
  EXPECT_EQ(declined, 1);
}

TEST(ZolFilter, CarriesTheSlidesChoice) {
  TRef<TZolSource> source = test::MakeSource(
      "[Main]\nobject TheEffect:AnEffect\nend\n[Times]\nopt_slidescount=1\nopt_synchpos1=4000\n"
      "[Slide1]\nobject "
      "TheEffect:AnEffect\nref=hourhand\naction=10\ndirection=1\ntime=900\nsmoothline=0.4\nend\n");
  TRef<TZolFilter> filter = MakeRef<TZolFilter>(source->EffectForSlide(0));
  ASSERT_TRUE(filter->Effect());
  EXPECT_EQ(filter->Effect()->type, TEffectType::HourHand);
  EXPECT_DOUBLE_EQ(filter->Duration(), 900);
  EXPECT_FLOAT_EQ(filter->Smoothline(), 0.4f);
}

}  // namespace
}  // namespace zol
