#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/custom_effect.h"
#include "model/effect_options.h"

namespace zol {
namespace {

struct TCase {
  std::vector<std::string> options;
  int64_t count;
  std::vector<std::string> enabled;  // section names of the enabled combinations, in order
};

TEST(EffectOptions, CombinationsCountEnableAndName) {
  const TCase cases[] = {
      {{}, 1, {"slide_1"}},
      {{"1"}, 1, {"slide_0"}},
      {{"0"}, 1, {}},
      {{"101"}, 3, {"slide_0", "slide_2"}},
      {{"11", "101"}, 6, {"slide_0_0", "slide_0_2", "slide_1_0", "slide_1_2"}},
      {{"01", "1", "11"}, 4, {"slide_1_0_0", "slide_1_0_1"}},
      {{"010", "110", "010"}, 27, {"slide_1_0_1", "slide_1_1_1"}},
      {{"11", ""}, 0, {}},
      {{"1x1"}, 3, {"slide_0", "slide_2"}},
  };
  for (const TCase& c : cases) {
    const TEffectOptions options(c.options);
    SCOPED_TRACE(testing::PrintToString(c.options));
    EXPECT_EQ(options.Count(), c.count);
    // By index, as the mixed-radix rule walks them ...
    std::vector<std::string> byIndex;
    for (int64_t i = 0; i < options.Count(); ++i)
      if (options.IsEnabled(i)) byIndex.push_back(options.SectionName(i));
    EXPECT_EQ(byIndex, c.enabled);
    // ... and walking only the enabled characters.
    std::vector<std::string> walked;
    for (const std::vector<int>& digits : options.EnabledCombinations(100))
      walked.push_back(TEffectOptions::SectionName(digits));
    EXPECT_EQ(walked, c.enabled);
    const auto first = options.FirstEnabled();
    EXPECT_EQ(first.has_value(), !c.enabled.empty());
    if (first) {
      EXPECT_EQ(TEffectOptions::SectionName(*first), c.enabled.front());
    }
    EXPECT_FALSE(options.IsEnabled(-1));
    EXPECT_FALSE(options.IsEnabled(options.Count()));
    EXPECT_EQ(options.SectionName(options.Count()), "");
  }
}

TEST(EffectOptions, HugeOptionSetsNeitherOverflowNorRunLong) {
  const TEffectOptions options(std::vector<std::string>(80, "1111"));
  EXPECT_EQ(options.Count(), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(options.EnabledCombinations(5).size(), 5u);
  EXPECT_EQ(TEffectOptions::SectionName(options.EnabledCombinations(1).front()).size(),
            std::string("slide").size() + 80 * 2);
}

TEST(EffectOptions, CustomSectionNames) {
  EXPECT_EQ(CustomSectionName("stars", {0, 1, 0}), "effect_stars_slide_0_1_0");
  EXPECT_EQ(CustomSectionName("stars", {}), "effect_stars_slide_1");
}

}  // namespace
}  // namespace zol
