#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "model/zol_source.h"
#include "model_fixture.h"

namespace zol {
namespace {

using test::MakeSource;

// A palette whose entries are marked for the pool by ENTRIES, and one slide.
std::string Palette(std::string_view entries) {
  return "[Main]\nobject TheEffect:AnEffect\ntime=1500\n" + std::string(entries) +
         "\nend\n[Times]\nopt_slidescount=1\nopt_synchpos1=5000\n";
}

constexpr std::string_view kMixedPalette = R"(
object dissolve:dissolve
  stdidx=2
  checked=1
end
object push:push
  stdidx=9
  checked=1
  direction=1111
end
object gates:gates
  stdidx=6
  checked=0
  direction=11111111
end
object myfx:custom
  sectionfield=dir,size
  dir=101
  size=11
end
object quick:quick
  stdidx=3
  checked=1
end
object default:default
  stdidx=0
  checked=1
end
object hand:hourhand
  stdidx=4
  checked=1
end
object odd:flip
  checked=1
end
)";

TEST(EffectPool, HoldsTheMarkedEntriesAndEveryEnabledCombination) {
  TRef<TZolSource> source =
      MakeSource(Palette(kMixedPalette) + "[effect_myfx_slide_2_1]\nCustomEffTime=900\n");
  const std::vector<TZolEffect> pool = source->PoolEffects();
  struct TWant {
    TEffectType type;
    std::string name;
    bool hasSection;
  };
  // "quick" and "default" stand for no effect; "hand" enables no variant;
  // "odd" has no family index and so counts as a custom transition.
  const TWant want[] = {
      {TEffectType::Dissolve, "dissolve", false}, {TEffectType::Push, "push", false},
      {TEffectType::Custom, "myfx", false},       {TEffectType::Custom, "myfx", false},
      {TEffectType::Custom, "myfx", false},       {TEffectType::Custom, "myfx", true},
      {TEffectType::Custom, "odd", false},
  };
  ASSERT_EQ(pool.size(), std::size(want));
  for (size_t i = 0; i < pool.size(); ++i) {
    EXPECT_EQ(pool[i].type, want[i].type) << i;
    EXPECT_EQ(pool[i].name, want[i].name) << i;
    EXPECT_EQ(bool(pool[i].section), want[i].hasSection) << i;
    EXPECT_GT(pool[i].variantCount, 0) << i;
  }
  EXPECT_EQ(pool[5].section->Name(), "effect_myfx_slide_2_1");
  EXPECT_EQ(pool[1].variantCount, 4);
  EXPECT_DOUBLE_EQ(source->DefaultTransitionTime(), 1500);

  std::vector<int> order = source->PoolOrder();
  std::sort(order.begin(), order.end());
  std::vector<int> all(pool.size());
  std::iota(all.begin(), all.end(), 0);
  EXPECT_EQ(order, all) << "the order is a permutation of the pool";
}

TEST(EffectPool, SameSeedSameOrder) {
  const std::string text = Palette(kMixedPalette);
  EXPECT_EQ(MakeSource(text, "/x/z", 11)->PoolOrder(), MakeSource(text, "/x/z", 11)->PoolOrder());
  std::set<std::vector<int>> orders;
  for (uint32_t seed = 0; seed < 20; ++seed) orders.insert(MakeSource(text, "/x/z", seed)->PoolOrder());
  EXPECT_GT(orders.size(), 10u) << "different seeds give different orders";
}

TEST(EffectPool, ShuffleGivesEveryOrderAlike) {
  TRef<TZolSource> source = MakeSource(Palette(R"(
object a:dissolve
  stdidx=2
  checked=1
end
object b:mosaic
  stdidx=8
  checked=1
end
object c:push
  stdidx=9
  checked=1
  direction=1
end
)"));
  std::map<std::vector<int>, int> seen;
  constexpr int kRounds = 6000;
  for (int round = 0; round < kRounds; ++round) {
    source->BuildPool();
    ++seen[source->PoolOrder()];
  }
  ASSERT_EQ(seen.size(), 6u) << "every order of three can come up";
  for (const auto& [order, count] : seen) {
    EXPECT_GT(count, kRounds / 6 * 8 / 10);
    EXPECT_LT(count, kRounds / 6 * 12 / 10);
  }
}

TEST(EffectPool, EmptyPoolPicksNothing) {
  for (std::string_view entries : {"", "object push:push\nstdidx=9\nchecked=0\ndirection=1\nend",
                                   "object q:quick\nstdidx=3\nchecked=1\nend"}) {
    TRef<TZolSource> source = MakeSource(Palette(entries));
    EXPECT_TRUE(source->PoolEffects().empty()) << entries;
    EXPECT_FALSE(source->PickFromPool(0)) << entries;
    source->SetFixedOrder(true);
    EXPECT_FALSE(source->PickFromPool(3)) << entries;
  }
}

int KeptFlag(const TZolEffect& effect) {
  auto at = std::find(effect.flags.begin(), effect.flags.end(), 1);
  EXPECT_EQ(std::count(effect.flags.begin(), effect.flags.end(), 1), 1);
  return int(at - effect.flags.begin());
}

TEST(EffectPool, FixedOrderChoosesFromTheSlideIndex) {
  struct TCase {
    std::string_view direction;  // push, written up, left, right, down
    int32_t seed;
    int n;
    int flag;  // kept flag: 0 left, 1 up, 2 right, 3 down
  };
  const TCase cases[] = {
      // v = (n xor seed) mod variants, moved on by one (wrapping) when its
      // parity differs from the slide's.
      {"1111", 0, 0, 0},
      {"1111", 0, 1, 1},
      {"1111", 0, 2, 2},
      {"1111", 0, 3, 3},
      {"1111", 0, 5, 1},
      {"1111", 6, 0, 2},
      {"1111", 6, 1, 3},
      {"1111", 6, 2, 0},
      {"1111", 6, 3, 1},
      {"1111", 1, 0, 2},
      {"1111", 1, 1, 1},
      {"1111", 1, 2, 0},
      {"1111", 1, 3, 3},
      // Three variants (left, up, right): the variant index names the
      // enabled flag.
      {"1110", 0, 2, 2},
      {"1110", 2, 1, 1},
      {"1110", 0, 3, 1},
      {"1110", 0, 4, 2},
  };
  for (const TCase& c : cases) {
    TRef<TZolSource> source = MakeSource(
        Palette("object push:push\nstdidx=9\nchecked=1\ndirection=" + std::string(c.direction) + "\nend"));
    source->SetFixedOrder(true);
    source->SetFixedSeed(c.seed);
    const std::optional<TZolEffect> effect = source->PickFromPool(c.n);
    ASSERT_TRUE(effect);
    EXPECT_EQ(KeptFlag(*effect), c.flag) << c.direction << " seed " << c.seed << " n " << c.n;
    EXPECT_EQ(KeptFlag(*source->PickFromPool(c.n)), c.flag) << "the same every time";
    EXPECT_FALSE(source->Parity()) << "fixed order leaves the parity alone";
    EXPECT_EQ(source->RunningCounter(), 0);
  }
}

TEST(EffectPool, FixedOrderWalksThePoolByIndex) {
  TRef<TZolSource> source = MakeSource(Palette(kMixedPalette));
  source->SetFixedOrder(true);
  const std::vector<TZolEffect> pool = source->PoolEffects();
  const std::vector<int> order = source->PoolOrder();
  for (int n = 0; n < 20; ++n) {
    const std::optional<TZolEffect> effect = source->PickFromPool(n);
    ASSERT_TRUE(effect);
    const TZolEffect& from = pool[size_t(order[size_t(n % int(pool.size()))])];
    EXPECT_EQ(effect->name, from.name) << n;
    EXPECT_EQ(effect->type, from.type) << n;
  }
}

TEST(EffectPool, RandomPicksAlternateOddAndEvenVariants) {
  for (std::string_view direction : {"1001", "1111"}) {
    TRef<TZolSource> source = MakeSource(
        Palette("object push:push\nstdidx=9\nchecked=1\ndirection=" + std::string(direction) + "\nend"));
    std::vector<int> variants;
    for (int pick = 0; pick < 24; ++pick) {
      const std::optional<TZolEffect> effect = source->PickFromPool(pick);
      ASSERT_TRUE(effect);
      // The variant's place among the enabled flags.
      const int flag = KeptFlag(*effect);
      int variant = 0;
      const std::optional<TZolEffect> full = source->PoolEffects()[0];
      for (int k = 0; k < flag; ++k) variant += full->flags[size_t(k)];
      variants.push_back(variant);
      EXPECT_EQ(source->Parity(), pick % 2 == 0) << "the parity toggles on every pick";
    }
    for (size_t i = 0; i < variants.size(); ++i)
      EXPECT_EQ(variants[i] % 2, i % 2 == 0 ? 1 : 0) << direction << " pick " << i;
    if (direction == "1001") {
      for (size_t i = 1; i < variants.size(); ++i) EXPECT_NE(variants[i], variants[i - 1]);
    }
  }
}

TEST(EffectPool, RandomPicksGoThroughTheWholePoolBeforeRepeating) {
  TRef<TZolSource> source = MakeSource(Palette(R"(
object a:dissolve
  stdidx=2
  checked=1
end
object b:mosaic
  stdidx=8
  checked=1
end
object c:push
  stdidx=9
  checked=1
  direction=1
end
)"));
  for (int round = 0; round < 10; ++round) {
    std::set<TEffectType> types;
    for (int pick = 0; pick < 3; ++pick) {
      EXPECT_EQ(source->RunningCounter(), pick);
      types.insert(source->PickFromPool(round * 3 + pick)->type);
    }
    EXPECT_EQ(types.size(), 3u) << "round " << round;
  }
  // Reproducible with the same seed.
  TRef<TZolSource> again = MakeSource(Palette(kMixedPalette), "/x/z", 3);
  TRef<TZolSource> other = MakeSource(Palette(kMixedPalette), "/x/z", 3);
  for (int pick = 0; pick < 30; ++pick) {
    const std::optional<TZolEffect> a = again->PickFromPool(pick), b = other->PickFromPool(pick);
    EXPECT_EQ(a->name, b->name);
    EXPECT_EQ(a->flags, b->flags);
  }
}

}  // namespace
}  // namespace zol
