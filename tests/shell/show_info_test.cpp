#include <gtest/gtest.h>

#include "package/show_locator.h"
#include "shell/show_info.h"
#include "support/run_program.h"

namespace zol {
namespace {

TEST(ShowInfo, ReportsTheTimeLineAndTransitionsOfAProjectShow) {
  test::TempDir dir;
  std::string project = dir.Write("show.zol",
                                  "[Main]\r\nopt_scr_width=800\r\nopt_scr_height=600\r\nopt_repeat=Close\r\n"
                                  "[Times]\r\nopt_slidescount=3\r\nopt_synchpos1=4000\r\nopt_synchpos2=9000\r\n"
                                  "opt_synchpos3=12000\r\n[Slide2]\r\nPers_EndAction=pause\r\n");
  auto locator = OpenProjectShow(project);
  ASSERT_TRUE(locator);
  std::string json = ShowInfoJson(*locator);
  for (const char* fragment : {"\"package\":null", "\"slides\":3", "\"end_mode\":\"close\"", "\"design_size\":[800,600]",
                               "\"manual\":false", "\"end_action\":\"pause\"", "\"timings\":[{\"index\":0",
                               "\"transitions\":[{\"index\":0"})
    EXPECT_NE(json.find(fragment), std::string::npos) << fragment << " in " << json;
  EXPECT_NE(json.find("\"length_ms\":12000"), std::string::npos) << json;
}

TEST(ShowInfo, AnInvalidTimeLineIsReportedWithExitCode2) {
  test::TempDir dir;
  std::string project =
      dir.Write("bad.zol", "[Times]\r\nopt_slidescount=2\r\nopt_synchpos1=5000\r\nopt_synchpos2=1000\r\n");
  auto result = test::RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY " +
                                 test::ShellQuote(test::BuiltProgram("zolviewer")) + " -info -filename " +
                                 test::ShellQuote(project));
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "Incorrect time\n");
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace zol
