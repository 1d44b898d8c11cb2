#include <gtest/gtest.h>

#include "foundation/command_line.h"
#include "foundation/elf_hash.h"

namespace zol {
namespace {

using Tokens = std::vector<std::string>;

TEST(CommandText, TokensSplitAtBlanksOutsideQuotesAndLoseTheirQuotes) {
  const std::pair<const char*, Tokens> cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"player.exe -slide 3", {"player.exe", "-slide", "3"}},
      {"-filename \"C:\\My Shows\\a b.zol\" -log", {"-filename", "C:\\My Shows\\a b.zol", "-log"}},
      {"\"quoted\"", {"quoted"}},
      {"a\"b c\"d e", {"ab cd", "e"}},
      {"runpresentation(\"x y.exe\")", {"runpresentation(x y.exe)"}},
      {"\"unterminated quote runs to the end", {"unterminated quote runs to the end"}},
      {"tab\tseparated\r\nlines", {"tab", "separated", "lines"}},
      {"\"\"", {""}},
  };
  for (const auto& [text, tokens] : cases) EXPECT_EQ(TokenizeCommandText(text), tokens) << text;
}

TEST(CommandLine, OptionsCollectTheTokensThatFollowThem) {
  TCommandLine line;
  line.Parse({"/usr/bin/zolviewer", "show.exe", "-display", "2", "extra", "-log", "", "-icc"});
  EXPECT_EQ(line.OptionValue(""), "/usr/bin/zolviewer");
  EXPECT_EQ(line.OptionValue("", 1), "show.exe");
  EXPECT_EQ(line.OptionValue("display"), "2");
  EXPECT_EQ(line.OptionValue("display", 1), "extra");
  EXPECT_EQ(line.OptionValue("display", 2), std::nullopt);
  EXPECT_TRUE(line.HasOption("log"));
  EXPECT_EQ(line.OptionValue("log"), std::nullopt) << "an empty token is skipped";
  EXPECT_TRUE(line.HasOption("icc"));
  EXPECT_FALSE(line.HasOption("cover"));
  EXPECT_EQ(line.Tokens().size(), 8u) << "the raw list keeps every token";
}

TEST(CommandLine, OnlyLowerCaseOptionNamesAreRecognised) {
  TCommandLine upper;
  upper.Parse({"zol", "-FileName", "x.zol"});
  EXPECT_EQ(upper.OptionValue("filename"), std::nullopt);
  EXPECT_EQ(upper.OptionValue("FileName"), std::nullopt) << "the query is lower-cased, the store is not";
  EXPECT_TRUE(upper.HasOption("FileName")) << "the exact test sees names as typed";

  TCommandLine lower;
  lower.Parse({"zol", "-filename", "x.zol"});
  EXPECT_EQ(lower.OptionValue("FileName"), "x.zol");
}

TEST(CommandLine, ExactTokensMatchWholeTokensOnly) {
  TCommandLine line;
  line.Parse({"zol.scr", "/S", "-startup"});
  EXPECT_TRUE(line.ExactToken("/S"));
  EXPECT_FALSE(line.ExactToken("/s"));
  EXPECT_TRUE(line.ExactToken("-startup"));
  EXPECT_FALSE(line.ExactToken("-start"));
}

TEST(CommandLine, StartPositionFromSlideOrTime) {
  struct Case {
    Tokens tokens;
    int index;
    bool isTime;
  };
  const Case cases[] = {
      {{"zol"}, 0, false},
      {{"zol", "-slide", "1"}, 0, false},
      {{"zol", "-slide", "3"}, 2, false},
      {{"zol", "-slide", "x"}, 0, false},
      {{"zol", "-slide", "0"}, 0, false},
      {{"zol", "-slide", "-4"}, 0, false},
      {{"zol", "-time", "5000"}, 4999, true},
      {{"zol", "-time", "0"}, 0, true},
      {{"zol", "-time", "soon"}, 0, true},
      {{"zol", "-slide", "2", "-time", "5000"}, 1, false},
      {{"zol", "-slide", "x", "-time", "5000"}, 0, false},
      {{"zol", "-slide", "-time", "5000"}, 4999, true},
  };
  for (const Case& c : cases) {
    TCommandLine line;
    line.Parse(c.tokens);
    StartPosition start = line.GetStartPosition();
    EXPECT_EQ(start.index, c.index) << testing::PrintToString(c.tokens);
    EXPECT_EQ(start.isTime, c.isTime) << testing::PrintToString(c.tokens);
  }
}

TEST(CommandItem, IntegersParseStrictlyWithAFallback) {
  const std::pair<const char*, int> cases[] = {
      {"12", 12}, {"-7", -7}, {"+8", 8}, {"", 99}, {"1x", 99}, {" 1", 99}, {"2147483648", 99}, {"++1", 99},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(TCommandItem(text).AsInt(99), value) << text;
}

TEST(ElfHash, HashesTheLowByteOfEachUtf16Unit) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"", 0},
      {"a", 97},
      {"ab", (97u << 4) + 98},
      // U+0141 is one UTF-16 unit whose low byte is 0x41, like "A".
      {"\xC5\x81", 0x41},
      // U+1F600 is a surrogate pair D83D DE00: low bytes 0x3D then 0x00.
      {"\xF0\x9F\x98\x80", 0x3Du << 4},
  };
  for (const auto& [text, hash] : cases) EXPECT_EQ(ElfHash(text), hash) << text;
  // The high nibble is folded back in and cleared.
  EXPECT_LT(ElfHash("a rather long option name that overflows"), 0x10000000u);
}

TEST(HashList, FindsCreatesAndRemovesWithTheRememberedLookUp) {
  TCommandsStorage store;
  EXPECT_EQ(store.BucketCount(), 251);
  bool created = false;
  TKeyItem* slide = store.GetOrCreate("slide", created);
  EXPECT_TRUE(created);
  EXPECT_EQ(store.GetOrCreate("slide", created), slide);
  EXPECT_FALSE(created);
  EXPECT_NE(store.Command("slide"), nullptr) << "the store makes commands";
  EXPECT_EQ(store.Find("Slide"), nullptr) << "keys compare exactly";

  // Keys landing in one bucket still work and unlink cleanly.
  std::vector<std::string> keys;
  for (int i = 0; keys.size() < 4; ++i) {
    std::string key = "k" + std::to_string(i);
    if (store.Hash(key) == store.Hash("slide")) keys.push_back(key);
  }
  for (const auto& key : keys) store.GetOrCreate(key);
  EXPECT_TRUE(store.Remove(keys[1]));
  EXPECT_TRUE(store.Remove("slide"));  // the remembered item
  EXPECT_FALSE(store.Contains("slide"));
  EXPECT_FALSE(store.Contains(keys[1]));
  for (const std::string& key : {keys[0], keys[2], keys[3]}) EXPECT_TRUE(store.Contains(key)) << key;
  EXPECT_EQ(store.Count(), 3u);
}

}  // namespace
}  // namespace zol
