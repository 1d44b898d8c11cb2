#include <gtest/gtest.h>

#include <functional>

#include "foundation/file_log.h"
#include "foundation/file_stream.h"
#include "foundation/log_banner.h"
#include "foundation/memory_stream.h"
#include "foundation/real_text.h"
#include "platform/process.h"
#include "support/captured_log.h"
#include "support/digit_mask.h"

namespace zol {
namespace {

TEST(Log, NullLogIsInstalledByDefaultAndWritesNothing) {
  InstallLog(nullptr);
  EXPECT_NO_THROW(LogText("into the void"));
  EXPECT_EQ(CurrentLog()->ClassName(), "TLog");
}

TEST(Log, TypedWritersFormatTheirValues) {
  struct Case {
    std::function<void()> write;
    std::string line;
  };
  const Case cases[] = {
      {[] { LogText("plain"); }, "plain"},
      {[] { LogInt("n=", -42, ";"); }, "n=-42;"},
      {[] { LogReal("r=", 2.5); }, "r=2.5"},
      {[] { LogReal("r=", 0.1); }, "r=0.1"},
      {[] { LogReal("r=", -3.0, " s"); }, "r=-3 s"},
      {[] { LogReal("r=", 1e-17); }, "r=0"},
      {[] { LogReals("v: ", {1.5, 2.0, -0.25}); }, "v: 1.5, 2, -0.25"},
      {[] { LogInts("i: ", {1, -2, 3000000000LL}, "."); }, "i: 1, -2, 3000000000."},
      {[] { LogBool("ok ", true); }, "ok True"},
      {[] { LogBool("ok ", false); }, "ok False"},
      {[] { LogPoint("pt ", 3, -4); }, "pt 3, -4"},
      {[] { LogRect("rc ", 0, 1, 640, 480); }, "rc 0, 1, 640, 480"},
  };
  for (const Case& c : cases) {
    test::CapturedLog log;
    c.write();
    EXPECT_EQ(log.Text(), c.line + "\r\n");
  }
}

TEST(Log, PrefixesComeInOrderPrefixThreadTime) {
  test::CapturedLog log;
  log.Log().SetPrefix("Engine: ");
  log.Log().SetThreadPrefix(true);
  log.Log().SetTimePrefix(true);
  LogText("frame");
  // "#" + at least four upper-case hex digits, then the ms time in brackets.
  std::string text = log.Text();
  ASSERT_EQ(text.rfind("Engine: #", 0), 0u) << text;
  size_t idEnd = text.find(' ', 9);
  std::string id = text.substr(9, idEnd - 9);
  EXPECT_GE(id.size(), 4u);
  EXPECT_EQ(id.find_first_not_of("0123456789ABCDEF"), std::string::npos) << id;
  EXPECT_EQ(test::MaskDigits(text.substr(idEnd)), " [#] frame\r\n");
}

TEST(Log, StreamLogWritesTheByteOrderMarkOnlyIntoAnEmptyStream) {
  auto empty = MakeRef<TMemoryStream>();
  auto log = MakeRef<TStreamLog>(empty);
  log->Log("a");
  log->Log("b");
  EXPECT_EQ(empty->View(), "\xEF\xBB\xBF" "a\r\nb\r\n");

  auto used = MakeRef<TMemoryStream>("old\r\n");
  used->SetPosition(used->GetSize());
  MakeRef<TStreamLog>(used)->Log("new");
  EXPECT_EQ(used->View(), "old\r\nnew\r\n");
}

TEST(Log, WritesCanBeRedirectedToAnotherTarget) {
  std::string captured;
  auto log = MakeRef<TLog>();
  log->SetPrefix("> ");
  log->SetWriteRoutine([](void* target, std::string_view line) { static_cast<std::string*>(target)->append(line); },
                       &captured);
  log->Log("x");
  EXPECT_EQ(captured, "> x");
}

TEST(Log, FileLogThatCannotBeOpenedWritesNothing) {
  auto log = MakeRef<TFileLog>("/nonexistent-folder/zol.log");
  EXPECT_NO_THROW(log->Log("lost"));
}

TEST(Log, FileLogRewritesItsFileEachRun) {
  std::string path = ::testing::TempDir() + "zol_file_log_test.log";
  MakeRef<TFileLog>(path)->Log("first run, a longer line");
  MakeRef<TFileLog>(path)->Log("second");
  auto read = MakeRef<TFileStream>(path, TFileStream::Mode::Read);
  std::string bytes(size_t(read->GetSize()), '\0');
  read->ReadBuffer(bytes.data(), bytes.size());
  EXPECT_EQ(bytes, "\xEF\xBB\xBF" "second\r\n");
}

TEST(Log, LogFileSitsBesideTheProgramWithTheLogExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"/opt/zol/zolviewer", "/opt/zol/zolviewer.log"},
      {"/opt/zol/show.exe", "/opt/zol/show.log"},
      {"/opt/zol.d/viewer", "/opt/zol.d/viewer.log"},
      {"/home/u/.hidden", "/home/u/.hidden.log"},
  };
  for (const auto& [program, log] : cases) EXPECT_EQ(LogFilePathFor(program), log) << program;
}

TEST(Log, BannersHaveTheirFixedLayoutWithoutLinePrefixes) {
  test::CapturedLog log;
  log.Log().SetThreadPrefix(true);
  log.Log().SetTimePrefix(true);
  platform::LocalTime t;
  t.year = 2026, t.month = 3, t.day = 7, t.hour = 9, t.minute = 5, t.second = 4, t.millisecond = 12;
  LogStartBanner("/opt/zol/zolviewer", t);
  LogStopBanner(t, 1234);
  const std::string equals(64, '='), dashes(64, '-');
  EXPECT_EQ(log.Text(), "\r\n" + equals + "\r\nProgram : /opt/zol/zolviewer\r\nstarted : 07.03.2026 09:05:04.012\r\n" +
                            equals + "\r\n\r\n" + dashes +
                            "\r\nProgram stoped : 07.03.2026 09:05:04.012 (work time : 1234 ms)\r\n" + dashes +
                            "\r\n");
  EXPECT_TRUE(log.Log().ThreadPrefix()) << "the flags come back after a banner";
}

TEST(RealText, SixteenDigitsThenTrimmed) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},           {-0.0, "0"},       {250, "250"},     {2.5, "2.5"},
      {-7, "-7"},         {1.0 / 3, "0.3333333333333333"}, {1e20, "100000000000000000000"},
      {123.456, "123.456"}, {1e-17, "0"}, {0.12345678901234567, "0.1234567890123457"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(RealToText(value), text) << value;
}

}  // namespace
}  // namespace zol
