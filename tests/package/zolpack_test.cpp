// The package tool and the player's -info report, run as programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "foundation/file_stream.h"
#include "foundation/json_writer.h"
#include "foundation/ref.h"
#include "package/package_writer.h"
#include "support/run_program.h"

namespace zol {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;
using test::ShellQuote;

std::string Zolpack(const std::string& arguments) { return ShellQuote(test::BuiltProgram("zolpack")) + " " + arguments; }
// The player without a display, so that the tests never touch a desktop.
std::string Viewer(const std::string& program, const std::string& arguments) {
  return "env -u DISPLAY -u WAYLAND_DISPLAY " + ShellQuote(program) + " " + arguments;
}

// Every "name" member of a -info report.
std::set<std::string> ListedNames(const std::string& json) {
  std::set<std::string> names;
  for (size_t at = json.find("\"name\":\""); at != std::string::npos; at = json.find("\"name\":\"", at + 1)) {
    size_t start = at + 8, end = json.find('"', start);
    std::string name = json.substr(start, end - start);
    for (size_t i = name.find("\\\\"); i != std::string::npos; i = name.find("\\\\", i + 1)) name.erase(i, 1);
    names.insert(name);
  }
  return names;
}

// A project made on Windows with media beside it, one file it never names.
class ShowFolder {
 public:
  ShowFolder() {
    dir_.Write("show/Pictures/Beach [1].JPG", std::string(4000, 'b') + "\x01\x02\xFF");
    dir_.Write("show/Music/theme.mp3", std::string(30000, 'm'));
    dir_.Write("show/Art/logo-v2.png", "PNG logo");
    dir_.Write("show/unused.txt", "never named");
    dir_.Write("show/show.zol",
               "\xEF\xBB\xBF[Main]\r\nZolVersion=5.6\r\nopt_exefn=C:\\Work\\show.exe\r\n"
               "music=Music\\theme.mp3|1\r\n[FileMap]\r\n;logo.png=\"Art\\logo-v2.png\"\r\n"
               "[Slide1]\r\nobject Photo:Image\r\n  file=Pictures\\beach [1].jpg\r\nend\r\n");
  }
  std::string Project() const { return dir_ / "show/show.zol"; }
  std::string operator/(const std::string& relative) const { return dir_ / relative; }
  // The stored name → the file on disk it must equal.
  std::map<std::string, std::string> Expected() const {
    return {{"Project.zol", dir_ / "show/show.zol"},
            {"Music\\theme.mp3", dir_ / "show/Music/theme.mp3"},
            {"Art\\logo-v2.png", dir_ / "show/Art/logo-v2.png"},
            {"Pictures\\beach [1].jpg", dir_ / "show/Pictures/Beach [1].JPG"}};
  }

 private:
  test::TempDir dir_;
};

TEST(Zolpack, EveryKindOfPackageExtractsByteIdenticalAndListsItsFiles) {
  ShowFolder show;
  const std::string viewer = test::BuiltProgram("zolviewer");
  const std::pair<const char*, std::string> modes[] = {
      {"plain", ""},
      {"compressed", "--compress"},
      {"ciphered", "--cipher"},
      {"appended", "--exe " + ShellQuote(viewer) + " --compress --cipher"},
  };
  for (const auto& [label, flags] : modes) {
    SCOPED_TRACE(label);
    const std::string out = show / (std::string(label) + ".pkg"), target = show / (std::string(label) + "-x");
    auto built = RunCommand(Zolpack("build " + ShellQuote(show.Project()) + " -o " + ShellQuote(out) + " " + flags));
    ASSERT_EQ(built.exitCode, 0) << built.err;

    auto extracted = RunCommand(Zolpack("extract " + ShellQuote(out) + " " + ShellQuote(target)));
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
    size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(target)) files += entry.is_regular_file();
    EXPECT_EQ(files, show.Expected().size()) << "only the project and what it names";
    for (const auto& [name, source] : show.Expected()) {
      std::string relative = name;
      for (char& c : relative)
        if (c == '\\') c = '/';
      EXPECT_EQ(test::ReadFile(target + "/" + relative), test::ReadFile(source)) << name;
    }

    auto verified = RunCommand(Zolpack("verify " + ShellQuote(out)));
    EXPECT_EQ(verified.exitCode, 0) << verified.err;

    auto info = RunCommand(Viewer(viewer, "-info -exename " + ShellQuote(out)));
    ASSERT_EQ(info.exitCode, 0) << info.err;
    std::set<std::string> expectedNames;
    for (const auto& [name, source] : show.Expected()) expectedNames.insert(name);
    EXPECT_EQ(ListedNames(info.out), expectedNames) << info.out;
    EXPECT_NE(info.out.find("\"project\":\"Project.zol\""), std::string::npos);
    EXPECT_NE(info.out.find("\"version\":\"5.6\""), std::string::npos);
  }
}

