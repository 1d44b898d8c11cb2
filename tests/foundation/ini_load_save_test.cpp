#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "foundation/file_open_hook.h"
#include "foundation/ini_escape.h"
#include "foundation/ini_file.h"
#include "foundation/ini_object.h"
#include "foundation/ini_parser.h"
#include "foundation/ini_value.h"
#include "foundation/memory_stream.h"
#include "foundation/utf8.h"
#include "ini_dump.h"

namespace zol {
namespace {

using namespace std::string_literals;

const std::string kBom = "\xEF\xBB\xBF";

std::string Saved(const TIniFile& file, bool bom = true) {
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>();
  file.Save(*stream, bom);
  return std::string(stream->View());
}

// Loads BYTES as a file's bytes: without a byte order mark they are 1252.
TRef<TIniFile> LoadBytes(std::string_view bytes, bool expected = true) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>(bytes);
  EXPECT_EQ(file->Load(*stream, 1252), expected);
  return file;
}

std::string Utf16Le(std::string_view utf8Text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : utf8::ToUtf16(utf8Text)) {
    bytes += char(unit & 0xFF);
    bytes += char(unit >> 8);
  }
  return bytes;
}

TEST(IniLoadSave, NestedObjectsRoundTripByteForByte) {
  const std::string input =
      "[Slide]\r\n"
      "object one:box\r\n"
      "x=1\r\n"
      "   object two : image  \r\n"
      " y = 2\r\n"
      "\tobject three:text\n"
      "z=3\n"
      "end\n"
      "  END\r\n"
      "end ; closes one\r\n"
      "after=1\r\n";
  const std::string expected =
      "\xEF\xBB\xBF"
      "[Slide]\r\n"
      "object one:box\r\n"
      "  x=1\r\n"
      "  object two:image\r\n"
      "    y=2\r\n"
      "    object three:text\r\n"
      "      z=3\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n"
      "after=1\r\n";
  TRef<TIniFile> file = LoadBytes(kBom + input);
  EXPECT_EQ(test::Dump(*file),
            "[Slide]{object one:box{x=1 | object two:image{y=2 | object three:text{z=3}}} | after=1}");
  const std::string first = Saved(*file);
  EXPECT_EQ(first, expected);
  TRef<TIniFile> again = LoadBytes(first);
  EXPECT_EQ(Saved(*again), first);
}

TEST(IniLoadSave, TextLinesAreWrittenBackUnchanged) {
  const std::string text =
      "; made by hand\r\n"
      "\r\n"
      "free text line\r\n"
      "[Main]\r\n"
      ";opt_x=1\r\n"
      "=starts with equals\r\n"
      "\r\n"
      "\r\n"
      "[Broken\r\n"
      "key=\r\n"
      "end\r\n"
      "\r\n";
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load(text));
  EXPECT_EQ(test::Dump(*file),
            "'; made by hand' | '' | 'free text line' | [Main]{';opt_x=1' | '=starts with equals' | "
            "'' | '' | '[Broken' | key= | 'end' | ''}");
  EXPECT_EQ(file->ToText(), text);
  EXPECT_EQ(file->ReadString("Main", "opt_x", "none"), "none") << "a comment is no key";
}

TEST(IniLoadSave, SectionHeaderInsideAnObjectEndsIt) {
  // The header closes both open objects and its section then starts as
  // usual: the keys below it belong to B, not to A.
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load("[A]\r\nobject o\r\nobject p\r\nx=1\r\n[B]\r\ny=2\r\nend\r\n"));
  EXPECT_EQ(test::Dump(*file), "[A]{object o:{object p:{x=1}}} | [B]{y=2 | 'end'}");
  EXPECT_EQ(file->ReadString("B", "y", ""), "2");
  EXPECT_EQ(file->ReadString("A", "y", "none"), "none");
  EXPECT_EQ(file->ToText(), "[A]\r\nobject o\r\n  object p\r\n    x=1\r\n  end\r\nend\r\n[B]\r\ny=2\r\nend\r\n");
}

TEST(IniLoadSave, OpenObjectsEndWithTheText) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load("object a\r\nobject b\r\nk=v"));
  EXPECT_EQ(file->ToText(), "object a\r\n  object b\r\n    k=v\r\n  end\r\nend\r\n");
}

