// Runs the real program in a scratch folder and reads what it leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process.h"
#include "support/digit_mask.h"

namespace zol {
namespace {

namespace fs = std::filesystem;

// A private copy of zolviewer, so that its log file lands in a folder of ours.
class ViewerProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::path self = platform::ModulePath();
    folder_ = fs::path(::testing::TempDir()) / ("zolviewer-run-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    program_ = folder_ / "zolviewer";
    fs::copy_file(self.parent_path() / "zolviewer", program_, fs::copy_options::overwrite_existing);
  }
  void TearDown() override { fs::remove_all(folder_); }

  int Run(const std::string& arguments) {
    // No display: the run must not depend on the desktop of whoever runs the tests.
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + program_.string() + " " + arguments +
                          " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string LogBytes() const {
    std::ifstream in(folder_ / "zolviewer.log", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  fs::path folder_, program_;
};

TEST_F(ViewerProcessTest, FileLogHoldsBothBannersAndIsRewrittenEachRun) {
  ASSERT_EQ(Run("-filelog"), 0);
  std::string first = LogBytes();
  // Dates are DD.MM.YYYY hh:mm:ss.zzz; digits are masked, the layout is not.
  const std::string date = "11.12.2026 09:41:06.123";
  const std::string equals(64, '='), dashes(64, '-');
  const std::string layout = test::MaskDigits(
      "\xEF\xBB\xBF\r\n" + equals + "\r\nProgram : " + program_.string() + "\r\nstarted : " + date + "\r\n" +
      equals + "\r\n\r\n" + dashes + "\r\nProgram stoped : " + date + " (work time : 7 ms)\r\n" + dashes + "\r\n");
  EXPECT_EQ(test::MaskDigits(first), layout);
  for (size_t at : {first.find("started : ") + 10, first.find("stoped : ") + 9})
    EXPECT_EQ(test::MaskDigits(first.substr(at, date.size())), test::MaskDigits(date)) << first;

  ASSERT_EQ(Run("-filelog"), 0);
  EXPECT_EQ(test::MaskDigits(LogBytes()), layout) << "a second run overwrites, not appends";
}

TEST_F(ViewerProcessTest, NoLogOptionWritesNoFile) {
  ASSERT_EQ(Run("-log"), 0);
  EXPECT_FALSE(fs::exists(folder_ / "zolviewer.log"));
}

}  // namespace
}  // namespace zol
