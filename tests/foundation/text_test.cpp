#include <gtest/gtest.h>

#include "foundation/case_fold.h"
#include "foundation/utf8.h"

namespace zol {
namespace {

TEST(CaseFold, NamesMatchUnderSimpleCaseFolding) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  };
  const Case cases[] = {
      {"opt_UsePass", "OPT_usepass", true},
      {"Main", "Mai", false},
      {"", "", true},
      {"ПРИВЕТ", "привет", true},         // Cyrillic
      {"ΣΟΦΟΣ", "σοφος", true},           // Greek capital sigma
      {"σοφος", "σοφοσ", true},           // final sigma folds to sigma
      {"Straße", "STRASSE", false},       // simple folding keeps ß as it is
      {"ǅ", "ǆ", true},                   // title-case digraph
      {"a\xFF", "A\xFF", true},           // bytes that are not UTF-8 compare exactly
      {"a\xFF", "a\xFE", false},
      {"K", "k", true},                   // Kelvin sign
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqualNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    if (c.equal) {
      EXPECT_EQ(HashNoCase(c.a), HashNoCase(c.b)) << c.a;
    }
  }
  EXPECT_EQ(FoldCaseText("ÀÉÎ Main"), "àéî main");
}

TEST(Utf8, InvalidBytesStayDistinctAndRoundTrip) {
  const std::string samples[] = {
      "plain", "é€😀", "\xC3",  "\xE2\x82", "\xED\xA0\x80" /* surrogate */, "\xC0\xAF" /* overlong */,
      "\xF4\x90\x80\x80" /* above U+10FFFF */,
  };
  for (const std::string& s : samples) {
    std::string rebuilt;
    for (size_t pos = 0; pos < s.size();) utf8::Append(rebuilt, utf8::Next(s, pos));
    EXPECT_EQ(rebuilt, s);
  }
  EXPECT_EQ(utf8::FromUtf16(utf8::ToUtf16("é€😀")), "é€😀");
  EXPECT_EQ(utf8::FromUtf16(u"\xD800x"), "\xEF\xBF\xBDx") << "an unpaired surrogate is replaced";
}

}  // namespace
}  // namespace zol