TEST(IniLoadSave, ObjectHeadersWrittenSoTheyReadBack) {
  struct Case {
    const char* name;
    const char* type;
    const char* line;
  };
  const Case cases[] = {
      {"", "", "object"},
      {"n", "", "object n"},
      {"", "t", "object :t"},
      {"n", "t", "object n:t"},
      {"a:b", "c", "object a:b:c"},
      {"a:b", "", "object a:b:"},  // without the colon "b" would read back as the type
  };
  for (const Case& c : cases) {
    TRef<TIniFile> file = MakeRef<TIniFile>();
    file->Add(MakeRef<TIniObject>(c.name, c.type));
    std::string text = file->ToText();
    EXPECT_EQ(text, c.line + "\r\nend\r\n"s);
    TRef<TIniFile> again = MakeRef<TIniFile>();
    ASSERT_TRUE(again->Load(text));
    ASSERT_EQ(again->ObjectCount(), 1);
    EXPECT_EQ(again->FirstObject()->Name(), c.name);
    EXPECT_EQ(again->FirstObject()->Type(), c.type);
  }
}

TEST(IniLoadSave, LineBreaksInsideValuesCannotForgeLines) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  file->WriteString("Main", "title", "first\r\n[Evil]\r\nopt_usepass=0\nlast");
  TRef<TIniFile> again = MakeRef<TIniFile>();
  ASSERT_TRUE(again->Load(file->ToText()));
  EXPECT_EQ(again->SectionCount(), 1);
  EXPECT_EQ(again->ReadString("Main", "title", ""), "first  [Evil]  opt_usepass=0 last");
  EXPECT_EQ(again->ReadString("Main", "opt_usepass", "none"), "none");
}

TEST(IniLoadSave, EncodingsByByteOrderMark) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string value;
  };
  const Case cases[] = {
      {"UTF-8 with mark", kBom + "[Main]\r\nname=Grüße €\r\n"s, "Grüße €"},
      {"UTF-16 LE", Utf16Le("[Main]\r\nname=Grüße € 😀\r\n"), "Grüße € 😀"},
      {"1252 without mark", "[Main]\r\nname=Gr\xFC\xDF" "e \x80\r\n", "Grüße €"},
      {"UTF-8 without mark is read as 1252", "[Main]\r\nname=caf\xC3\xA9\r\n", "cafÃ©"},
      {"1252's undefined bytes", "[Main]\r\nname=\x81\x8D\x8F\x90\x9D\r\n",
       "\u0081\u008D\u008F\u0090\u009D"},
      {"invalid UTF-8 after the mark is kept", kBom + "[Main]\r\nname=a\xFF" "b\r\n"s, "a\xFF" "b"},
  };
  for (const Case& c : cases) {
    TRef<TIniFile> file = LoadBytes(c.bytes);
    EXPECT_EQ(file->ReadString("main", "name", "?"), c.value) << c.what;
  }
}

TEST(IniLoadSave, AnsiCodePageComesFromTheCallerOrTheLocale) {
  const std::string cyrillic = "[\xCC\xE5\xED\xFE]\r\nk=\xCF\xF0\xE8\xE2\xE5\xF2\r\n";  // 1251
  TRef<TIniFile> file = MakeRef<TIniFile>();
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>(cyrillic);
  ASSERT_TRUE(file->Load(*stream, 1251));
  EXPECT_EQ(file->ReadString("меню", "k", ""), "Привет");

  // Without a code page, the locale's: Russian gives 1251.
  const char* saved = std::getenv("LC_ALL");
  std::string restore = saved ? saved : "";
  setenv("LC_ALL", "ru_RU.UTF-8", 1);
  stream->SetPosition(0);
  bool loaded = file->Load(*stream);
  if (saved)
    setenv("LC_ALL", restore.c_str(), 1);
  else
    unsetenv("LC_ALL");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(file->ReadString("МЕНЮ", "k", ""), "Привет");
}

