#include <gtest/gtest.h>

#include <string>

#include "foundation/text_encoding.h"
#include "foundation/windows_1252.h"

namespace zol {
namespace {

TEST(Windows1252, TableMatchesWindows) {
  struct Case {
    std::string bytes;
    std::string utf8;
  };
  const Case cases[] = {
      {"plain", "plain"},
      {"\x80", "€"},
      {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},  // undefined: same number
      {"\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E", "‚ƒ„…†‡ˆ‰Š‹ŒŽ"},
      {"\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F", "‘’“”•–—˜™š›œžŸ"},
      {"\xA0\xA9\xC4\xDF\xE9\xFF", "\u00A0©Äßéÿ"},
  };
  for (const Case& c : cases) EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8);
}

TEST(TextEncoding, DetectionAndDecoding) {
  struct Case {
    const char* what;
    std::string bytes;
    int codePage;
    std::string text;
  };
  const Case cases[] = {
      {"UTF-8 mark", "\xEF\xBB\xBFé", 1251, "é"},
      {"UTF-16 LE mark", std::string("\xFF\xFE\xE9\x00\x3D\xD8\x00\xDE", 8), 1252, "é😀"},
      {"UTF-16 unpaired surrogate", std::string("\xFF\xFE\x00\xD8\x41\x00", 6), 1252, "\uFFFDA"},
      {"UTF-16 odd last byte", std::string("\xFF\xFE\x41\x00\x42", 5), 1252, "A\uFFFD"},
      {"ASCII in any code page", "plain [text]", 932, "plain [text]"},
      {"1252", "\xE9", 1252, "é"},
      {"1251 through iconv", "\xC6", 1251, "Ж"},
      {"1253 through iconv", "\xE1", 1253, "α"},
      {"unknown code page falls back to 1252", "\xE9", 99999, "é"},
      {"partial mark is no mark", "\xEF\xBB", 1252, "ï»"},
  };
  for (const Case& c : cases) {
    std::string converted;
    EXPECT_EQ(DecodeProjectText(c.bytes, c.codePage, converted), c.text) << c.what;
  }
  EXPECT_EQ(DetectTextEncoding("\xEF\xBB\xBF"), TTextEncoding::Utf8);
  EXPECT_EQ(DetectTextEncoding("\xFF\xFE"), TTextEncoding::Utf16Le);
  EXPECT_EQ(DetectTextEncoding("\xFE\xFF"), TTextEncoding::Ansi);
  EXPECT_EQ(DetectTextEncoding(""), TTextEncoding::Ansi);
}

}  // namespace
}  // namespace zol
