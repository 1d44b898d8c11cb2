#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/ini_line.h"
#include "foundation/ini_line_reader.h"

namespace zol {
namespace {

using namespace std::string_view_literals;

const char* KindName(TIniLineKind kind) {
  switch (kind) {
    case TIniLineKind::Text: return "text";
    case TIniLineKind::Keyed: return "keyed";
    case TIniLineKind::Section: return "section";
    case TIniLineKind::Object: return "object";
    case TIniLineKind::End: return "end";
  }
  return "?";
}

TEST(IniLine, ClassesAndParts) {
  using K = TIniLineKind;
  struct Case {
    std::string_view line;
    TIniLineKind kind;
    std::string_view name;
    std::string_view value;
  };
  const Case cases[] = {
      {"", K::Text, "", ""},
      {"  \t\x0B\x0C ", K::Text, "", ""},
      {"\x01\x1F\x20", K::Text, "", ""},  // every control byte but CR and LF is a blank
      {"; comment  ", K::Text, "", "; comment"},
      {"   ;x=1", K::Text, "", ";x=1"},
      {"=value = 2 ", K::Text, "", "=value = 2"},
      {"[Main]", K::Section, "Main", ""},
      {"  [  Main Part \t] anything=1", K::Section, "Main Part", ""},
      {"[]", K::Section, "", ""},
      {"[[x]", K::Section, "[x", ""},
      {"[Main", K::Text, "", "[Main"},  // no "]": not a header
      {"[a = b", K::Keyed, "[a", "b"},
      {"object Slide:image", K::Object, "Slide", "image"},
      {"  OBJECT  Slide one :  image  ", K::Object, "Slide one", "image"},
      {"object a:b:c", K::Object, "a:b", "c"},  // the type starts after the last ":"
      {"object a:b:", K::Object, "a:b", ""},
      {"object", K::Object, "", ""},
      {"object name only  ", K::Object, "name only", ""},
      {"object:t", K::Object, "", "t"},
      {"object x=1", K::Object, "x=1", ""},
      {"Object\tx", K::Object, "x", ""},
      {"object = 5", K::Keyed, "object", "5"},
      {"object=", K::Keyed, "object", ""},
      {"objects=5", K::Keyed, "objects", "5"},
      {"object_1 x", K::Text, "", "object_1 x"},
      {"object1", K::Text, "", "object1"},
      {"object\xC3\xA9 x", K::Text, "", "object\xC3\xA9 x"},  // a non-ASCII letter continues the word
      {"end", K::End, "", ""},
      {"  END ; why", K::End, "", ""},
      {"end:x", K::End, "", ""},
      {"end = 3", K::Keyed, "end", "3"},
      {"endless", K::Text, "", "endless"},
      {"key = value  ", K::Keyed, "key", "value"},
      {"key=", K::Keyed, "key", ""},
      {"a=b=c", K::Keyed, "a", "b=c"},
      {"  key name\t=\t v a l \x0B", K::Keyed, "key name", "v a l"},
      {"\tkey\x1F=\x0Bv\0"sv, K::Keyed, "key", "v"},
      {"  just some text  ", K::Text, "", "just some text"},
  };
  for (const Case& c : cases) {
    TIniLine line = ClassifyIniLine(c.line);
    EXPECT_STREQ(KindName(line.kind), KindName(c.kind)) << "line: " << c.line;
    EXPECT_EQ(line.name, c.name) << "line: " << c.line;
    EXPECT_EQ(line.value, c.value) << "line: " << c.line;
  }
}

TEST(IniLineReader, AcceptsEveryLineEnd) {
  struct Case {
    std::string_view text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\rb", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\r\n\r\n", {"a", ""}},
      {"\n\n\n", {"", "", ""}},
  };
  for (const Case& c : cases) {
    TIniLineReader reader(c.text);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    EXPECT_EQ(lines, c.lines) << "text: " << testing::PrintToString(std::string(c.text));
  }
}

TEST(IniLineReader, LongTextWithOneKindOfLineEnd) {
  // Only LF: the reader must not search the whole rest for a CR on each line.
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "k=v\n";
  TIniLineReader reader(text);
  std::string_view line;
  int count = 0;
  while (reader.Next(line)) {
    ASSERT_EQ(line, "k=v");
    ++count;
  }
  EXPECT_EQ(count, 200000);
}

}  // namespace
}  // namespace zol
