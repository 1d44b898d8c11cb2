// Runs the real program in a scratch folder and reads what it leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/process.h"

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
  const std::string date = "[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}";
  const std::regex layout("\xEF\xBB\xBF\r\n={64}\r\nProgram : " + program_.string() + "\r\nstarted : " + date +
                          "\r\n={64}\r\n\r\n-{64}\r\nProgram stoped : " + date +
                          " \\(work time : [0-9]+ ms\\)\r\n-{64}\r\n");
  EXPECT_TRUE(std::regex_match(first, layout)) << first;

  ASSERT_EQ(Run("-filelog"), 0);
  std::string second = LogBytes();
  EXPECT_TRUE(std::regex_match(second, layout)) << "a second run overwrites, not appends: " << second;
}

TEST_F(ViewerProcessTest, NoLogOptionWritesNoFile) {
  ASSERT_EQ(Run("-log"), 0);
  EXPECT_FALSE(fs::exists(folder_ / "zolviewer.log"));
}

}  // namespace
}  // namespace zol