// A stream claiming 128 MiB: the loader must refuse it from its size alone.
class THugeStream : public TStream {
 public:
  explicit THugeStream(int64_t size) : size_(size) {}
  int64_t GetPosition() override { return 0; }
  void SetPosition(int64_t) override {}
  int64_t GetSize() override { return size_; }
  size_t Read(void*, size_t) override {
    ADD_FAILURE() << "a stream this long must not be read";
    return 0;
  }
  size_t Write(const void*, size_t) override { return 0; }

 private:
  int64_t size_;
};

// A stream that gives fewer bytes than it says it has, or raises.
class TFailingStream : public TStream {
 public:
  TFailingStream(std::string_view bytes, bool raise) : bytes_(bytes), raise_(raise) {}
  int64_t GetPosition() override { return int64_t(position_); }
  void SetPosition(int64_t position) override { position_ = size_t(position); }
  int64_t GetSize() override { return int64_t(bytes_.size()) + 10; }
  size_t Read(void* buffer, size_t count) override {
    if (raise_) throw EStreamError("Stream read error");
    size_t n = std::min(count, bytes_.size() - std::min(position_, bytes_.size()));
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
  }
  size_t Write(const void*, size_t) override { return 0; }

 private:
  std::string bytes_;
  size_t position_ = 0;
  bool raise_;
};

TEST(IniLoadSave, BadStreamsLeaveAnEmptyTree) {
  struct Case {
    const char* what;
    TRef<TStream> stream;
  };
  const Case cases[] = {
      {"128 MiB", MakeRef<THugeStream>(TIniFile::kMaxTextSize)},
      {"far more", MakeRef<THugeStream>(int64_t(1) << 40)},
      {"a negative size", MakeRef<THugeStream>(-1)},
      {"a short read", MakeRef<TFailingStream>("[S]\r\na=1\r\n", false)},
      {"a read error", MakeRef<TFailingStream>("[S]\r\na=1\r\n", true)},
  };
  for (const Case& c : cases) {
    TRef<TIniFile> file = MakeRef<TIniFile>();
    ASSERT_TRUE(file->Load("[Old]\r\nkey=1\r\n"));
    EXPECT_FALSE(file->Load(*c.stream, 1252)) << c.what;
    EXPECT_EQ(file->Count(), 0) << c.what;
    EXPECT_EQ(file->Section("Old"), nullptr) << c.what;
  }
  // Just below the limit is read (as far as the size check goes).
  TRef<TMemoryStream> ok = MakeRef<TMemoryStream>("a=1");
  TRef<TIniFile> file = MakeRef<TIniFile>();
  EXPECT_TRUE(file->Load(*ok, 1252));
}

TEST(IniLoadSave, LoadReadsFromTheStreamPosition) {
  TRef<TMemoryStream> stream = MakeRef<TMemoryStream>("skipped\r\n\xEF\xBB\xBF[S]\r\nk=é\r\n");
  stream->SetPosition(9);
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load(*stream, 1252));
  EXPECT_EQ(test::Dump(*file), "[S]{k=é}");
}

TEST(IniLoadSave, NestingBeyondTheLimitIsRefused) {
  auto nested = [](int depth) {
    std::string text = "[S]\r\n";
    for (int i = 0; i < depth; ++i) text += "object o\r\n";
    return text + "k=1\r\n";
  };
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load(nested(kMaxIniObjectDepth)));
  TIniList* deepest = file->Section("S");
  for (int i = 0; i < kMaxIniObjectDepth; ++i) deepest = deepest->FirstObject();
  EXPECT_EQ(deepest->Find("k")->Value(), "1");

  EXPECT_FALSE(file->Load(nested(kMaxIniObjectDepth + 1)));
  EXPECT_EQ(file->Count(), 0);
  EXPECT_FALSE(file->Load(nested(100000)));
  EXPECT_EQ(file->Count(), 0);
}