TEST(Zolpack, PackageAppendedToThePlayerIsItsOwnShow) {
  ShowFolder show;
  const std::string player = show / "player";
  auto built = RunCommand(Zolpack("build " + ShellQuote(show.Project()) + " -o " + ShellQuote(player) + " --exe " +
                                  ShellQuote(test::BuiltProgram("zolviewer"))));
  ASSERT_EQ(built.exitCode, 0) << built.err;
  auto info = RunCommand(Viewer(player, "-info"));
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("\"path\":" + JsonQuote(player)), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"delta\":0"), std::string::npos);
}

TEST(Zolpack, AuthoringPathsArePackedUnderTheNameTheShowUses) {
  test::TempDir dir;
  dir.Write("show/Music/theme.mp3", "tune");
  std::string project = dir.Write("show/p.zol", "[Main]\r\nopt_exefn=C:\\Work\\p.exe\r\nmusic=C:\\Work\\Music\\Theme.mp3\r\n");
  const std::string out = dir / "p.pkg";
  ASSERT_EQ(RunCommand(Zolpack("build " + ShellQuote(project) + " -o " + ShellQuote(out))).exitCode, 0);
  auto info = RunCommand(Viewer(test::BuiltProgram("zolviewer"), "-info -exename " + ShellQuote(out)));
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_EQ(ListedNames(info.out), (std::set<std::string>{"Project.zol", "C:\\Work\\Music\\Theme.mp3"}));
}

TEST(Zolpack, ExtractNeverWritesOutsideItsFolder) {
  test::TempDir dir;
  TPackageWriter writer({});
  for (const char* name : {"..\\escaped.txt", "sub\\..\\..\\up.txt", "C:\\drive.txt", "\\rooted.txt", "ok\\inside.txt"})
    writer.Add(name, "payload");
  {
    auto out = MakeRef<TFileStream>(dir / "evil.pkg", TFileStream::Mode::Create);
    writer.Write(*out, 0);
  }
  const std::string target = dir / "out/here";
  auto result = RunCommand(Zolpack("extract " + ShellQuote(dir / "evil.pkg") + " " + ShellQuote(target)));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("refused \"..\\escaped.txt\""), std::string::npos) << result.err;
  EXPECT_EQ(test::ReadFile(target + "/ok/inside.txt"), "payload");
  size_t written = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) written += entry.is_regular_file();
  EXPECT_EQ(written, 2u) << "the package and the one safe file, nothing else";
}

TEST(Zolpack, VerifyReportsDamage) {
  ShowFolder show;
  const std::string out = show / "damaged.pkg";
  ASSERT_EQ(RunCommand(Zolpack("build " + ShellQuote(show.Project()) + " -o " + ShellQuote(out) + " --compress")).exitCode,
            0);
  // Overwrite the start of the first stored file, which is compressed.
  {
    std::fstream file(out, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(0);
    file.write("\xFF\xFF\xFF\xFF\xFF\xFF", 6);
  }
  auto result = RunCommand(Zolpack("verify " + ShellQuote(out)));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("damaged"), std::string::npos) << result.err;
}

TEST(ShowInfo, ShowsThatCannotOpenPrintTheirMessageAndExitWith2) {
  ShowFolder show;
  const std::string viewer = test::BuiltProgram("zolviewer");
  auto missing = RunCommand(Viewer(viewer, "-info -exename " + ShellQuote(show / "none.exe")));
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "Slideshow File not Found\n\"" + show / "none.exe" + "\" or \"" + show / "none.zolshow" + "\"\n");
  EXPECT_EQ(missing.out, "");

  auto plain = RunCommand(Viewer(viewer, "-info -exename " + ShellQuote(show / "show/unused.txt")));
  EXPECT_EQ(plain.exitCode, 2);
  EXPECT_EQ(plain.err.rfind("Can`t Load Show\n", 0), 0u) << plain.err;

  auto project = RunCommand(Viewer(viewer, "-info -filename " + ShellQuote(show / "show/nothing.zol")));
  EXPECT_EQ(project.exitCode, 2);
  EXPECT_EQ(project.err, "Can`t Load .zol File\n\"" + show / "show/nothing.zol" + "\"\n");

  // A project file opens directly, also as the first plain argument.
  auto opened = RunCommand(Viewer(viewer, "-info " + ShellQuote(show.Project())));
  EXPECT_EQ(opened.exitCode, 0) << opened.err;
  EXPECT_NE(opened.out.find("\"package\":null"), std::string::npos) << opened.out;
}

TEST(ShowInfo, MovedPackageWithoutPermissionIsModified) {
  ShowFolder show;
  const std::string out = show / "moved.exe";
  ASSERT_EQ(RunCommand(Zolpack("build " + ShellQuote(show.Project()) + " -o " + ShellQuote(out) + " --exe " +
                               ShellQuote(show / "show/unused.txt")))
                .exitCode,
            0);
  std::string bytes = test::ReadFile(out);
  std::ofstream(out, std::ios::binary | std::ios::trunc) << "prefix" << bytes;
  auto info = RunCommand(Viewer(test::BuiltProgram("zolviewer"), "-info -exename " + ShellQuote(out)));
  EXPECT_EQ(info.exitCode, 2);
  EXPECT_EQ(info.err.rfind("Slide-show File Modified\n", 0), 0u) << info.err;
}

}  // namespace
}  // namespace zol
