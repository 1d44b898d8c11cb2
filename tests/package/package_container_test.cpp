#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "foundation/file_stream.h"
#include "foundation/memory_stream.h"
#include "package/colour_selection.h"
#include "package/package_names.h"
#include "package/package_writer.h"
#include "package/packed_file_source.h"
#include "package/path_modifiers.h"
#include "package/show_locator.h"
#include "package/zol_unpack.h"
#include "support/temp_dir.h"
#include "support/stream_text.h"

namespace zol {
namespace {

using test::ReadAll;

std::string Pattern(size_t size, int seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = char((i * seed + i / 7) & 0xFF);
  return bytes;
}

struct Stored {
  std::string name, bytes;
};

const std::vector<Stored>& Files() {
  static const std::vector<Stored> files = {
      {"Project.zol", "\xEF\xBB\xBF[Main]\r\nZolVersion=5.6\r\n"},
      {"pics\\photo [1].jpg", Pattern(5000, 13)},
      {"music\\song.mp3", std::string(20000, 'a')},  // compresses well
      {"empty.txt", ""},
  };
  return files;
}

// Writes a package of Files() into PATH after HOST bytes of host program.
void WritePackage(const std::string& path, const TPackageOptions& options, const std::string& host = "") {
  TPackageWriter writer(options);
  for (const Stored& file : Files()) writer.Add(file.name, file.bytes);
  auto out = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
  out->WriteBuffer(host.data(), host.size());
  writer.Write(*out, int64_t(host.size()));
}

void ExpectEveryFileReads(TZolUnpack& package) {
  auto source = MakeRef<TPackedFileSource>(TRef<TZolUnpack>(&package));
  for (const Stored& file : Files()) {
    TRef<TStream> stream = source->Open(file.name);
    ASSERT_TRUE(stream) << file.name;
    EXPECT_EQ(ReadAll(*stream), file.bytes) << file.name;
  }
}

TEST(PackageContainer, StandAloneAndAppendedPackagesReadTheSame) {
  test::TempDir dir;
  struct Case {
    const char* label;
    TPackageOptions options;
    std::string host;
  };
  const std::string host = "\x7F" "ELF host program bytes" + Pattern(3000, 3);
  const Case cases[] = {
      {"stored", {false, false, false, "5.6"}, ""},
      {"compressed", {true, false, false, "5.6"}, ""},
      {"ciphered", {false, true, false, "5.6"}, ""},
      {"both", {true, true, false, "5.6"}, ""},
      {"appended", {false, false, false, "5.6"}, host},
      {"appended compressed ciphered", {true, true, false, "5.6"}, host},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::string path = dir / (std::string(c.label) + ".pkg");
    WritePackage(path, c.options, c.host);
    auto package = MakeRef<TZolUnpack>(path);
    ASSERT_TRUE(package->IsOpen()) << package->Error();
    EXPECT_EQ(package->Base(), int64_t(c.host.size()));
    EXPECT_EQ(package->Delta(), 0);
    EXPECT_EQ(package->Version(), "5.6");
    ExpectEveryFileReads(*package);
    auto song = package->FindEntry("MUSIC\\SONG.MP3");
    ASSERT_TRUE(song);
    EXPECT_EQ(song->method, c.options.compress ? 1 : c.options.cipher ? 2 : 0);
  }
}

TEST(PackageContainer, MovedPackageOpensOnlyWhenModificationIsAllowed) {
  test::TempDir dir;
  const std::string host = "host program" + Pattern(1000, 5);
  const int64_t k = 777;
  for (bool allow : {true, false}) {
    std::string path = dir / (allow ? "allowed.exe" : "refused.exe");
    WritePackage(path, {true, true, allow, "5.6"}, host);
    // Bytes put in front of the package move every stored file by k.
    std::string bytes = test::ReadFile(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(size_t(k), 'X') << bytes;

    auto package = MakeRef<TZolUnpack>(path);
    if (allow) {
      ASSERT_TRUE(package->IsOpen()) << package->Error();
      EXPECT_EQ(package->Delta(), k);
      ExpectEveryFileReads(*package);
    } else {
      EXPECT_FALSE(package->IsOpen());
      EXPECT_EQ(package->Error(), "Slide-show File Modified");
    }
  }
}

// Builds a package by hand around a directory text, for directories the
// writer would never make.
std::string HandMadePackage(const std::string& stored, const std::string& directoryText) {
  std::string packed = DeflateRaw(directoryText);
  std::string bytes = stored + packed;
  int64_t s = int64_t(stored.size());
  for (int i = 0; i < 8; ++i) bytes += char(uint64_t(s) >> (8 * i));
  return bytes + ".dne";
}

TEST(PackageContainer, DirectoryChecksAndEntryRules) {
  test::TempDir dir;
  struct Case {
    const char* label;
    std::string directory;
    std::string error;  // "" when the package opens
  };
  const Case cases[] = {
      {"strucpos matches", "[$protection$]\r\nstrucpos=10\r\n", ""},
      {"strucpos missing", "[$protection$]\r\n", ""},
      {"moved, not allowed", "[$protection$]\r\nstrucpos=4\r\n", "Slide-show File Modified"},
      {"moved, allowed", "[$protection$]\r\nstrucpos=4\r\nallowmodify=1\r\n", ""},
      {"beyond the directory", "[$protection$]\r\nstrucpos=11\r\nallowmodify=1\r\n", "Slide-show File Damaged"},
      {"not a number", "[$protection$]\r\nstrucpos=ten\r\nallowmodify=1\r\n", "Slide-show File Damaged"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::string path = dir.Write("p.pkg", HandMadePackage("0123456789", c.directory));
    auto package = MakeRef<TZolUnpack>(path);
    EXPECT_EQ(package->IsOpen(), c.error.empty());
    EXPECT_EQ(package->Error(), c.error);
  }

  std::string entries =
      "[$protection$]\r\n[Photo <1>.JPG]\r\n_ps=2\r\n_sz=3\r\n[only position]\r\n_ps=0\r\n"
      "[only size]\r\n_sz=4\r\n[Tab#09Name]\r\n_ps=5\r\n_sz=2\r\n";
  auto package = MakeRef<TZolUnpack>(dir.Write("e.pkg", HandMadePackage("0123456789", entries)));
  ASSERT_TRUE(package->IsOpen());
  auto photo = package->FindEntry("photo [1].jpg");
  ASSERT_TRUE(photo) << "brackets become angle brackets, letter case does not matter";
  EXPECT_EQ(photo->position, 2);
  EXPECT_EQ(photo->size, 3);
  EXPECT_FALSE(package->FindEntry("only position"));
  EXPECT_FALSE(package->FindEntry("only size"));
  EXPECT_TRUE(package->FindEntry("Tab\tName"));
  EXPECT_FALSE(package->FindEntry("missing.jpg"));
  auto source = MakeRef<TPackedFileSource>(package);
  EXPECT_EQ(ReadAll(*source->Open("PHOTO [1].jpg")), "234");
}

TEST(PackageContainer, FilesThatHoldNoPackage) {
  test::TempDir dir;
  auto missing = MakeRef<TZolUnpack>(dir / "missing.exe");
  EXPECT_FALSE(missing->IsOpen());
  EXPECT_EQ(missing->Error(), "Slideshow File not Found");

  for (const std::string& bytes : {std::string(), std::string("abc"), std::string(100, 'x')}) {
    auto plain = MakeRef<TZolUnpack>(dir.Write("plain.bin", bytes));
    EXPECT_FALSE(plain->IsOpen());
    EXPECT_EQ(plain->Error(), "");
  }
  // A marker with a directory start outside the file.
  std::string bogus = "xx" + std::string("\xFF\xFF\xFF\x7F\0\0\0\0", 8) + ".dne";
  EXPECT_THROW(MakeRef<TZolUnpack>(dir.Write("bogus.bin", bogus)), EStreamError);
  // A directory that does not inflate.
  std::string corrupt = std::string("\xFF\xFF\xFF\xFF", 4) + std::string("\0\0\0\0\0\0\0\0", 8) + ".dne";
  EXPECT_ANY_THROW(MakeRef<TZolUnpack>(dir.Write("corrupt.bin", corrupt)));
}

TEST(PackageNames, EscapingForDirectorySections) {
  const std::pair<std::string, std::string> cases[] = {
      {"a[1].jpg", "a<1>.jpg"},
      {std::string("x\x01y"), "x#01y"},
      {"\x1F", "#1F"},
      {"plain\\folder\\file.png", "plain\\folder\\file.png"},
  };
  for (const auto& [name, escaped] : cases) EXPECT_EQ(EscapePackageName(name), escaped);
  EXPECT_EQ(PackageKey("a/b\\c"), "a\\b\\c");
}

TEST(FileMaps, MappingsAndRotationsFromTheProject) {
  struct MapCase {
    std::string line, name, target;
    bool valid;
  };
  const MapCase maps[] = {
      {";logo.png=\"C:\\Art\\New Logo.png\"", "logo.png", "C:\\Art\\New Logo.png", true},
      {"; \"a=b.png\" = c.png ", "a=b.png", "c.png", true},
      {";=target", "", "", false},
      {";name=", "", "", false},
      {"no equals", "", "", false},
  };
  for (const MapCase& c : maps) {
    std::string name, target;
    EXPECT_EQ(ParseFileMapping(c.line, name, target), c.valid) << c.line;
    if (c.valid) {
      EXPECT_EQ(name, c.name);
      EXPECT_EQ(target, c.target);
    }
  }
  struct RotationCase {
    std::string line;
    bool valid;
    std::string name;
    int code;
  };
  const RotationCase rotations[] = {
      {";\"pics\\a.jpg\"=6", true, "pics\\a.jpg", 6},
      {";\"say \"hi\".jpg\"=3", true, "say \"hi\".jpg", 3},
      {"\"a.jpg\"=6", false, "", 0},
      {";\"a.jpg\"=x", false, "", 0},
  };
  for (const RotationCase& c : rotations) {
    std::string name;
    int code = 0;
    EXPECT_EQ(ParseRotationEntry(c.line, name, code), c.valid) << c.line;
    if (c.valid) {
      EXPECT_EQ(name, c.name);
      EXPECT_EQ(code, c.code);
    }
  }
}

TEST(FileMaps, MappedNamesReadTheirTargetAndRotationsTurnPictures) {
  test::TempDir dir;
  std::string target = dir.Write("Art Work/new logo.png", "NEW");
  auto project = MakeRef<TIniFile>();
  ASSERT_TRUE(project->Load("[FileMap]\r\n;logo.png=\"" + target + "\"\r\nplain=ignored\r\n;loop1=loop2\r\n"
                            ";loop2=loop1\r\n[RotationState]\r\n;\"turn.jpg\"=6\r\n;\"flip.jpg\"=3\r\n"
                            ";\"mirror.jpg\"=2\r\n"));
  auto source = MakeRef<TMappedFileSource>();
  source->LoadMaps(*project);
  for (const char* request : {"logo.png", "LOGO.PNG", "Logo.png|frame"}) {
    TRef<TStream> stream = source->Open(request);
    ASSERT_TRUE(stream) << request;
    EXPECT_EQ(ReadAll(*stream), "NEW");
  }
  EXPECT_EQ(source->MappedTarget("plain"), nullptr) << "a keyed line maps nothing";
  EXPECT_FALSE(source->Open("loop1")) << "a mapping loop is a missing file";

  int width = 40, height = 30;
  EXPECT_EQ(source->ImageTransform("TURN.jpg", width, height), TImageTransform::QuarterRight);
  EXPECT_EQ(width, 30);
  EXPECT_EQ(height, 40);
  EXPECT_EQ(source->ImageTransform("flip.jpg", width, height), TImageTransform::Rotate180);
  EXPECT_EQ(width, 30) << "half a turn keeps the size";
  EXPECT_EQ(source->ImageTransform("mirror.jpg", width, height), std::nullopt) << "code 2 is ignored";
  EXPECT_EQ(source->ImageTransform("other.jpg", width, height), std::nullopt);
}

TEST(ShowLocator, PackedShowOpensWithItsProjectAndVersion) {
  test::TempDir dir;
  std::string path = dir / "show.exe";
  WritePackage(path, {true, false, false, "5.6"}, "host");
  std::string error;
  auto locator = OpenPackedShow(path, error);
  ASSERT_TRUE(locator) << error;
  EXPECT_TRUE(locator->Packed());
  EXPECT_EQ(locator->Version(), "5.6");
  EXPECT_EQ(locator->ProjectFileName(), "Project.zol");
  EXPECT_EQ(locator->Accessor().BaseFolder(), dir.Path().string() + "/");
  TRef<TStream> photo = locator->Accessor().OpenStream("pics\\photo [1].jpg");
  ASSERT_TRUE(photo);
  EXPECT_EQ(ReadAll(*photo), Files()[1].bytes);

  std::string version;
  EXPECT_TRUE(ReadPackageVersion(path, version));
  EXPECT_EQ(version, "5.6");
  EXPECT_FALSE(ReadPackageVersion(dir / "none.exe", version));
}

TEST(ShowLocator, PackageWithoutAProjectIsAnOpenError) {
  test::TempDir dir;
  std::string path = dir / "noproject.pkg";
  TPackageWriter writer({});
  writer.Add("only.jpg", "x");
  auto out = MakeRef<TFileStream>(path, TFileStream::Mode::Create);
  writer.Write(*out, 0);
  out.reset();
  std::string error;
  EXPECT_FALSE(OpenPackedShow(path, error));
  EXPECT_EQ(error, "Executable SlideShow Open Error");
  EXPECT_FALSE(OpenPackedShow(dir / "absent.exe", error));
  EXPECT_EQ(error, "Slideshow File not Found");
}

TEST(ShowLocator, ProjectShowMadeOnWindowsFindsItsMediaBesideIt) {
  test::TempDir dir;
  dir.Write("Show/Pictures/Beach.JPG", "JPEG");
  std::string project = dir.Write("Show/My Show.zol",
                                  "[Main]\r\nopt_exefn=C:\\Users\\ann\\Desktop\\My Show.exe\r\n"
                                  "ColorManagement=*\r\n");
  auto locator = OpenProjectShow(project);
  ASSERT_TRUE(locator);
  EXPECT_FALSE(locator->Packed());
  EXPECT_EQ(locator->Accessor().BaseFolder(), "/Users/ann/Desktop/");
  // The authoring path does not exist here; the file is found beside the project.
  for (const char* name : {"C:\\Users\\ann\\Desktop\\Pictures\\beach.jpg", "Pictures\\BEACH.jpg"}) {
    TRef<TStream> stream = locator->Accessor().OpenStream(name);
    ASSERT_TRUE(stream) << name;
    EXPECT_EQ(ReadAll(*stream), "JPEG");
  }
  TColourSelection colour = CurrentColourSelection();
  EXPECT_FALSE(colour.managementOff);
  EXPECT_FALSE(colour.conversionActive) << "\"*\" needs no colour library";
  EXPECT_EQ(colour.profile, TColourSelection::Profile::BuiltIn);
  EXPECT_EQ(colour.name, "DizivAZI");

  EXPECT_FALSE(OpenProjectShow(dir / "Show/missing.zol"));
}

TEST(ShowLocator, ColourManagementFollowsTheShow) {
  test::TempDir dir;
  struct Case {
    std::string value;
    bool off, active;
    TColourSelection::Profile profile;
    std::string name;
  };
  using P = TColourSelection::Profile;
  const Case cases[] = {
      {"", true, false, P::None, ""},
      {"?", false, true, P::Display, ""},
      {"srgb", false, true, P::BuiltIn, "sRGB"},
      {"/profiles/monitor.icc", false, true, P::File, "/profiles/monitor.icc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    SetColourSelection({});
    std::string text = "[Main]\r\n";
    if (!c.value.empty()) text += "ColorManagement=" + c.value + "\r\n";
    auto locator = OpenProjectShow(dir.Write("c.zol", text));
    ASSERT_TRUE(locator);
    TColourSelection colour = CurrentColourSelection();
    EXPECT_EQ(colour.managementOff, c.off);
    EXPECT_EQ(colour.conversionActive, c.active);
    EXPECT_EQ(colour.profile, c.profile);
    EXPECT_EQ(colour.name, c.name);
  }
  SetColourSelection({});
}

TEST(ShowLocator, ProjectPathModifiersReplaceTheProcessList) {
  test::TempDir dir;
  std::string project = dir.Write("pm.zol",
                                  "[PathModifiers]\r\nCount=2\r\nEnv0=%lib%\r\nPath0=" + dir / "lib" +
                                      "\r\nDef0=1\r\nEnv1=%other%\r\nPath1=/x\r\n");
  ASSERT_TRUE(OpenProjectShow(project));
  TPathModifierList list = InstalledPathModifiers();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].token, "%lib%");
  EXPECT_EQ(list[0].target, dir / "lib");
  EXPECT_TRUE(list[0].isDefault);
  EXPECT_FALSE(list[1].isDefault);
  InstallPathModifiers(StartupPathModifiers());
}

}  // namespace
}  // namespace zol