TEST(IniLoadSave, EscapesRoundTrip) {
  struct Case {
    std::string plain;
    std::string escaped;
  };
  const Case cases[] = {
      {"", ""},
      {"a\\b", "a\\\\b"},
      {"one\r\ntwo\rthree\nfour\n\rfive", "one\\ntwo\\nthree\\nfour\\nfive"},
      {"\r\n\r\n", "\\n\\n"},
      {"tab\there\x01", "tabhere"},  // other control bytes are dropped
      {"ü\\n", "ü\\\\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EscapeValue(c.plain), c.escaped);
    std::optional<std::string> back = UnescapeValue(c.escaped);
    ASSERT_TRUE(back.has_value()) << c.escaped;
    EXPECT_EQ(EscapeValue(*back), c.escaped);
  }
  EXPECT_EQ(UnescapeValue("a\\nb\\\\"), "a\r\nb\\");
  for (const char* invalid : {"\\", "abc\\", "\\t", "ok\\nbad\\x", "\\N"}) {
    EXPECT_EQ(UnescapeValue(invalid), std::nullopt) << invalid;
    EXPECT_EQ(UnescapeValueOrEmpty(invalid), "") << invalid;
  }
}

TEST(IniLoadSave, EscapedTreeRoundTrip) {
  TRef<TIniFile> file = MakeRef<TIniFile>();
  ASSERT_TRUE(file->Load("; c:\\path\r\n[Main]\r\npath=C:\\show\\a.zol\r\nobject o:text\r\nk=v\r\nend\r\n"));
  std::string escaped = file->ToEscapedBytes();
  EXPECT_EQ(escaped.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(escaped.substr(0, 30), "; c:\\\\path\\n[Main]\\npath=C:\\\\s");

  TRef<TIniFile> again = MakeRef<TIniFile>();
  ASSERT_TRUE(again->LoadEscaped(escaped));
  EXPECT_EQ(again->ToText(), file->ToText());
  EXPECT_EQ(again->ReadString("main", "path", ""), "C:\\show\\a.zol");

  EXPECT_FALSE(again->LoadEscaped("[Main]\\nbad=\\q"));
  EXPECT_EQ(again->Count(), 0);
}

class IniFiles : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "zol-ini-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path dir_;
};

TEST_F(IniFiles, SaveFileWritesTheMarkAndCutsOldContent) {
  std::string path = (dir_ / "show.zol").string();
  std::ofstream(path, std::ios::binary) << std::string(100000, 'x');

  TRef<TIniFile> file = MakeRef<TIniFile>();
  file->WriteString("Main", "title", "Schöne Show");
  file->SaveFile(path);
  EXPECT_EQ(ReadAll(path), "\xEF\xBB\xBF[Main]\r\ntitle=Schöne Show\r\n\r\n");

  TRef<TIniFile> again = MakeRef<TIniFile>();
  ASSERT_TRUE(again->LoadFile(path));
  EXPECT_EQ(again->ReadString("main", "TITLE", ""), "Schöne Show");

  EXPECT_FALSE(again->LoadFile((dir_ / "missing.zol").string()));
  EXPECT_EQ(again->Count(), 0);
  EXPECT_THROW(file->SaveFile((dir_ / "no" / "such" / "folder.zol").string()), EStreamError);
}

TEST_F(IniFiles, LoadFileGoesThroughTheHook) {
  std::string opened;
  TFileOpenHook previous = SetFileOpenHook([&](const std::string& path) -> TRef<TStream> {
    opened = path;
    if (path != "package:project.zol") return nullptr;
    return MakeRef<TMemoryStream>("\xEF\xBB\xBF[Main]\r\nfrom=package\r\n");
  });
  TRef<TIniFile> file = MakeRef<TIniFile>();
  EXPECT_TRUE(file->LoadFile("package:project.zol"));
  EXPECT_EQ(file->ReadString("Main", "from", ""), "package");
  EXPECT_FALSE(file->LoadFile("package:other.zol"));
  EXPECT_EQ(opened, "package:other.zol");

  // A hook that fails loudly is a failed load, not an escaped exception.
  SetFileOpenHook([](const std::string&) -> TRef<TStream> { throw EStreamError("broken"); });
  EXPECT_FALSE(file->LoadFile("anything"));

  SetFileOpenHook(previous);
  std::string path = (dir_ / "disk.zol").string();
  std::ofstream(path, std::ios::binary) << "[Main]\r\nfrom=disk\r\n";
  ASSERT_TRUE(file->LoadFile(path));
  EXPECT_EQ(file->ReadString("Main", "from", ""), "disk");
}

}  // namespace
}  // namespace zol
