#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/ini_file.h"
#include "foundation/ini_value.h"

namespace zol {
namespace {

TEST(IniValue, ConversionsFollowTheRulesExactly) {
  struct Case {
    const char* value;
    std::optional<int32_t> asInt;
    std::optional<int64_t> asInt64;
    std::optional<double> asReal;
    std::optional<bool> asBool;
  };
  constexpr auto no = std::nullopt;
  const Case cases[] = {
      {"12", 12, 12, 12.0, no},
      {"1", 1, 1, 1.0, true},
      {"0", 0, 0, 0.0, false},
      {"-7", -7, -7, -7.0, no},
      {"  -7", -7, -7, -7.0, no},
      {"+5", 5, 5, 5.0, no},
      {"-0", 0, 0, 0.0, no},
      {"007", 7, 7, 7.0, no},
      {"12abc", no, no, no, no},
      {"1,5", no, no, no, no},  // a decimal comma is no number
      {"1.5", no, no, 1.5, no},
      {"2.5e2", no, no, 250.0, no},
      {"2.5E+2", no, no, 250.0, no},
      {"1e-2", no, no, 0.01, no},
      {" -.5", no, no, -0.5, no},
      {"5.", no, no, 5.0, no},
      {".", no, no, no, no},
      {"1.2.3", no, no, no, no},
      {"1e", no, no, no, no},
      {"1e 2", no, no, no, no},
      {"1e2.0", no, no, no, no},
      {"1e400", no, no, no, no},          // beyond the double range
      {"1e2147483648", no, no, no, no},   // exponent beyond 32 bits
      {"0x10", no, no, no, no},
      {"true", no, no, no, no},
      {"yes", no, no, no, no},
      {"1 ", no, no, no, no},  // trailing blanks are the lexer's to remove
      {"\t1", no, no, no, no},  // only spaces may lead
      {"", no, no, no, no},
      {"-", no, no, no, no},
      {"+", no, no, no, no},
      {" ", no, no, no, no},
      {"2147483647", 2147483647, 2147483647, 2147483647.0, no},
      {"-2147483648", INT32_MIN, -2147483648LL, -2147483648.0, no},
      {"2147483648", no, 2147483648LL, 2147483648.0, no},
      {"-2147483649", no, -2147483649LL, -2147483649.0, no},
      {"9223372036854775807", no, INT64_MAX, 9223372036854775807.0, no},
      {"-9223372036854775808", no, INT64_MIN, -9223372036854775808.0, no},
      {"9223372036854775808", no, no, 9223372036854775808.0, no},
      {"99999999999999999999999", no, no, 99999999999999999999999.0, no},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("value \"") + c.value + "\"");
    EXPECT_EQ(TextToInt(c.value), c.asInt);
    EXPECT_EQ(TextToInt64(c.value), c.asInt64);
    EXPECT_EQ(TextToReal(c.value), c.asReal);
    EXPECT_EQ(TextToBool(c.value), c.asBool);

    // The item readers give the same, or the default.
    TRef<TIniItem> item = MakeRef<TIniItem>("k", c.value);
    EXPECT_EQ(AsInt(item.get(), -99), c.asInt.value_or(-99));
    EXPECT_EQ(AsInt64(item.get(), -99), c.asInt64.value_or(-99));
    EXPECT_EQ(AsReal(item.get(), -99.5), c.asReal.value_or(-99.5));
    EXPECT_EQ(AsBool(item.get(), true), c.asBool.value_or(true));
    EXPECT_EQ(AsBool(item.get(), false), c.asBool.value_or(false));
    EXPECT_EQ(AsString(item.get()), c.value);
  }
}

TEST(IniValue, MissingItemGivesTheDefault) {
  EXPECT_EQ(AsString(nullptr), "");
  EXPECT_EQ(AsInt(nullptr, 5), 5);
  EXPECT_EQ(AsInt64(nullptr, -5), -5);
  EXPECT_EQ(AsReal(nullptr, 2.5), 2.5);
  EXPECT_TRUE(AsBool(nullptr, true));
  EXPECT_EQ(AsEnum(nullptr, {"a", "b"}, 7), 7);
  EXPECT_TRUE(AsList(nullptr).empty());
}

TEST(IniValue, Enumerations) {
  const std::vector<std::string_view> names = {"none", "Fade", "wipe", "fade"};
  struct Case {
    const char* value;
    bool exact;
    int expected;
  };
  const Case cases[] = {
      {"fade", false, 1},  // the first equal name wins
      {"FADE", false, 1},  {"fade", true, 3},  {"Fade", true, 1}, {"WIPE", false, 2},
      {"WIPE", true, -1},  {"", false, -1},    {"fad", false, -1}, {"none ", false, -1},
  };
  for (const Case& c : cases) {
    TRef<TIniItem> item = MakeRef<TIniItem>("mode", c.value);
    EXPECT_EQ(AsEnum(item.get(), names, -1, c.exact), c.expected) << c.value << " exact " << c.exact;
  }
}

TEST(IniValue, Lists) {
  struct Case {
    const char* value;
    char separator;
    std::vector<std::string> parts;
  };
  const Case cases[] = {
      {"a,b,c", ',', {"a", "b", "c"}},
      {"a,,b,", ',', {"a", "", "b", ""}},
      {",", ',', {"", ""}},
      {"one", ',', {"one"}},
      {"", ',', {}},
      {"x;y z;w", ';', {"x", "y z", "w"}},
      {" a , b ", ',', {" a ", " b "}},  // parts are not trimmed
  };
  for (const Case& c : cases) {
    TRef<TIniItem> item = MakeRef<TIniItem>("list", c.value);
    EXPECT_EQ(AsList(item.get(), c.separator), c.parts) << c.value;
  }
}

TEST(IniValue, SettersWriteTheDocumentedText) {
  TRef<TIniItem> item = MakeRef<TIniItem>("k");
  struct Case {
    void (*set)(TIniItem*);
    const char* text;
  };
  const Case cases[] = {
      {[](TIniItem* i) { SetInt(i, -5); }, "-5"},
      {[](TIniItem* i) { SetInt(i, INT32_MIN); }, "-2147483648"},
      {[](TIniItem* i) { SetInt64(i, int64_t(1) << 40); }, "1099511627776"},
      {[](TIniItem* i) { SetReal(i, 2.5); }, "2.5"},
      {[](TIniItem* i) { SetReal(i, -7.0); }, "-7"},
      {[](TIniItem* i) { SetReal(i, 0.1); }, "0.1"},
      {[](TIniItem* i) { SetReal(i, 1.0 / 3); }, "0.3333333333333333"},
      {[](TIniItem* i) { SetBool(i, true); }, "1"},
      {[](TIniItem* i) { SetBool(i, false); }, "0"},
      {[](TIniItem* i) { SetString(i, "Grüße \\n"); }, "Grüße \\n"},  // unescaped
  };
  for (const Case& c : cases) {
    c.set(item.get());
    EXPECT_EQ(item->Value(), c.text);
  }
  // What the setters write reads back.
  SetReal(item.get(), 1.0 / 3);
  EXPECT_NEAR(AsReal(item.get(), 0), 1.0 / 3, 1e-15);
  SetInt64(item.get(), INT64_MIN);
  EXPECT_EQ(AsInt64(item.get(), 0), INT64_MIN);
  SetString(nullptr, "ignored");  // a missing item is left alone
}

TEST(IniValue, FileReadersTakeDefaultsAndTrimmedValues) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load(
      "[Main]\r\n"
      "flag=1 \r\n"
      "word=yes\r\n"
      "empty=\r\n"
      "opt_count = 12\r\n"
      "opt_Count=-7\r\n"
      "scale=2.5e2\r\n"
      "comma=1,5\r\n"));
  struct Case {
    const char* key;
    std::string asString;
    int32_t asInt;
    double asReal;
    bool asBool;
  };
  const Case cases[] = {
      {"flag", "1", 1, 1.0, true},         // "1 " trimmed by the lexer
      {"word", "yes", 42, 4.5, false},     // not a bool: default false
      {"empty", "", 42, 4.5, false},       // present but empty: "" and defaults
      {"OPT_COUNT", "-7", -7, -7.0, false},  // the last occurrence, any letter case
      {"scale", "2.5e2", 42, 250.0, false},
      {"comma", "1,5", 42, 4.5, false},
      {"missing", "dflt", 42, 4.5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(file->ReadString("MAIN", c.key, "dflt"), c.asString);
    EXPECT_EQ(file->ReadInt("main", c.key, 42), c.asInt);
    EXPECT_EQ(file->ReadReal("Main", c.key, 4.5), c.asReal);
    EXPECT_EQ(file->ReadBool("Main", c.key, false), c.asBool);
  }
  EXPECT_TRUE(file->ReadBool("Main", "word", true));
  EXPECT_EQ(file->ReadString("Nowhere", "flag", "d"), "d");
}

}  // namespace
}  // namespace zol
