#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/case_fold.h"
#include "foundation/ini_name_hash.h"

namespace zol {
namespace {

TEST(IniNameHash, AgreesWithEqualNoCase) {
  struct Case {
    std::string a;
    std::string b;
  };
  // Pairs chosen so that the eight-byte ASCII runs fall differently in the
  // two names: a three-byte Kelvin sign against a one-byte "k", and
  // non-ASCII letters before, inside and after a run.
  const Case cases[] = {
      {"opt_UsePass", "OPT_usepass"},
      {"abcdefgh", "ABCDEFGH"},
      {"abcdefg\xE2\x84\xAA" "xyzuvwst", "ABCDEFGkXYZUVWST"},
      {"\xE2\x84\xAA" "abcdefghijklmnop", "kABCDEFGHIJKLMNOP"},
      {"Ärger_with_a_long_tail_name", "äRGER_WITH_A_LONG_TAIL_NAME"},
      {"long_ascii_prefix_ΣΟΦΟΣ", "LONG_ASCII_PREFIX_σοφος"},
      {"@[`{~_0189 az AZ", "@[`{~_0189 AZ az"},  // the letters' neighbours do not fold
      {"bad\xFF" "bytes_are_kept_as_is", "BAD\xFF" "BYTES_ARE_KEPT_AS_IS"},
      {"", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(EqualNoCase(c.a, c.b)) << c.a;
    EXPECT_TRUE(IniNamesEqual(c.a, c.b)) << c.a;
    EXPECT_TRUE(IniNamesEqual(c.b, c.a)) << c.a;
    EXPECT_EQ(IniNameHash(c.a), IniNameHash(c.b)) << c.a;
  }

  const Case different[] = {
      {"abcdefgh", "abcdefgi"},
      {"@@@@@@@@", "````````"},  // 0x40 and 0x60 are no letters
      {"[[[[[[[[", "{{{{{{{{"},
      {"abcdefghi", "abcdefgh"},
      {"abcdefgh\xFF", "abcdefgh\xFE"},
      {"Straße", "STRASSE"},
  };
  for (const Case& c : different) {
    EXPECT_FALSE(IniNamesEqual(c.a, c.b)) << c.a;
    EXPECT_EQ(IniNamesEqual(c.a, c.b), EqualNoCase(c.a, c.b)) << c.a;
  }
}

TEST(IniNameHash, SpreadsSimilarNamesOverTheLowBits) {
  // The index masks the hash with a power of two: names that differ only in
  // their digits must still land in many buckets.
  constexpr int kNames = 4096;
  std::vector<int> buckets(kNames, 0);
  for (int i = 0; i < kNames; ++i) ++buckets[IniNameHash("opt_key_" + std::to_string(i)) & (kNames - 1)];
  int used = 0;
  for (int count : buckets) used += count > 0;
  EXPECT_GT(used, kNames / 2) << "about 63% of buckets are used by a random hash";
}

}  // namespace
}  // namespace zol
